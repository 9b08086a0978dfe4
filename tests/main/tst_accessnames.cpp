#include "mainfixture.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTimeEdit>
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
    void volumeReadsItsGain_data();
    void volumeReadsItsGain();
    void timeFieldsReadSeconds();
    void toneKindIsLabelled();
    void linksReadAsLinks_data();
    void linksReadAsLinks();
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
    QTest::newRow("browse for the song")
            << "btnBrowseIn"
            << "Browse for the song" << QString::fromUtf8("Lied auswählen");
    QTest::newRow("browse for the folder")
            << "btnBrowseOut"
            << "Browse for the output folder" << QString::fromUtf8("Ausgabeordner auswählen");
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
    QCOMPARE(volume->valueInterface()->currentValue().toDouble(), 1.0);
    QCOMPARE(volume->text(QAccessible::Value), QStringLiteral("1x"));
    volume->valueInterface()->setCurrentValue(3.0);
    QCOMPARE(volume->valueInterface()->currentValue().toDouble(), 3.0);
    QCOMPARE(f.child<QLabel>("labelVolume")->text(),
             QStringLiteral("Volume: ") + volume->text(QAccessible::Value));
    volume->valueInterface()->setCurrentValue(1.0);
    QCOMPARE(f.child<QLabel>("labelVolume")->text(), QStringLiteral("Volume: 1x"));

    f.loadAndWait(f.makeTone(QStringLiteral("spoken.wav"), 30.0));
    QAccessibleInterface *clip
            = QAccessible::queryAccessibleInterface(f.child<QWidget>("sliderBar"));
    QVERIFY(clip && clip->valueInterface());
    QCOMPARE(clip->valueInterface()->currentValue().toDouble(), 0.0);
    QCOMPARE(clip->valueInterface()->maximumValue().toDouble(), 30.0);
    QCOMPARE(clip->text(QAccessible::Value),
             QStringLiteral("From 0.000 s to 10.000 s, 10.000 s long"));
}

// The value read is the gain the label shows, never the slider's inner position.
void TestAccessNames::volumeReadsItsGain_data()
{
    QTest::addColumn<double>("gain");
    QTest::addColumn<double>("read");
    QTest::addColumn<QString>("label");
    QTest::newRow("unchanged") << 1.0 << 1.0 << "Volume: 1x";
    QTest::newRow("half") << 0.5 << 0.5 << "Volume: 0.5x";
    QTest::newRow("between two steps") << 2.04 << 2.0 << "Volume: 2x";
    QTest::newRow("top") << 5.0 << 5.0 << "Volume: 5x";
    QTest::newRow("past the top") << 9.0 << 5.0 << "Volume: 5x";
    QTest::newRow("below silence") << -1.0 << 0.0 << "Volume: 0x";
}

void TestAccessNames::volumeReadsItsGain()
{
    QFETCH(double, gain);
    QFETCH(double, read);
    QFETCH(QString, label);
    QAccessibleValueInterface *volume
            = QAccessible::queryAccessibleInterface(f.child<QWidget>("sliderVolume"))
                      ->valueInterface();
    QCOMPARE(volume->minimumValue().toDouble(), 0.0);
    QCOMPARE(volume->maximumValue().toDouble(), 5.0);
    volume->setCurrentValue(gain);
    QCOMPARE(volume->currentValue().toDouble(), read);
    QCOMPARE(f.child<QLabel>("labelVolume")->text(), label);
    volume->setCurrentValue(1.0);
}

// Each time field reads its time in seconds within the file's length, and takes one.
void TestAccessNames::timeFieldsReadSeconds()
{
    f.loadAndWait(f.makeTone(QStringLiteral("timed.wav"), 30.0));
    QAccessibleInterface *start
            = QAccessible::queryAccessibleInterface(f.child<QWidget>("editStartTime"));
    QAccessibleInterface *end
            = QAccessible::queryAccessibleInterface(f.child<QWidget>("editEndTime"));
    QVERIFY(start && start->valueInterface() && end && end->valueInterface());
    QCOMPARE(start->role(), QAccessible::SpinBox);
    QCOMPARE(start->valueInterface()->currentValue().toDouble(), 0.0);
    QCOMPARE(end->valueInterface()->currentValue().toDouble(), 10.0);
    QCOMPARE(end->valueInterface()->maximumValue().toDouble(), 30.0);
    QCOMPARE(start->text(QAccessible::Value), f.child<QTimeEdit>("editStartTime")->text());

    start->valueInterface()->setCurrentValue(2.5);
    QCOMPARE(f.clip().first, 2.5);
    QCOMPARE(start->valueInterface()->currentValue().toDouble(), 2.5);
}

// On Linux a drop-down reads its current item as its name; its label comes by relation.
void TestAccessNames::toneKindIsLabelled()
{
    QAccessibleInterface *kind
            = QAccessible::queryAccessibleInterface(f.child<QWidget>("comboToneKind"));
    QVERIFY(kind);
    const auto labels = kind->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->text(QAccessible::Name),
             QStringLiteral("Send to the iPhone as"));
    useGerman(true);
    QCOMPARE(labels.first().first->text(QAccessible::Name),
             QStringLiteral("An das iPhone senden als"));
    useGerman(false);
}

// The links at the bottom are links: named by their words without the picture's placeholder,
// pressed by a screen reader, and one Tab stop each.
void TestAccessNames::linksReadAsLinks_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("next");
    QTest::newRow("manage") << "labelManage"
                            << "Manage"
                            << "labelHelp";
    QTest::newRow("help") << "labelHelp"
                          << "Help"
                          << "labelHome";
    QTest::newRow("home") << "labelHome"
                          << "Home"
                          << "labelAbout";
}

void TestAccessNames::linksReadAsLinks()
{
    QFETCH(QString, widget);
    QFETCH(QString, name);
    QFETCH(QString, next);
    auto *link = f.child<QLabel>(widget.toLatin1().constData());
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(link);
    QVERIFY(face && face->actionInterface());
    QCOMPARE(face->role(), QAccessible::Link);
    QCOMPARE(face->text(QAccessible::Name), name);
    QVERIFY(!face->text(QAccessible::Description).isEmpty());
    QVERIFY(face->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));

    f.window->show();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
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
