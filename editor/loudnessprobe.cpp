#include "loudnessprobe.h"

#include "core/decodefolder.h"
#include "media/loudness.h"

#include <QDir>
#include <QtConcurrent>

LoudnessProbe::LoudnessProbe(QObject *parent)
    : QObject(parent)
{
    connect(&m_decoder, &CAVConverter::finished, this, &LoudnessProbe::onDecoded);
    connect(&m_watcher, &QFutureWatcher<double>::finished, this, [this] {
        m_busy = false;
        // A clip changed while this one was measured: only the newest counts.
        if (m_pending)
            startPending();
        else
            emit measured(m_watcher.result());
    });
}

LoudnessProbe::~LoudnessProbe()
{
    m_watcher.waitForFinished();
}

void LoudnessProbe::measure(const QString &input, double begin, double length)
{
    m_input = input;
    m_begin = begin;
    m_length = length;
    m_pending = true;
    if (!m_busy)
        startPending();
}

void LoudnessProbe::startPending()
{
    m_pending = false;
    m_busy = true;
    m_decoder.reset();
    m_decoder.setInput(m_input);
    m_decoder.addStart(m_begin);
    m_decoder.addLength(m_length);
    m_decoder.setOutput(QDir(decodeFolder()).filePath(QStringLiteral("loudness.wav")));
    m_decoder.start(CAVConverter::Decode);
}

void LoudnessProbe::onDecoded()
{
    if (m_pending) {
        startPending();
        return;
    }
    const QString wav = m_decoder.output();
    m_watcher.setFuture(QtConcurrent::run([wav] {
        const double loudness = integratedLoudness(wav);
        QFile::remove(wav);
        return loudness;
    }));
}
