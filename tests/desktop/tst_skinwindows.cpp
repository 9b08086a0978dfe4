// The skinned windows as a desktop shows them: see-through where the skin is transparent, and
// mirrored where the language is written right to left.
#include "app/aboutdialog.h"
#include "app/qxlanguage.h"
#include "app/skin.h"
#include "app/translator.h"
#include "device/managedialog.h"
#include "editor/labelfit.h"
#include "editor/maindialog.h"
#include "editor/volumeslider.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

using WindowMaker = std::function<QWidget *()>;

} // namespace

Q_DECLARE_METATYPE(WindowMaker)

class TestSkinWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void transparentWhereTheSkinIs_data();
    void transparentWhereTheSkinIs();
    void labelsSitBesideTheirFields_data();
    void labelsSitBesideTheirFields();
    void textsFitTheirPlaces_data();
    void textsFitTheirPlaces();
    void volumeRunsTheWayItIsRead();
    void managerIsMirrored();
    void bottomRowsEndOnTheRight();

private:
    QTranslator translator;
};

void TestSkinWindows::initTestCase()
{
    // The program's own font, which the skin's fields are sized for.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QVERIFY(applySkin());
}

void TestSkinWindows::transparentWhereTheSkinIs_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QPoint>("clear");
    QTest::addColumn<QPoint>("skin");

    // The about box's picture is a plain rectangle: nothing of it is clear.
    QTest::newRow("main window") << WindowMaker([] { return new MainDialog; }) << QPoint(1, 1)
                                 << QPoint(380, 60);
    QTest::newRow("manager") << WindowMaker([] { return new ManageDialog; }) << QPoint(0, 0)
                             << QPoint(268, 192);
    QTest::newRow("about box") << WindowMaker([] { return new AboutDialog; }) << QPoint()
                               << QPoint(1, 1);
}

// A compositor shows what the window paints, alpha included: the skin's clear corners must
// come out clear, not in the window's grey, and the skin itself opaque.
void TestSkinWindows::transparentWhereTheSkinIs()
{
    QFETCH(WindowMaker, make);
    QFETCH(QPoint, clear);
    QFETCH(QPoint, skin);

    const std::unique_ptr<QWidget> window(make());
    QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QImage picture = window->grab().toImage();
    QVERIFY(picture.hasAlphaChannel());
    QCOMPARE(qAlpha(picture.pixel(skin)), 255);
    QVERIFY(window->mask().contains(skin));
    if (!clear.isNull()) {
        QCOMPARE(qAlpha(picture.pixel(clear)), 0);
        QVERIFY(!window->mask().contains(clear));
    }
}

namespace {

// A main window shown in a language; English again when it goes.
struct WindowIn
{
    explicit WindowIn(const QString &language)
    {
        window.show();
        QxLanguage::instance()->loadLanguage(language);
    }
    ~WindowIn() { QxLanguage::instance()->loadLanguage(QStringLiteral("en")); }

    QWidget *child(const QString &name) const { return window.findChild<QWidget *>(name); }
    // Where a widget starts on the window, whatever layout holds it.
    int leftOf(const QString &name) const
    {
        QWidget *widget = child(name);
        return widget ? widget->mapTo(&window, QPoint(0, 0)).x() : -1;
    }

    MainDialog window;
};

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

void TestSkinWindows::labelsSitBesideTheirFields_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field");

    QTest::newRow("input file") << "labelInput"
                                << "editInputFile";
    QTest::newRow("start") << "labelStart"
                           << "editStartTime";
    QTest::newRow("fade-in") << "labelFadein"
                             << "spinFadein";
    QTest::newRow("fade-out") << "labelFadeout"
                              << "spinFadeout";
    QTest::newRow("output folder") << "labelOutput"
                                   << "editOutputFolder";
    // Loop follows the fade-out's field as the field follows its label.
    QTest::newRow("loop") << "spinFadeout"
                          << "checkLoop";
    // The play buttons are read in a row too: Suggest first, Play Clip last.
    QTest::newRow("suggest, play") << "btnSuggest"
                                   << "btnPlay";
    QTest::newRow("play, pause") << "btnPlay"
                                 << "btnPause";
    QTest::newRow("pause, play clip") << "btnPause"
                                      << "btnPlayClip";
    QTest::newRow("play clip, stop") << "btnPlayClip"
                                     << "btnStop";
}

// Arabic puts each label right of its field, and each control right of the one read after it,
// hand-placed controls as well as the form's layouts; English puts them back exactly where they
// were.
void TestSkinWindows::labelsSitBesideTheirFields()
{
    QFETCH(QString, label);
    QFETCH(QString, field);

    QRect englishLabel;
    {
        WindowIn english(QStringLiteral("en"));
        QVERIFY(english.child(label) && english.child(field));
        QVERIFY(english.leftOf(label) < english.leftOf(field));
        englishLabel = english.child(label)->geometry();
    }
    WindowIn arabic(QStringLiteral("ar"));
    QCOMPARE(arabic.window.layoutDirection(), Qt::RightToLeft);
    // The form's layouts follow when they are next laid out.
    QTRY_VERIFY(arabic.leftOf(label) > arabic.leftOf(field));
    for (const char *timeline : {"sliderBar", "editStartTime", "editEndTime"})
        QCOMPARE(arabic.child(QString::fromLatin1(timeline))->layoutDirection(), Qt::LeftToRight);

    QxLanguage::instance()->loadLanguage(QStringLiteral("en"));
    QTRY_COMPARE(arabic.child(label)->geometry(), englishLabel);
}

