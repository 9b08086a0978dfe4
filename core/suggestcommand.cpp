#include "suggestcommand.h"

#include "analysis/suggest.h"
#include "core/commandline.h"
#include "core/decodefolder.h"
#include "media/avconverter.h"
#include "media/inputcheck.h"
#include "media/mediaprobe.h"
#include "media/ringtonepaths.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>
#include <string>

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

// The whole file as a WAV in the decode folder, as the window has it decoded for the waveform;
// empty when the encoder could not decode it.
QString decodeWholeFile(const QString &file)
{
    CAVConverter decoder;
    decoder.setInput(QDir::toNativeSeparators(file));
    decoder.setOutput(decodeWavPath(file, decodeFolder()));
    QEventLoop loop;
    QObject::connect(&decoder, &CAVConverter::finished, &loop, &QEventLoop::quit);
    decoder.start(CAVConverter::Decode);
    loop.exec();
    if (decoder.succeeded())
        return decoder.output();
    QFile::remove(decoder.output());
    return QString();
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
    const QString wav = decodeWholeFile(command.file);
    if (wav.isEmpty()) {
        removeDecodeFolder();
        return fail(command.file, QStringLiteral("its audio could not be decoded"));
    }
    analysis::Features features;
    std::string error;
    const bool read
            = analysis::readWavFeatures(QFile::encodeName(wav).toStdString(), features, error);
    removeDecodeFolder();
    if (!read)
        return fail(command.file, QString::fromStdString(error));
    printSuggestions(analysis::suggest(features, command.suggestLength, command.suggestCount));
    return 0;
}
