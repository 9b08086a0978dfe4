#include "analysis/features.h"
#include "analysis/onsets.h"
#include "analysis/sections.h"
#include "analysis/selfsimilarity.h"
#include "analysis/suggest.h"
#include "balladmaker.h"
#include "dancemaker.h"
#include "songmaker.h"

#include <QTest>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int Rate = 22050;

analysis::Features featuresOf(const songmaker::Song &song)
{
    analysis::FeatureExtractor extractor(song.sampleRate);
    constexpr size_t Piece = 4096;
    for (size_t at = 0; at < song.samples.size(); at += Piece)
        extractor.add(song.samples.data() + at, std::min(Piece, song.samples.size() - at));
    return extractor.finish();
}

// Silence with a short burst of noise at each given time, of the given level.
std::vector<float> clicks(int rate, double seconds, const std::vector<std::pair<double, float>> &at)
{
    std::vector<float> samples(size_t(seconds * rate), 0.0f);
    std::mt19937 random(5);
    std::uniform_real_distribution<float> white(-1.0f, 1.0f);
    for (const auto &[time, level] : at)
        for (size_t i = 0; i < size_t(0.03 * rate); ++i)
            samples[size_t(time * rate) + i]
                    = level * white(random) * float(std::exp(-double(i) / (0.005 * rate)));
    return samples;
}

std::vector<float> onsetsOf(int rate, const std::vector<float> &samples, size_t piece)
{
    analysis::OnsetTrack track(rate);
    for (size_t at = 0; at < samples.size(); at += piece)
        track.add(samples.data() + at, std::min(piece, samples.size() - at));
    return track.finish();
}

double nearestChorusStart(const songmaker::Song &song, double time)
{
    double nearest = 1e9;
    for (const songmaker::Section &s : song.sections)
        if (s.name == "chorus" && std::fabs(s.start - time) < std::fabs(nearest - time))
            nearest = s.start;
    return nearest;
}

analysis::Chroma randomChroma(std::mt19937 &random)
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    analysis::Chroma c;
    float norm = 0.0f;
    for (float &v : c) {
        v = unit(random) < 0.3f ? unit(random) : 0.05f * unit(random);
        norm += v * v;
    }
    for (float &v : c)
        v /= std::sqrt(norm);
    return c;
}

} // namespace

class TestSections : public QObject
{
    Q_OBJECT

private slots:
    void snap_data();
    void snap();
    void onsetsKeepTime_data();
    void onsetsKeepTime();
    void boundariesOfPlan();
    void chorusStart_data();
    void chorusStart();
};

void TestSections::snap_data()
{
    QTest::addColumn<double>("boundary");
    QTest::addColumn<QList<double>>("times");
    QTest::addColumn<QList<double>>("levels");
    QTest::addColumn<double>("expected");

    QTest::newRow("hit 0.3 s after") << 10.0 << QList<double> {10.3} << QList<double> {0.8} << 10.3;
    QTest::newRow("hit 0.4 s before") << 10.0 << QList<double> {9.6} << QList<double> {0.8} << 9.6;
    QTest::newRow("nothing within reach")
            << 10.0 << QList<double> {8.0, 12.0} << QList<double> {0.8, 0.8} << 10.0;
    QTest::newRow("strong hit beats a faint nearer one")
            << 10.0 << QList<double> {10.1, 10.45} << QList<double> {0.02, 0.8} << 10.45;
    QTest::newRow("of two like hits, the nearer")
            << 10.0 << QList<double> {9.5, 10.2} << QList<double> {0.8, 0.8} << 10.2;
}

// A section's start moves to the attack of its first note, never into a note or to silence.
void TestSections::snap()
{
    QFETCH(double, boundary);
    QFETCH(QList<double>, times);
    QFETCH(QList<double>, levels);
    QFETCH(double, expected);
    std::vector<std::pair<double, float>> at;
    for (int i = 0; i < times.size(); ++i)
        at.emplace_back(times[i], float(levels[i]));
    const std::vector<float> onset = onsetsOf(11025, clicks(11025, 20.0, at), 4096);
    const double snapped = analysis::snapToOnset(onset, boundary, 0.6);
    // The clip starts up to a few hundredths before the attack, never after it.
    QVERIFY2(snapped <= expected + 0.005 && snapped >= expected - 0.05,
             qPrintable(QString::number(snapped)));
}

