#include "shaping/fadein.h"
#include "shaping/fadeout.h"
#include "shaping/limiter.h"
#include "shaping/peakmeter.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int Rate = 44100;

// Stereo test signals: a sine at the given level, or white noise.
std::vector<std::vector<float>> signal(bool noise, double level, int frames)
{
    std::vector<std::vector<float>> planes(2, std::vector<float>(size_t(frames)));
    std::mt19937 random(7);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < 2; ++c) {
            const double value = noise ? uniform(random) : std::sin(2 * M_PI * 997.0 * i / Rate);
            planes[size_t(c)][size_t(i)] = float(level * value);
        }
    }
    return planes;
}

// Runs the planes through a limiter in calls of `chunk` frames, then drains it.
std::vector<std::vector<float>> limited(const std::vector<std::vector<float>> &in,
                                        double gain,
                                        int chunk)
{
    const int frames = int(in[0].size());
    shaping::Limiter limiter(2, Rate, gain);
    std::vector<std::vector<float>> out(2, std::vector<float>(size_t(frames)));
    int done = 0;
    for (int at = 0; at < frames; at += chunk) {
        const float *from[2] = {in[0].data() + at, in[1].data() + at};
        float *to[2] = {out[0].data() + done, out[1].data() + done};
        done += limiter.process(from, std::min(chunk, frames - at), to);
    }
    for (;;) {
        float *to[2] = {out[0].data() + done, out[1].data() + done};
        const int drained = limiter.drain(to, frames - done);
        if (drained == 0)
            break;
        done += drained;
    }
    out[0].resize(size_t(done));
    out[1].resize(size_t(done));
    return out;
}

} // namespace

class TestShaping : public QObject
{
    Q_OBJECT

private slots:
    void fadeInRamp_data();
    void fadeInRamp();
    void fadeOutRamp_data();
    void fadeOutRamp();
    void truePeakSideBySide_data();
    void truePeakSideBySide();
    void limiterKeepsOrLimits_data();
    void limiterKeepsOrLimits();
    void limiterSettlesWithinItsAttack();
};

void TestShaping::fadeInRamp_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<double>("level");

    QTest::newRow("no fade, first frame") << 0.0 << 44100 << qint64(0) << qint64(0) << 1.0;
    QTest::newRow("first frame is silent") << 2.0 << 44100 << qint64(0) << qint64(88200) << 0.0;
    QTest::newRow("halfway") << 2.0 << 44100 << qint64(44100) << qint64(88200) << 0.5;
    QTest::newRow("last frame of the ramp") << 1.0 << 4 << qint64(3) << qint64(4) << 0.75;
    QTest::newRow("full level after the ramp") << 1.0 << 4 << qint64(4) << qint64(4) << 1.0;
    QTest::newRow("second frame") << 3.0 << 44100 << qint64(1) << qint64(132300) << 1.0 / 132300;
    QTest::newRow("length rounds to whole frames")
            << 0.1 / 3 << 44100 << qint64(735) << qint64(1470) << 0.5;
}

void TestShaping::fadeInRamp()
{
    QFETCH(double, seconds);
    QFETCH(int, rate);
    QFETCH(qint64, index);
    QFETCH(qint64, frames);
    QFETCH(double, level);

    const shaping::FadeIn fade(seconds, rate);
    QCOMPARE(fade.frames(), frames);
    QCOMPARE(fade.levelAt(index), level);
    QCOMPARE(fade.doneAt(index), level == 1.0);
}

void TestShaping::fadeOutRamp_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<double>("level");

    QTest::newRow("no fade, past the end") << 0.0 << 44100 << qint64(50) << qint64(10) << 1.0;
    QTest::newRow("last frame is silent") << 1.0 << 4 << qint64(9) << qint64(10) << 0.0;
    QTest::newRow("one before the last") << 1.0 << 4 << qint64(8) << qint64(10) << 0.25;
    QTest::newRow("first frame of the ramp") << 1.0 << 4 << qint64(6) << qint64(10) << 0.75;
    QTest::newRow("before the ramp") << 1.0 << 4 << qint64(5) << qint64(10) << 1.0;
    QTest::newRow("after the end") << 1.0 << 4 << qint64(10) << qint64(10) << 0.0;
    QTest::newRow("halfway") << 2.0 << 44100 << qint64(44099) << qint64(88200) << 0.5;
    QTest::newRow("ramp longer than the output") << 10.0 << 4 << qint64(0) << qint64(5) << 0.1;
}

// The fade-in backwards: the same levels counted from the end.
void TestShaping::fadeOutRamp()
{
    QFETCH(double, seconds);
    QFETCH(int, rate);
    QFETCH(qint64, index);
    QFETCH(qint64, end);
    QFETCH(double, level);

    const shaping::FadeOut fade(seconds, rate);
    QCOMPARE(fade.levelAt(index, end), level);
    if (seconds > 0 && index < end)
        QCOMPARE(fade.levelAt(index, end), shaping::FadeIn(seconds, rate).levelAt(end - 1 - index));
    float left = 1.0f;
    float right = -1.0f;
    float *planes[] = {&left, &right};
    fade.apply(planes, 2, 1, index, end);
    QCOMPARE(left, float(level));
    QCOMPARE(right, -float(level));
}

