#include "app/translator.h"
#include "editor/maindialog.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QTranslator>

// Arguments go to the toolkit only; the program itself takes none.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The skin's fields are sized for a compact sans serif of Arial's metrics.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QTranslator translator;
    g_translator = &translator;
    QCoreApplication::installTranslator(&translator);

    QFile styleFile(QStringLiteral(":/images/skin.css"));
    styleFile.open(QIODevice::ReadOnly);
    app.setStyleSheet(QString::fromUtf8(styleFile.readAll()));

    // Destroyed in reverse order: window, style file, translator, application.
    MainDialog window;
    window.show();
    return app.exec();
}