void TestSkinWindows::textsFitTheirPlaces_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "fr", "de", "es", "it", "ja", "zh_CN", "zh_TW", "ar"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// Each hand-placed text is shown whole, and no two hand-placed controls of a row overlap, in
// every language and either direction.
void TestSkinWindows::textsFitTheirPlaces()
{
    QFETCH(QString, language);
    // The program's translator, which each language is loaded into, for this test only.
    g_translator = &translator;
    QCoreApplication::installTranslator(&translator);
    const std::unique_ptr<QTranslator *, void (*)(QTranslator **)> untranslate(
            &g_translator, [](QTranslator **installed) {
                QCoreApplication::removeTranslator(*installed);
                *installed = nullptr;
            });
    WindowIn shown(language);
    // The texts change, and the form's layouts turn with the language, as the posted events go.
    // (the application passes the translator's change on to each window in a posted event).
    for (int round = 0; round < 2; ++round)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto textWidth = [](QWidget *widget) { return widget->sizeHint().width(); };
    const QList<QStringList> rows = {{"labelFadeout", "spinFadeout", "checkLoop"},
                                     {"labelFadein", "btnPause"},
                                     {"checkExport", "comboToneKind", "checkEvenLoudness"},
                                     {"btnSuggest", "btnPlay", "btnPlayClip", "btnStop"}};
    const auto onWindow = [&shown](QWidget *widget) {
        return QRect(widget->mapTo(&shown.window, QPoint(0, 0)), widget->size());
    };
    for (const QStringList &row : rows) {
        for (int i = 0; i < row.size(); ++i) {
            QWidget *widget = shown.child(row.at(i));
            QVERIFY2(widget, qPrintable(row.at(i)));
            // A label keeps a few pixels clear of the field it names, on one line or two.
            if (auto *label = qobject_cast<QLabel *>(widget))
                QVERIFY2(labelTextFits(label, 3),
                         qPrintable(QStringLiteral("%1: \"%2\" in %3")
                                            .arg(row.at(i), label->text())
                                            .arg(label->contentsRect().width())));
            else if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QComboBox *>(widget))
                QVERIFY2(textWidth(widget) <= widget->contentsRect().width(),
                         qPrintable(QStringLiteral("%1: %2 > %3")
                                            .arg(row.at(i))
                                            .arg(textWidth(widget))
                                            .arg(widget->contentsRect().width())));
            for (int j = i + 1; j < row.size(); ++j)
                QVERIFY2(!onWindow(widget).intersects(onWindow(shown.child(row.at(j)))),
                         qPrintable(row.at(i) + QLatin1Char('/') + row.at(j) + QLatin1Char(' ')
                                    + describe(onWindow(widget)) + QLatin1Char('/')
                                    + describe(onWindow(shown.child(row.at(j))))));
        }
    }
}

// Mirrored, the louder end is on the left: Left raises the volume, Right lowers it.
void TestSkinWindows::volumeRunsTheWayItIsRead()
{
    WindowIn arabic(QStringLiteral("ar"));
    auto *volume = arabic.window.findChild<CVolumeSlider *>(QStringLiteral("sliderVolume"));
    QVERIFY(volume);
    const auto position = [volume] { return volume->position(); };
    const auto press = [volume](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(volume, &event);
    };
    press(Qt::Key_Left);
    const int louder = position();
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QVERIFY(position() < louder);
}

// The manager's list goes right and its buttons left; the name's label sits right of its field.
void TestSkinWindows::managerIsMirrored()
{
    const auto leftOf = [](const ManageDialog &dialog, const char *name) {
        return dialog.findChild<QWidget *>(QString::fromLatin1(name))->geometry().left();
    };
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    ManageDialog arabic;
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    ManageDialog english;
    QVERIFY(leftOf(english, "listRingtone") < leftOf(english, "btnRename"));
    QVERIFY(leftOf(arabic, "listRingtone") > leftOf(arabic, "btnRename"));
    QVERIFY(leftOf(english, "labelName") < leftOf(english, "editName"));
    QVERIFY(leftOf(arabic, "labelName") > leftOf(arabic, "editName"));
    QCOMPARE(arabic.findChild<QWidget *>(QStringLiteral("btnClose"))->geometry(),
             english.findChild<QWidget *>(QStringLiteral("btnClose"))->geometry());
}

// Right to left, the links and the status line end on the right as the panel above them does,
// the links clear of Generate (from x 543); left to right they stay where the form put them.
void TestSkinWindows::bottomRowsEndOnTheRight()
{
    const auto rightOf = [](const WindowIn &in, const char *name) {
        QWidget *widget = in.child(QString::fromLatin1(name));
        return widget->mapTo(&in.window, QPoint(widget->width(), 0)).x();
    };
    {
        WindowIn english(QStringLiteral("en"));
        QTRY_VERIFY(english.leftOf(QStringLiteral("labelManage")) < 60);
        QCOMPARE(english.leftOf(QStringLiteral("labelStatus")), 50);
    }
    WindowIn arabic(QStringLiteral("ar"));
    QTRY_VERIFY(rightOf(arabic, "labelManage") > 500);
    QVERIFY(rightOf(arabic, "labelManage") <= 543);
    QVERIFY(arabic.leftOf(QStringLiteral("labelAbout")) > 300);
    QVERIFY(rightOf(arabic, "labelStatus") > 600);
}

QTEST_MAIN(TestSkinWindows)
#include "tst_skinwindows.moc"
