#include "commandline.h"

#include "desktopentry.h"

#include <QCommandLineParser>

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

} // namespace

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
    addToolkitOptions(parser);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Refuse;
        result.error = parser.errorText() + QLatin1Char('\n') + usageText(parser);
        result.exitCode = 2;
        return result;
    }
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
    // As the desktop entry's %f gives one file, a second one is ignored.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        result.file = commandLineFile({arguments.value(0), QStringLiteral("--"), files.first()});
    return result;
}