void TestSections::onsetsKeepTime_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("piece");

    // 11025 and 12000 are the rates the extractor lowers 44.1 and 48 kHz to; 11025 is no
    // whole number of samples per value.
    QTest::newRow("11025 Hz, large pieces") << 11025 << 65536;
    QTest::newRow("11025 Hz, odd pieces") << 11025 << 777;
    QTest::newRow("12000 Hz") << 12000 << 4096;
}

// Over a long stream the values stay on their times: a hit near the end of ten minutes shows
// where it is, and any cutting into pieces gives the same values.
void TestSections::onsetsKeepTime()
{
    QFETCH(int, rate);
    QFETCH(int, piece);
    const double seconds = 600.0, hit = 599.5;
    const std::vector<float> samples = clicks(rate, seconds, {{hit, 0.8f}});
    const std::vector<float> onset = onsetsOf(rate, samples, size_t(piece));
    QVERIFY(std::abs(int(onset.size()) - int(seconds * analysis::OnsetTrack::PerSecond)) <= 1);
    const auto peak = std::max_element(onset.begin(), onset.end()) - onset.begin();
    QVERIFY2(std::abs(double(peak) / analysis::OnsetTrack::PerSecond - hit) <= 0.02,
             qPrintable(QString::number(peak)));
    QCOMPARE(onsetsOf(rate, samples, 100000), onset);
}

// Passages in the plan A B A C B A, each of 20 frames: the sections begin where the passages
// do, give or take the smoothing.
void TestSections::boundariesOfPlan()
{
    std::mt19937 random(3);
    std::vector<std::vector<analysis::Chroma>> passages(3);
    for (auto &p : passages)
        for (int i = 0; i < 20; ++i)
            p.push_back(randomChroma(random));
    std::vector<analysis::Chroma> sequence;
    for (int which : {0, 1, 0, 2, 1, 0})
        sequence.insert(
                sequence.end(), passages[size_t(which)].begin(), passages[size_t(which)].end());
    const analysis::SimilarityMatrix matrix(sequence, 3, 0.1);
    const std::vector<float> change = analysis::repetitionNovelty(matrix, 8, 3);
    const std::vector<int> found = analysis::boundaries(change, 10, 0.0f);
    for (int start : {20, 40, 60, 80, 100}) {
        const bool near = std::any_of(
                found.begin(), found.end(), [start](int b) { return std::abs(b - start) <= 2; });
        QVERIFY2(near, qPrintable(QStringLiteral("no boundary near %1").arg(start)));
    }
    // Passage A, heard three times, comes back more often than C, heard once.
    const std::vector<float> count = analysis::repetitionCount(matrix, 3);
    QVERIFY(count[105] > count[65] + 0.5f);
}

void TestSections::chorusStart_data()
{
    QTest::addColumn<int>("maker");
    QTest::addColumn<uint>("seed");

    QTest::newRow("first maker, 2 choruses") << 0 << 503u;
    QTest::newRow("first maker, 3 choruses") << 0 << 505u;
    QTest::newRow("ballad, double chorus at the end") << 1 << 502u;
    QTest::newRow("dance track, 16-bar drops") << 2 << 501u;
    QTest::newRow("dance track, build louder than the drop") << 2 << 504u;
}

// On songs the benchmark never measures, the first suggestion starts where a chorus starts,
// not in the verse before it.
void TestSections::chorusStart()
{
    QFETCH(int, maker);
    QFETCH(uint, seed);
    const songmaker::Song song = maker == 0 ? songmaker::makeSong(seed, Rate)
            : maker == 1                    ? balladmaker::makeSong(seed, Rate)
                                            : dancemaker::makeSong(seed, Rate);
    const auto found = analysis::suggest(featuresOf(song), 30.0, 3);
    QVERIFY(!found.empty());
    QCOMPARE(int(found[0].rule), int(analysis::Rule::Repetition));
    const double chorus = nearestChorusStart(song, found[0].start);
    QVERIFY2(std::fabs(found[0].start - chorus) <= 2.0,
             qPrintable(QStringLiteral("%1: starts at %2, the chorus at %3")
                                .arg(QString::fromStdString(song.description))
                                .arg(found[0].start)
                                .arg(chorus)));
}

QTEST_APPLESS_MAIN(TestSections)
#include "tst_sections.moc"
