#include "mainfixture.h"

#include <QAccessible>
#include <QTranslator>

// Every control is named for a screen reader, in the language the window is shown in.
class TestAccessNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void named_data();
    void named();

private:
    static QString spoken(QWidget *widget, QAccessible::Text text);
    void useGerman(bool german);
    MainFixture f;
    QTranslator german;
};

void TestAccessNames::initTestCase()
{
    MainFixture::isolateSettings();
    QVERIFY(german.load(QStringLiteral(":/translations/ringtone_de.qm")));
    f.open();
}

QString TestAccessNames::spoken(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

void TestAccessNames::useGerman(bool on)
{
    if (on)
        QCoreApplication::installTranslator(&german);
    else
        QCoreApplication::removeTranslator(&german);
    // The translator's change reaches the window as a posted event.
    QCoreApplication::processEvents();
}

void TestAccessNames::named_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("play") << "btnPlay"
                          << "Play"
                          << "Wiedergabe";
    QTest::newRow("play clip") << "btnPlayClip"
                               << "Play Clip"
                               << "Ausschnitt abspielen";
    QTest::newRow("pause") << "btnPause"
                           << "Pause"
                           << "Pause";
    QTest::newRow("generate") << "btnGenerate"
                              << "Generate"
                              << "Erzeugen";
    QTest::newRow("menu") << "btnMenu"
                          << "Menu" << QString::fromUtf8("Menü");
    QTest::newRow("minimise") << "btnMinimize"
                              << "Minimise"
                              << "Minimieren";
    QTest::newRow("close") << "btnClose"
                           << "Close" << QString::fromUtf8("Schließen");
    QTest::newRow("clip strip") << "sliderBar"
                                << "Clip"
                                << "Ausschnitt";
    QTest::newRow("volume") << "sliderVolume"
                            << "Volume" << QString::fromUtf8("Lautstärke");
    QTest::newRow("start") << "editStartTime"
                           << "Start time"
                           << "Startzeit";
    QTest::newRow("end") << "editEndTime"
                         << "End time"
                         << "Endzeit";
}

void TestAccessNames::named()
{
    QFETCH(QString, widget);
    QFETCH(QString, english);
    QFETCH(QString, german);
    auto *control = f.child<QWidget>(widget.toLatin1().constData());

    useGerman(false);
    QCOMPARE(spoken(control, QAccessible::Name), english);
    useGerman(true);
    QCOMPARE(spoken(control, QAccessible::Name), german);
    useGerman(false);
    QCOMPARE(spoken(control, QAccessible::Name), english);
}

QTEST_MAIN(TestAccessNames)
#include "tst_accessnames.moc"
