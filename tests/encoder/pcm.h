#ifndef TESTS_ENCODER_PCM_H
#define TESTS_ENCODER_PCM_H

#include <QString>
#include <QStringList>
#include <QVector>

// Fixtures and measurements through the Debian tools, called by absolute path because the
// encoder under test is also named ffmpeg.
namespace Pcm {

struct Run
{
    int exitCode = -1;
    QByteArray errorOutput;
};

// Runs program with arguments and returns its exit code and standard error.
Run run(const QString &program, const QStringList &arguments);
// Makes a fixture with the Debian tool; true on success.
bool make(const QStringList &arguments);
// Decoded interleaved 16-bit samples of any media file, at its own rate and channels.
QVector<qint16> decode(const QString &path);
// True peak in dBFS, as the reference tool's loudness meter measures it (4x oversampled).
double truePeak(const QString &path);
// One ffprobe entry ("format=duration", "stream=codec_name", ...) of the first audio stream.
QString probe(const QString &path, const QString &entry);

} // namespace Pcm

#endif
