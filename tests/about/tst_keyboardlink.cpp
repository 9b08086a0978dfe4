// A label holding one link, as the windows' links and the about box's use it: read as a link,
// one Tab stop, followed by Enter and by the press action, its focus drawn.
#include "app/keyboardlink.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

class TestKeyboardLink : public QObject
{
    Q_OBJECT

private slots:
    void readAndFollowed_data();
    void readAndFollowed();
    void oneTabStopEach();
    void focusIsDrawn();
};

namespace {

struct Links
{
    QWidget window;
    QList<QLabel *> labels;

    explicit Links(const QStringList &texts)
    {
        window.setStyleSheet(QStringLiteral("background: rgb(1, 40, 90);"));
        auto *layout = new QVBoxLayout(&window);
        for (const QString &text : texts) {
            auto *label = new QLabel(text, &window);
            KeyboardLink::attach(label);
            layout->addWidget(label);
            labels << label;
        }
        window.show();
        window.activateWindow();
    }
};

int amberPixels(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(255, 200, 60))
                ++count;
        }
    }
    return count;
}

} // namespace

void TestKeyboardLink::readAndFollowed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("target");
    QTest::newRow("picture before the link")
            << "<img src=':/images/help.png'><a href=x><font color=#ffffff>Help</font></a>"
            << "Help"
            << "x";
    QTest::newRow("words before the link")
            << "Home Page: <a href=\"https://www.example.com/a.html\">www.example.com</a>"
            << "Home Page: www.example.com"
            << "https://www.example.com/a.html";
    QTest::newRow("words after the link") << "Made by <a href=\"https://example.com\">Marvolen</a>."
                                          << "Made by Marvolen."
                                          << "https://example.com";
    QTest::newRow("a page of the help")
            << "<a href=\"file:///usr/lib/vardel/help/licences.html\">Licences</a>"
            << "Licences"
            << "file:///usr/lib/vardel/help/licences.html";
}

void TestKeyboardLink::readAndFollowed()
{
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QFETCH(QString, target);
    Links links({text});
    QLabel *label = links.labels.first();
    QVERIFY(QTest::qWaitForWindowActive(&links.window));
    QSignalSpy followed(label, &QLabel::linkActivated);

    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(label);
    QVERIFY(face && face->actionInterface());
    QCOMPARE(face->role(), QAccessible::Link);
    QCOMPARE(face->text(QAccessible::Name), spoken);
    QVERIFY(face->state().focusable);
    QVERIFY(face->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(followed.size(), 1);

    label->setFocus();
    QTest::keyClick(label, Qt::Key_Space);
    QCOMPARE(followed.size(), 1);
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Enter);
    QCOMPARE(followed.size(), 3);
    for (const QList<QVariant> &call : followed)
        QCOMPARE(call.at(0).toString(), target);
}

// The label itself is the stop: Tab leaves it at once for the next link, and comes back round.
void TestKeyboardLink::oneTabStopEach()
{
    Links links({"<img src=':/images/tool.png'><a href=x>Manage</a>",
                 "<img src=':/images/help.png'><a href=x>Help</a>",
                 "<a href=x>Home</a>"});
    QVERIFY(QTest::qWaitForWindowActive(&links.window));
    links.labels[0]->setFocus();
    QList<QLabel *> visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << qobject_cast<QLabel *>(QApplication::focusWidget());
    }
    QCOMPARE(visited, QList<QLabel *>({links.labels[1], links.labels[2], links.labels[0]}));
}

// Drawn in the skin's focus colour around the words while the link has the focus only.
void TestKeyboardLink::focusIsDrawn()
{
    Links links({"<a href=x>Manage</a>", "<a href=x>Help</a>"});
    QVERIFY(QTest::qWaitForWindowActive(&links.window));
    links.labels[0]->setFocus();
    QVERIFY(amberPixels(links.labels[0]) > 20);
    QCOMPARE(amberPixels(links.labels[1]), 0);
    links.labels[1]->setFocus();
    QCOMPARE(amberPixels(links.labels[0]), 0);
    QVERIFY(amberPixels(links.labels[1]) > 20);
}

QTEST_MAIN(TestKeyboardLink)
#include "tst_keyboardlink.moc"
