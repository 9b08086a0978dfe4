#include "commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

#include <cmath>

namespace {

// Options that QApplication takes out of the arguments itself; the parser must not refuse them.
const char *const toolkitValueOptions[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "display",
                                           "style",
                                           "stylesheet",
                                           "session",
                                           "qwindowgeometry",
                                           "qwindowicon",
                                           "qwindowtitle",
                                           "geometry",
                                           "title",
                                           "name",
                                           "visual"};
const char *const toolkitFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addToolkitOptions(QCommandLineParser &parser)
{
    for (const char *name : toolkitValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : toolkitFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usageText(const QCommandLineParser &parser)
{
    // Without an application object the parser does not know the program's name.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("vardel"));
    return text;
}

CommandLine refusal(const QString &why, const QCommandLineParser &parser)
{
    CommandLine result;
    result.action = CommandLine::Refuse;
    result.error = why + QLatin1Char('\n') + usageText(parser);
    result.exitCode = 2;
    return result;
}

// Shorter stretches than a second are no ringtone; a hundred candidates cover any song.
constexpr double shortestSuggestion = 1.0;
constexpr int mostSuggestions = 100;

// Reads --suggest's length and count into `result`; the reason when one is not a fit value.
QString readSuggestOptions(const QCommandLineParser &parser, CommandLine &result)
{
    const QLocale c = QLocale::c();
    bool ok = true;
    if (parser.isSet(QStringLiteral("length"))) {
        const QString text = parser.value(QStringLiteral("length"));
        result.suggestLength = c.toDouble(text, &ok);
        if (!ok || !std::isfinite(result.suggestLength)
            || result.suggestLength < shortestSuggestion)
            return QStringLiteral("--length wants seconds, at least 1: '%1'.").arg(text);
    }
    if (parser.isSet(QStringLiteral("count"))) {
        const QString text = parser.value(QStringLiteral("count"));
        result.suggestCount = c.toInt(text, &ok);
        if (!ok || result.suggestCount < 1 || result.suggestCount > mostSuggestions)
            return QStringLiteral("--count wants a whole number from 1 to 100: '%1'.").arg(text);
    }
    return QString();
}

void addSuggestOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("suggest"),
                      QStringLiteral("Print the best stretches of FILE for a ringtone, one a line "
                                     "as START END SCORE in seconds, best first, and quit."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("length"),
                      QStringLiteral("With --suggest: the stretches' length in seconds "
                                     "(default 30)."),
                      QStringLiteral("SECONDS")});
    parser.addOption({QStringLiteral("count"),
                      QStringLiteral("With --suggest: how many stretches to print (default 3)."),
                      QStringLiteral("N")});
}

} // namespace

QString commandLineFile(const QStringList &arguments)
{
    bool optionsEnded = false;
    for (const QString &argument : arguments.mid(1)) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            continue;
        if (argument.startsWith(QLatin1String("file:")))
            return QUrl(argument).toLocalFile();
        return QFileInfo(argument).absoluteFilePath();
    }
    return QString();
}

QString versionText()
{
    return QStringLiteral("Vardel ")
            + QString::fromLatin1(VARDEL_VERSION).section(QLatin1Char('.'), 0, 2);
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
            QStringLiteral("Makes a phone ringtone from a stretch of any audio or video file."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The audio or video file to open."),
                                 QStringLiteral("[FILE]"));
    addSuggestOptions(parser);
    addToolkitOptions(parser);

    CommandLine result;
    if (!parser.parse(arguments))
        return refusal(parser.errorText(), parser);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = CommandLine::ShowHelp;
        result.output = usageText(parser);
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::ShowVersion;
        result.output = versionText() + QLatin1Char('\n');
        return result;
    }
    const bool suggest = parser.isSet(QStringLiteral("suggest"));
    if (!suggest
        && (parser.isSet(QStringLiteral("length")) || parser.isSet(QStringLiteral("count"))))
        return refusal(QStringLiteral("--length and --count go with --suggest."), parser);
    if (suggest) {
        const QString why = readSuggestOptions(parser, result);
        if (!why.isEmpty())
            return refusal(why, parser);
        result.action = CommandLine::Suggest;
        result.file = commandLineFile({arguments.value(0),
                                       QStringLiteral("--"),
                                       parser.value(QStringLiteral("suggest"))});
        return result;
    }
    // As the desktop entry's %f gives one file, a second one is ignored.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        result.file = commandLineFile({arguments.value(0), QStringLiteral("--"), files.first()});
    return result;
}