void TestShaping::truePeakSideBySide_data()
{
    QTest::addColumn<bool>("noise");
    QTest::addColumn<double>("level");
    QTest::addColumn<float>("limit");

    QTest::newRow("noise, every estimate exact") << true << 0.9 << 0.0f;
    QTest::newRow("noise near the limit") << true << 0.6 << 0.8f;
    QTest::newRow("quiet noise, under the limit") << true << 0.2 << 0.8f;
    QTest::newRow("tone near the limit") << false << 0.85 << 0.8f;
}

// Eight intervals at a time give what one at a time gives wherever that passes the limit, to the
// bit, and stay under the limit elsewhere; the meter over a whole signal finds the largest.
void TestShaping::truePeakSideBySide()
{
    QFETCH(bool, noise);
    QFETCH(double, level);
    QFETCH(float, limit);

    const int frames = 4099; // not a whole number of eights
    const auto in = signal(noise, level, frames);
    const std::vector<float> &samples = in[0];
    const shaping::TruePeak truePeak;
    const int count = frames - shaping::TruePeak::Window + 1;
    std::vector<float> peaks(static_cast<size_t>(count));
    truePeak.run(samples.data(), count, limit, peaks.data());
    float largest = 0;
    for (int j = 0; j < count; ++j) {
        const float one = truePeak.between(samples.data() + j, limit);
        largest = std::max(largest, one);
        if (one > limit)
            QCOMPARE(peaks[size_t(j)], one);
        else
            QVERIFY2(peaks[size_t(j)] <= limit, qPrintable(QString::number(j)));
    }
    // The meter also reads the intervals at both ends, against the silence around the signal.
    shaping::PeakMeter meter(1, limit);
    const float *plane[] = {samples.data()};
    meter.add(plane, 1000);
    plane[0] += 1000;
    meter.add(plane, frames - 1000);
    const float measured = meter.peak();
    if (largest > limit)
        QVERIFY(measured >= largest);
    else
        QVERIFY(measured <= limit);
}

void TestShaping::limiterKeepsOrLimits_data()
{
    QTest::addColumn<bool>("noise");
    QTest::addColumn<double>("level");
    QTest::addColumn<double>("gain");
    QTest::addColumn<bool>("exact");

    QTest::newRow("quiet tone, unchanged") << false << 0.5 << 1.0 << true;
    QTest::newRow("quiet tone, 1.7x, still under") << false << 0.5 << 1.7 << true;
    QTest::newRow("quiet noise, twice") << true << 0.2 << 2.0 << true;
    QTest::newRow("full-scale tone, unchanged") << false << 1.0 << 1.0 << false;
    QTest::newRow("full-scale noise, 5x") << true << 1.0 << 5.0 << false;
    QTest::newRow("silence, 5x") << true << 0.0 << 5.0 << true;
}

// Every frame comes out, in calls of any size alike; under the ceiling as input x gain, over
// it never above the ceiling and with both channels scaled alike.
void TestShaping::limiterKeepsOrLimits()
{
    QFETCH(bool, noise);
    QFETCH(double, level);
    QFETCH(double, gain);
    QFETCH(bool, exact);

    const int frames = Rate / 2;
    const auto in = signal(noise, level, frames);
    const auto out = limited(in, gain, 4096);
    QCOMPARE(out[0].size(), size_t(frames));
    QVERIFY(limited(in, gain, 1) == out);
    QVERIFY(limited(in, gain, 333) == out);
    for (int i = 0; i < frames; ++i) {
        const float wanted[2] = {float(in[0][size_t(i)] * gain), float(in[1][size_t(i)] * gain)};
        if (exact) {
            QCOMPARE(out[0][size_t(i)], wanted[0]);
            QCOMPARE(out[1][size_t(i)], wanted[1]);
            continue;
        }
        QVERIFY(std::abs(out[0][size_t(i)]) <= shaping::Limiter::Ceiling);
        if (std::abs(wanted[0]) > 0.01f && std::abs(wanted[1]) > 0.01f) {
            const float left = out[0][size_t(i)] / wanted[0];
            const float right = out[1][size_t(i)] / wanted[1];
            QVERIFY2(std::abs(left - right) < 1e-5f, qPrintable(QString::number(i)));
        }
    }
}

// A steady full-scale tone at 5x: from one attack time after its start on, one steady gain
// holds it just under the ceiling.
void TestShaping::limiterSettlesWithinItsAttack()
{
    const int frames = Rate / 4;
    const auto in = signal(false, 1.0, frames);
    const auto out = limited(in, 5.0, 512);
    const int attack = shaping::Limiter(2, Rate, 5.0).attack();
    QVERIFY(attack >= Rate / 1000 && attack <= Rate / 100);
    double steady = 0;
    float peak = 0;
    // The tone's abrupt end is a transient of its own, which the look-ahead meets early.
    for (int i = attack; i < frames - 2 * attack; ++i) {
        peak = std::max(peak, std::abs(out[0][size_t(i)]));
        if (std::abs(in[0][size_t(i)]) < 0.1f)
            continue;
        const double gain = out[0][size_t(i)] / (5.0 * in[0][size_t(i)]);
        if (steady == 0)
            steady = gain;
        QVERIFY2(std::abs(gain - steady) < 1e-5, qPrintable(QString::number(i)));
    }
    QVERIFY(peak <= shaping::Limiter::Ceiling && peak > 0.95 * shaping::Limiter::Ceiling);
}

QTEST_APPLESS_MAIN(TestShaping)
#include "tst_shaping.moc"
