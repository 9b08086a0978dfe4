#include "app/desktopentry.h"
#include "app/dialogplacement.h"
#include "app/displayopening.h"
#include "app/displayposition.h"
#include "app/quitsignals.h"
#include "app/skin.h"
#include "app/translator.h"
#include "core/commandline.h"
#include "core/decodefolder.h"
#include "core/servecommand.h"
#include "core/suggestcommand.h"
#include "editor/maindialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QTranslator>

#include <cstdio>
#include <optional>

// The command line is read before the toolkit starts, so --help, --version, --suggest and
// --serve need no display. A file named there is loaded as if it had been dropped.
int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = parseCommandLine(arguments);
    if (command.action == CommandLine::Suggest) {
        QCoreApplication app(argc, argv);
        return runSuggestCommand(command);
    }
    if (command.action == CommandLine::Serve) {
        QCoreApplication app(argc, argv);
        return runServeCommand(command);
    }
    if (command.action != CommandLine::Run) {
        const QByteArray text
                = (command.action == CommandLine::Refuse ? command.error : command.output)
                          .toLocal8Bit();
        std::fputs(text.constData(), command.action == CommandLine::Refuse ? stderr : stdout);
        return command.exitCode;
    }

    std::optional<DisplayOpening> opening(std::in_place);
    QApplication app(argc, argv);
    opening.reset();
    quitOnTerminationSignals();
    removeOrphanDecodeFolders();
    QApplication::setWindowIcon(vardelIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.marvolen.Vardel"));
    // The skin's fields are sized for a compact sans serif of Arial's metrics.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QTranslator translator;
    g_translator = &translator;
    QCoreApplication::installTranslator(&translator);

    applySkin();
    DialogPlacement::install();

    // Destroyed in reverse order: window, translator, application.
    int result = 0;
    {
        MainDialog window;
        window.show();
        const QString file = command.file;
        if (!file.isEmpty())
            afterFirstExposure(&window, [&window, file] { window.loadFile(file); });
        result = app.exec();
    }
    // The window has stopped its encoder by now.
    removeDecodeFolder();
    return result;
}
