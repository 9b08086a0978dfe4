#include "avconverter.h"
#include "timinglog.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QTimer>

namespace {

// Up to 6 decimals without trailing zeros, C locale: 12.5, 0.333333, 1234.567. A clip placed
// to the millisecond reaches the encoder as placed, however long the file.
QString secondsText(double seconds)
{
    QString text = QString::number(seconds, 'f', 6);
    if (!text.contains(QLatin1Char('.')))
        return text;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

int readCount = 0;

} // namespace

CAVConverter::CAVConverter()
{
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &CAVConverter::onStdoutReady);
    connect(&m_process, &QProcess::readyReadStandardError, this, &CAVConverter::onStdoutReady);
    connect(&m_process, &QProcess::finished, this, &CAVConverter::onProcessFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &CAVConverter::onProcessError);
}

CAVConverter::~CAVConverter()
{
    // A running encoder is asked to stop first, so that it removes its unfinished file; a kill
    // would leave it behind. The owner is being destroyed too, so nothing is reported.
    if (m_process.state() == QProcess::NotRunning)
        return;
    disconnect(&m_process, nullptr, this, nullptr);
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
}

void CAVConverter::reset()
{
    m_inputOptions.clear();
    m_outputOptions.clear();
    m_inputFile.clear();
    m_outputFile.clear();
}

void CAVConverter::setInput(const QString &path)
{
    m_inputFile = path;
}

void CAVConverter::setOutput(const QString &path)
{
    m_outputFile = QDir::toNativeSeparators(path);
}

void CAVConverter::addStart(double seconds)
{
    m_inputOptions << QStringLiteral("-ss") << secondsText(seconds);
}

void CAVConverter::addLength(double seconds)
{
    m_inputOptions << QStringLiteral("-t") << secondsText(seconds);
}

void CAVConverter::addVolume(int volume)
{
    m_outputOptions << QStringLiteral("-vol") << QStringLiteral("%1").arg(volume);
}

void CAVConverter::addFadeIn(int fadeIn)
{
    m_outputOptions << QStringLiteral("-fadein") << QStringLiteral("%1").arg(fadeIn);
}

void CAVConverter::addFadeOut(int fadeOut)
{
    m_outputOptions << QStringLiteral("-fadeout") << QStringLiteral("%1").arg(fadeOut);
}

void CAVConverter::addTitle(const QString &title)
{
    m_outputOptions << QStringLiteral("-metadata") << QStringLiteral("title=") + title;
}

QString CAVConverter::program() const
{
    if (!m_program.isEmpty())
        return m_program;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg");
}

void CAVConverter::start(int type)
{
    m_encodedTime = 0.0;
    m_jobType = type;
    if (m_process.state() == QProcess::NotRunning)
        m_succeeded = false;
    QStringList arguments = m_inputOptions;
    arguments << QStringLiteral("-y") << QStringLiteral("-i") << m_inputFile;
    arguments << m_outputOptions;
    arguments << QStringLiteral("-vn") << QStringLiteral("-ab") << QStringLiteral("192K")
              << QStringLiteral("-ac") << QStringLiteral("2") << QStringLiteral("-ar")
              << QStringLiteral("44100") << m_outputFile;
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // The encoder checks that its parent is still this process once it can watch for its death.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VARDEL_PARENT_PID"),
                       QString::number(QCoreApplication::applicationPid()));
    m_process.setProcessEnvironment(environment);
    m_started = true;
    m_process.start(program(), arguments, QIODevice::ReadWrite);
}

void CAVConverter::cancel()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    const qint64 pid = m_process.processId();
    QTimer::singleShot(5000, this, [this, pid] {
        if (m_process.state() != QProcess::NotRunning && m_process.processId() == pid)
            m_process.kill();
    });
}

void CAVConverter::onStdoutReady()
{
    ++readCount;
    char buffer[256];
    const qint64 length = m_process.read(buffer, sizeof buffer);
    QByteArrayView text(buffer, length > 0 ? length : 0);
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0)
        text = text.first(zero);
    const QByteArrayView key("time=");
    const qsizetype at = text.indexOf(key);
    if (at >= 0) {
        const qsizetype from = at + key.size();
        const qsizetype space = text.indexOf(' ', from);
        if (space >= 0)
            m_encodedTime = QString::fromLatin1(text.sliced(from, space - from)).toDouble();
    }
    qCDebug(vardelTiming).noquote() << QStringLiteral("read %1: %2 bytes, time=%3")
                                               .arg(readCount)
                                               .arg(length)
                                               .arg(m_encodedTime, 0, 'g', -1);
}

void CAVConverter::onProcessFinished(int exitCode, QProcess::ExitStatus status)
{
    m_succeeded = status == QProcess::NormalExit && exitCode == 0;
    emit finished();
}

void CAVConverter::onProcessError(QProcess::ProcessError error)
{
    // A program that never started sends no finished(); the caller still waits for one.
    // Queued, so that the caller's start() has returned before it hears of the end.
    if (error == QProcess::FailedToStart) {
        m_succeeded = false;
        m_started = false;
        QMetaObject::invokeMethod(this, &CAVConverter::finished, Qt::QueuedConnection);
    }
}
