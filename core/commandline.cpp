#include "commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

#include <cmath>
#include <initializer_list>

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

// A wrong value of --serve's options is named in one line, without the usage after it.
CommandLine valueRefusal(const QString &why)
{
    CommandLine result;
    result.action = CommandLine::Refuse;
    result.error = why + QLatin1Char('\n');
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

// A day is longer than any wait for a phone.
constexpr int mostServeMinutes = 24 * 60;

// Reads --serve's address, port and minutes into `result`; the reason when one is not fit.
QString readServeOptions(const QCommandLineParser &parser, CommandLine &result)
{
    const QLocale c = QLocale::c();
    bool ok = true;
    if (parser.isSet(QStringLiteral("address"))) {
        result.serveAddress = parser.value(QStringLiteral("address"));
        if (result.serveAddress.trimmed().isEmpty())
            return QStringLiteral("vardel: --address wants an address of this computer.");
    }
    if (parser.isSet(QStringLiteral("port"))) {
        const QString text = parser.value(QStringLiteral("port"));
        result.servePort = c.toInt(text, &ok);
        if (!ok || result.servePort < 1 || result.servePort > 65535)
            return QStringLiteral("vardel: --port wants a number from 1 to 65535: '%1'.").arg(text);
    }
    if (parser.isSet(QStringLiteral("minutes"))) {
        const QString text = parser.value(QStringLiteral("minutes"));
        result.serveMinutes = c.toInt(text, &ok);
        if (!ok || result.serveMinutes < 1 || result.serveMinutes > mostServeMinutes)
            return QStringLiteral("vardel: --minutes wants a whole number from 1 to 1440: '%1'.")
                    .arg(text);
    }
    return QString();
}

void addServeOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("serve"),
                      QStringLiteral("Serve the ringtone FILE to phones on the local network: "
                                     "print its address and a QR code of it, and serve until "
                                     "interrupted."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("address"),
                      QStringLiteral("With --serve: the loopback or private address to serve on "
                                     "(default: this computer's address on its local network)."),
                      QStringLiteral("ADDRESS")});
    parser.addOption({QStringLiteral("port"),
                      QStringLiteral("With --serve: the port (default 8765, or a free one)."),
                      QStringLiteral("PORT")});
    parser.addOption({QStringLiteral("minutes"),
                      QStringLiteral("With --serve: stop after M minutes (default 15)."),
                      QStringLiteral("M")});
}

bool anySet(const QCommandLineParser &parser, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (parser.isSet(QString::fromLatin1(name)))
            return true;
    }
    return false;
}

CommandLine serveCommand(const QStringList &arguments, const QCommandLineParser &parser)
{
    CommandLine result;
    const QString why = readServeOptions(parser, result);
    if (!why.isEmpty())
        return valueRefusal(why);
    result.action = CommandLine::Serve;
    result.file = commandLineFile(
            {arguments.value(0), QStringLiteral("--"), parser.value(QStringLiteral("serve"))});
    return result;
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
    addServeOptions(parser);
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
    const bool serve = parser.isSet(QStringLiteral("serve"));
    if (!suggest && anySet(parser, {"length", "count"}))
        return refusal(QStringLiteral("--length and --count go with --suggest."), parser);
    if (!serve && anySet(parser, {"address", "port", "minutes"}))
        return refusal(QStringLiteral("--address, --port and --minutes go with --serve."), parser);
    if (suggest && serve)
        return refusal(QStringLiteral("--suggest and --serve go one at a time."), parser);
    if (serve)
        return serveCommand(arguments, parser);
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
