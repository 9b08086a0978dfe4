#ifndef LOUDNESSPROBE_H
#define LOUDNESSPROBE_H

#include "media/avconverter.h"

#include <QFutureWatcher>
#include <QObject>

// Measures a clip's integrated loudness away from the GUI thread: the encoder decodes the clip
// to a WAV in the process's decode folder, a pool thread measures and removes it. A newer request
// makes an older one's result go unreported.
class LoudnessProbe : public QObject
{
    Q_OBJECT

public:
    explicit LoudnessProbe(QObject *parent = nullptr);
    ~LoudnessProbe() override;

    void measure(const QString &input, double begin, double length);

signals:
    // LUFS; NaN when the clip could not be measured.
    void measured(double loudness);

private:
    void onDecoded();
    void startPending();

    CAVConverter m_decoder;
    QFutureWatcher<double> m_watcher;
    bool m_busy = false;
    // The latest request, waiting for the decoder: input, begin and length.
    QString m_input;
    double m_begin = 0;
    double m_length = 0;
    bool m_pending = false;
};

#endif
