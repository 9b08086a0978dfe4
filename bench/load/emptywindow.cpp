// The reference for start-up: the smallest Qt Widgets window, shown until it is closed.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(600, 500);
    window.show();
    return app.exec();
}
