#include "cliploudness.h"

#include "media/loudness.h"
#include "shaping/truepeak.h"

#include <QFutureWatcher>
#include <QtConcurrent>

#include <cmath>
#include <limits>

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
// A clip the limiter changes is measured once the edits have paused this long.
constexpr int settleMs = 300;

// No sample under this magnitude, gained, can make the limiter act: its true-peak estimate
// exceeds the samples it reads by at most the estimate's bound, and it aims a little under
// the ceiling.
double loudestUntouched()
{
    static const double bound = double(shaping::TruePeak().bound());
    return ClipLoudness::RingtoneCeiling * std::pow(10.0, -0.25 / 20.0) / bound;
}

} // namespace

ClipLoudness::ClipLoudness(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (!m_busy)
            startPending();
    });
}

ClipLoudness::~ClipLoudness() = default;

void ClipLoudness::setSource(const QString &wavPath,
                             std::shared_ptr<const LoudnessBlocks> blocks,
                             std::shared_ptr<const CWaveSummary> summary)
{
    clear();
    m_wav = wavPath;
    m_blocks = std::move(blocks);
    m_summary = std::move(summary);
}

void ClipLoudness::clear()
{
    ++m_generation;
    m_settle.stop();
    m_pending = false;
    m_busy = false;
    m_wav.clear();
    m_blocks.reset();
    m_summary.reset();
}

double ClipLoudness::plain(qint64 beginMs, qint64 endMs) const
{
    return m_blocks ? m_blocks->loudness(beginMs, endMs) : notANumber;
}

bool ClipLoudness::untouched(qint64 beginMs, qint64 endMs, double gain) const
{
    if (!m_summary)
        return false;
    const double peak = m_summary->peak(beginMs / 1000.0, endMs / 1000.0) / 32768.0;
    return peak * gain < loudestUntouched();
}

void ClipLoudness::measure(qint64 beginMs, qint64 endMs, double gain)
{
    if (!m_blocks) {
        emit measured(notANumber, gain);
        return;
    }
    if (untouched(beginMs, endMs, gain)) {
        ++m_generation; // an older limited measurement is stale now
        m_settle.stop();
        m_pending = false;
        m_busy = false;
        emit measured(plain(beginMs, endMs) + 20.0 * std::log10(gain), gain);
        return;
    }
    m_begin = beginMs;
    m_end = endMs;
    m_gain = gain;
    m_pending = true;
    m_settle.start();
}

void ClipLoudness::startPending()
{
    if (!m_pending)
        return;
    m_pending = false;
    m_busy = true;
    const double rate = m_blocks->sampleRate();
    const qint64 first = std::llround(m_begin * rate / 1000.0);
    const qint64 frames = std::llround((m_end - m_begin) * rate / 1000.0);
    auto *watcher = new QFutureWatcher<double>(this);
    connect(watcher,
            &QFutureWatcher<double>::finished,
            this,
            [this, watcher, gain = m_gain, generation = m_generation] {
                watcher->deleteLater();
                onLimited(watcher->result(), gain, generation);
            });
    watcher->setFuture(
            QtConcurrent::run(limitedLoudness, m_wav, first, frames, m_gain, RingtoneCeiling));
}

void ClipLoudness::onLimited(double loudness, double gain, int generation)
{
    if (generation != m_generation)
        return;
    m_busy = false;
    // The clip changed while this one was measured: only the newest counts.
    if (m_pending) {
        if (!m_settle.isActive())
            startPending();
        return;
    }
    emit measured(loudness, gain);
}
