#ifndef TESTS_SUPPORT_MEDIATOOL_H
#define TESTS_SUPPORT_MEDIATOOL_H

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

// Fixtures and measurements through the distribution's ffmpeg and ffprobe, called by absolute
// path because the program's own encoder is also named ffmpeg. Fixtures never come from the
// program's encoder, so a fault there cannot hide in its own test data.
namespace MediaTool {

struct Run
{
    int exitCode = -1;
    QByteArray errorOutput;
};

// Runs program with arguments and returns its exit code and standard error.
Run run(const QString &program, const QStringList &arguments);
// Makes a fixture: ffmpeg quiet and overwriting, with the arguments (output last); true on
// success, else the tool's complaint goes to the test log.
bool make(const QStringList &arguments);
// Makes a video of a test picture (MPEG-4) with a tone (AAC) that lasts soundSeconds, or no
// sound at all for 0; true on success.
bool makeVideo(const QString &path, double pictureSeconds, double soundSeconds);
// Waits for a started process and returns its exit code and standard error.
Run finish(QProcess &process);
// Decoded interleaved 16-bit samples of any media file, at its own rate and, unless a count is
// given, its own channels.
QVector<qint16> decode(const QString &path, int channels = 0);
// True peak in dBFS, as the reference tool's loudness meter measures it (4x oversampled).
double truePeak(const QString &path);
// One ffprobe entry ("format=duration", "stream=codec_name", ...) of the first audio stream.
QString probe(const QString &path, const QString &entry);

} // namespace MediaTool

#endif
