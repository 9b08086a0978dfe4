#ifndef CLIPLOUDNESS_H
#define CLIPLOUDNESS_H

#include "media/loudnessblocks.h"
#include "media/wavesummary.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

// The loudness of the clip as the ringtone made of it measures. Where the gained clip stays
// clear of the limiter it follows from the file's loudness blocks at once; where the limiter
// would take peaks off, the clip's samples go through the encoder's limiter and a meter away
// from the GUI thread, once the edits settle. Only the newest request is reported.
class ClipLoudness : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClipLoudness)

public:
    // The ringtone's limiter ceiling: -1 dBFS with the room the encoder leaves for AAC.
    static constexpr double RingtoneCeiling = 0.89125093813374556 * 0.8413951416451951;

    explicit ClipLoudness(QObject *parent = nullptr);
    ~ClipLoudness() override;

    void setSource(const QString &wavPath,
                   std::shared_ptr<const LoudnessBlocks> blocks,
                   std::shared_ptr<const CWaveSummary> summary);
    void clear();
    bool hasSource() const { return bool(m_blocks); }

    // LUFS of the clip at unchanged volume before any limiter; NaN without blocks.
    double plain(qint64 beginMs, qint64 endMs) const;
    // True when the limiter cannot touch the clip at this gain.
    bool untouched(qint64 beginMs, qint64 endMs, double gain) const;
    // measured() follows: at once where the limiter leaves the clip untouched.
    void measure(qint64 beginMs, qint64 endMs, double gain);

signals:
    // LUFS of the ringtone at `gain`; NaN when it could not be measured.
    void measured(double loudness, double gain);

private:
    void startPending();
    void onLimited(double loudness, double gain, int generation);

    QString m_wav;
    std::shared_ptr<const LoudnessBlocks> m_blocks;
    std::shared_ptr<const CWaveSummary> m_summary;
    QTimer m_settle;
    qint64 m_begin = 0;
    qint64 m_end = 0;
    double m_gain = 1.0;
    bool m_busy = false;
    bool m_pending = false;
    int m_generation = 0;
};

#endif
