#include "mainfixture.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QTranslator>

// Every control is named for a screen reader, in the language the window is shown in.
class TestAccessNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void named_data();
    void named();
    void slidersTellTheirValues();
    void everyControlNamed();

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

// A screen reader reads the picture-drawn sliders as sliders: the volume's gain, which it may
// also set as the user would, and the clip's start, end and length.
void TestAccessNames::slidersTellTheirValues()
{
    QAccessibleInterface *volume
            = QAccessible::queryAccessibleInterface(f.child<QWidget>("sliderVolume"));
    QVERIFY(volume && volume->valueInterface());
    QCOMPARE(volume->role(), QAccessible::Slider);
    QCOMPARE(volume->valueInterface()->currentValue().toInt(), 100);
    QCOMPARE(volume->text(QAccessible::Value), QStringLiteral("1x"));
    volume->valueInterface()->setCurrentValue(150);
    QCOMPARE(volume->valueInterface()->currentValue().toInt(), 150);
    QCOMPARE(f.child<QLabel>("labelVolume")->text(),
             QStringLiteral("Volume: ") + volume->text(QAccessible::Value));
    volume->valueInterface()->setCurrentValue(100);

    f.loadAndWait(f.makeTone(QStringLiteral("spoken.wav"), 30.0));
    QAccessibleInterface *clip
            = QAccessible::queryAccessibleInterface(f.child<QWidget>("sliderBar"));
    QVERIFY(clip && clip->valueInterface());
    QCOMPARE(clip->valueInterface()->currentValue().toDouble(), 0.0);
    QCOMPARE(clip->valueInterface()->maximumValue().toDouble(), 30.0);
    QCOMPARE(clip->text(QAccessible::Value),
             QStringLiteral("From 0.000 s to 10.000 s, 10.000 s long"));
}

// What a screen reader lands on with Tab, each field, box and button, says what it is; a field's
// name may come from the label beside it. Fields inside a spin box or drop-down are its own.
void TestAccessNames::everyControlNamed()
{
    const QList<QWidget *> widgets = f.window->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *widget : widgets) {
        QWidget *parent = widget->parentWidget();
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(f.window.get())
            || qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent))
            continue;
        QString name = spoken(widget, QAccessible::Name);
        name.remove(QChar::ObjectReplacementCharacter);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(widget->objectName()));
        ++checked;
    }
    QVERIFY(checked >= 20);
}

QTEST_MAIN(TestAccessNames)
#include "tst_accessnames.moc"
