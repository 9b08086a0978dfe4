#include "fileintake.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent>

FileIntake::FileIntake(QObject *parent)
    : QObject(parent)
{ }

FileIntake::~FileIntake()
{
    forget();
}

void FileIntake::forget()
{
    ++m_generation;
    if (!m_wav.isEmpty())
        QFile::remove(m_wav);
    m_wav.clear();
}

// The pool's work holds nothing of this object, so an unfinished one may outlive it; a WAV
// removed while it is read stays readable to the reader that has it open.
void FileIntake::read(const QString &wavPath, QSize pixels)
{
    if (wavPath != m_wav)
        forget();
    m_wav = wavPath;
    auto *watcher = new QFutureWatcher<WavIntake>(this);
    connect(watcher,
            &QFutureWatcher<WavIntake>::finished,
            this,
            [this, watcher, generation = ++m_generation] {
                watcher->deleteLater();
                if (generation == m_generation)
                    emit ready(watcher->result());
            });
    watcher->setFuture(QtConcurrent::run(readWavIntake, wavPath, pixels));
}
