#include "suggestcommand.h"

#include "analysis/features.h"
#include "analysis/suggest.h"
#include "analysis/wavstream.h"
#include "core/commandline.h"
#include "media/inputcheck.h"
#include "media/mediaprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcessEnvironment>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

QString refusalText(const InputCheck &check)
{
    switch (check.verdict) {
    case InputCheck::NotAFile:
        return QStringLiteral("not a file");
    case InputCheck::Unreadable:
        return QStringLiteral("cannot be read: %1").arg(check.reason);
    case InputCheck::NotMedia:
        return QStringLiteral("not an audio or video file");
    case InputCheck::NoAudio:
        return QStringLiteral("has no audio track");
    case InputCheck::TooShort:
    case InputCheck::Accepted:
        break;
    }
    return QStringLiteral("lasts half a second or less");
}

int fail(const QString &file, const QString &why)
{
    std::fprintf(stderr,
                 "vardel: %s: %s\n",
                 QFileInfo(file).fileName().toLocal8Bit().constData(),
                 why.toLocal8Bit().constData());
    return 1;
}

// The encoder with the window's decode arguments, writing its WAV into a pipe instead of a
// file; its progress lines are not wanted. -1 when it cannot be started.
pid_t startDecoder(const QString &file, int &readEnd)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    const QByteArray program
            = QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg"));
    const QByteArray input = QFile::encodeName(QDir::toNativeSeparators(file));
    std::vector<QByteArray> args
            = {program, "-y", "-i", input, "-vn", "-ab", "192K", "-ac", "2", "-ar", "44100", "-"};
    std::vector<char *> argv;
    for (QByteArray &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    // The encoder checks that its parent is still this process once it watches for its death.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VARDEL_PARENT_PID"),
                       QString::number(QCoreApplication::applicationPid()));
    std::vector<QByteArray> pairs;
    for (const QString &pair : environment.toStringList())
        pairs.push_back(pair.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &pair : pairs)
        envp.push_back(pair.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (pid < 0)
        close(fds[0]);
    readEnd = fds[0];
    return pid;
}

// The song's features, read from the encoder's WAV as it is decoded: nothing of the file's
// size is ever written to disk. Empty when all went well, else why not.
QString streamFeatures(const QString &file, analysis::Features &features)
{
    const QString undecodable = QStringLiteral("its audio could not be decoded");
    int readEnd = -1;
    const pid_t pid = startDecoder(file, readEnd);
    if (pid < 0)
        return undecodable;
    std::FILE *stream = fdopen(readEnd, "rb");
    if (!stream)
        close(readEnd);
    analysis::WavStream wav;
    bool read = stream && wav.open(stream, "the decoded audio");
    if (read) {
        analysis::FeatureExtractor extractor(wav.sampleRate());
        std::vector<float> block(16384);
        while (const size_t got = wav.readMono(block.data(), block.size()))
            extractor.add(block.data(), got);
        read = wav.error().empty();
        features = extractor.finish();
    }
    // A reader that stopped early must not leave the encoder blocked on a full pipe.
    if (!read)
        kill(pid, SIGTERM);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    const bool decoded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!decoded)
        return undecodable;
    return read ? QString() : QString::fromStdString(wav.error());
}

void printSuggestions(const std::vector<analysis::Suggestion> &suggestions)
{
    for (const analysis::Suggestion &s : suggestions)
        std::printf("%.3f %.3f %.3f\n", s.start, s.end, s.score);
    std::fflush(stdout);
}

} // namespace

int runSuggestCommand(const CommandLine &command)
{
    // The encoder's progress traces would bury the one line a failure owes.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    CMediaProbe::silenceLibrary();
    const InputCheck check = checkInput(command.file);
    if (check.verdict != InputCheck::Accepted)
        return fail(command.file, refusalText(check));
    analysis::Features features;
    const QString why = streamFeatures(command.file, features);
    if (!why.isEmpty())
        return fail(command.file, why);
    printSuggestions(analysis::suggest(features, command.suggestLength, command.suggestCount));
    return 0;
}
