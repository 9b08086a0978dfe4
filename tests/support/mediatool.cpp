#include "mediatool.h"

#include <QDebug>

#include <QProcess>
#include <QRegularExpression>

namespace MediaTool {

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return finish(process);
}

Run finish(QProcess &process)
{
    Run result;
    if (!process.waitForFinished(120000))
        return result;
    result.errorOutput = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

bool make(const QStringList &arguments)
{
    const Run tool = run(QStringLiteral("/usr/bin/ffmpeg"),
                         QStringList {"-v", "error", "-nostdin", "-y"} + arguments);
    if (tool.exitCode != 0)
        qWarning().noquote() << "ffmpeg could not make" << arguments.last() << tool.errorOutput;
    return tool.exitCode == 0;
}

bool makeVideo(const QString &path, double pictureSeconds, double soundSeconds)
{
    QStringList arguments {
            "-f", "lavfi", "-i", QStringLiteral("testsrc=d=%1:s=160x120:r=10").arg(pictureSeconds)};
    if (soundSeconds > 0)
        arguments << "-f"
                  << "lavfi"
                  << "-i" << QStringLiteral("sine=d=%1").arg(soundSeconds) << "-c:a"
                  << "aac";
    return make(arguments << "-c:v"
                          << "mpeg4" << path);
}

QVector<qint16> decode(const QString &path, int channels)
{
    QStringList arguments {"-v", "error", "-nostdin", "-i", path, "-f", "s16le"};
    if (channels > 0)
        arguments << "-ac" << QString::number(channels);
    arguments << "-acodec"
              << "pcm_s16le"
              << "-";
    QProcess process;
    process.start(QStringLiteral("/usr/bin/ffmpeg"), arguments);
    process.waitForFinished(120000);
    const QByteArray bytes = process.readAllStandardOutput();
    QVector<qint16> samples(bytes.size() / 2);
    memcpy(samples.data(), bytes.constData(), size_t(samples.size()) * 2);
    return samples;
}

double truePeak(const QString &path)
{
    QProcess process;
    process.start(
            QStringLiteral("/usr/bin/ffmpeg"),
            {"-nostats", "-nostdin", "-i", path, "-af", "ebur128=peak=true", "-f", "null", "-"});
    process.waitForFinished(120000);
    const QString text = QString::fromUtf8(process.readAllStandardError());
    const QRegularExpression peak(QStringLiteral(R"(True peak:\s+Peak:\s+(-?[\d.]+|-inf) dBFS)"));
    const QRegularExpressionMatch match = peak.match(text);
    if (!match.hasMatch())
        return 1000.0;
    return match.captured(1) == QLatin1String("-inf") ? -1000.0 : match.captured(1).toDouble();
}

QString probe(const QString &path, const QString &entry)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/ffprobe"),
                  {"-v",
                   "error",
                   "-select_streams",
                   "a:0",
                   "-show_entries",
                   entry,
                   "-of",
                   "default=noprint_wrappers=1:nokey=1",
                   path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace MediaTool
