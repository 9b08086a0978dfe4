#include "app/decodefolder.h"
#include "app/desktopentry.h"
#include "app/dialogplacement.h"
#include "app/displayposition.h"
#include "app/skin.h"
#include "app/translator.h"
#include "editor/maindialog.h"

#include <QApplication>
#include <QFont>
#include <QTranslator>

// Arguments go to the toolkit first; a file left over is loaded as if it had been dropped.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    removeOrphanDecodeFolders();
    QApplication::setWindowIcon(vardelIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("vardel"));
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
        const QString file = commandLineFile(QCoreApplication::arguments());
        if (!file.isEmpty())
            afterFirstExposure(&window, [&window, file] { window.loadFile(file); });
        result = app.exec();
    }
    // The window has stopped its encoder by now.
    removeDecodeFolder();
    return result;
}
