#include "app/aboutdialog.h"
#include "app/qxlanguage.h"
#include "app/settings.h"
#include "app/translator.h"
#include "device/managedialog.h"
#include "editor/maindialog.h"
#include "fakes.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

#include <memory>

// The running main window switched through every interface language in turn, the way the
// language menu does it.
class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void switchLanguage_data();
    void switchLanguage();
    void cleanupTestCase();

private:
    QString text(const char *name) const;
    QMenu *languageMenu() const;
    QAction *toolAction(const QString &text) const;
    void deliverLanguageChange();
    void checkDialogs(bool isEnglish) const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QTranslator translator;
    std::unique_ptr<MainDialog> window;
    QStringList nativeNames;
    QMap<QByteArray, QString> english;
    int languageChanges = 0;
};

namespace {

// Widgets whose form texts every language translates.
const char *const formTexts[]
        = {"labelStart", "labelEnd", "labelInput", "labelManage", "checkExport"};

} // namespace

void TestLanguageSwitch::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    writeSetting(QStringLiteral("UiLanguage"), QStringLiteral("en"));
    fakes::reset();
    g_translator = &translator;
    QCoreApplication::installTranslator(&translator);

    window = std::make_unique<MainDialog>();
    window->installEventFilter(this);
    window->show();
    deliverLanguageChange();
    if (QTest::currentTestFailed())
        return;
    for (const char *name : formTexts)
        english.insert(name, text(name));
    english.insert("labelStatus", text("labelStatus"));
    QCOMPARE(english.value("labelStart"), QStringLiteral("Start Time:"));
    for (QAction *action : languageMenu()->actions())
        nativeNames << action->text();
}

void TestLanguageSwitch::cleanupTestCase()
{
    window.reset();
}

bool TestLanguageSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window.get() && event->type() == QEvent::LanguageChange)
        ++languageChanges;
    return false;
}

// The change travels from the application through the window system's window to the
// widget as posted events, one hop per pass of the event loop.
void TestLanguageSwitch::deliverLanguageChange()
{
    const int before = languageChanges;
    for (int pass = 0; pass < 20 && languageChanges == before; ++pass)
        QCoreApplication::processEvents();
    QVERIFY(languageChanges > before);
}

// The manager and the about box are built when they open, in the language current then.
void TestLanguageSwitch::checkDialogs(bool isEnglish) const
{
    ManageDialog manager(window.get());
    QCOMPARE(manager.findChild<QLabel *>(QStringLiteral("labelTitle"))->text()
                     == QLatin1String("Manage ringtones on your iPhone."),
             isEnglish);
    QCOMPARE(manager.findChild<QPushButton *>(QStringLiteral("btnRename"))->text()
                     == QLatin1String("Rename"),
             isEnglish);

    AboutDialog about(window.get());
    bool englishHomePage = false;
    for (const QLabel *label : about.findChildren<QLabel *>())
        englishHomePage = englishHomePage || label->text().startsWith(QLatin1String("Home Page: "));
    QCOMPARE(englishHomePage, isEnglish);
}

QString TestLanguageSwitch::text(const char *name) const
{
    QObject *widget = window->findChild<QObject *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget->property("text").toString();
}

QMenu *TestLanguageSwitch::languageMenu() const
{
    const auto menus = window->findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        if (menu->actions().size() == 9)
            return menu;
    }
    qFatal("no language menu");
}

QAction *TestLanguageSwitch::toolAction(const QString &text) const
{
    const auto actions = window->findChildren<QAction *>();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void TestLanguageSwitch::switchLanguage_data()
{
    QTest::addColumn<QString>("locale");
    // Back to English last, so that leaving every other language is covered too.
    for (const char *locale : {"fr", "de", "es", "it", "ja", "zh_CN", "zh_TW", "ar", "en"})
        QTest::newRow(locale) << QString::fromLatin1(locale);
}

void TestLanguageSwitch::switchLanguage()
{
    QFETCH(QString, locale);
    QxLanguage::instance()->loadLanguage(locale);
    deliverLanguageChange();
    if (QTest::currentTestFailed())
        return;

    const bool isEnglish = locale == QLatin1String("en");
    QCOMPARE(translator.language(), isEnglish ? QString() : locale);
    for (const char *name : formTexts) {
        if (isEnglish)
            QCOMPARE(text(name), english.value(name));
        else
            QVERIFY2(text(name) != english.value(name), name);
    }
    QCOMPARE(text("labelStatus") == english.value("labelStatus"), isEnglish);
    QVERIFY(text("labelVolume").contains(QLatin1String("1x")));

    const QString language = QCoreApplication::translate("MainDialog", "Language");
    QCOMPARE(language == QLatin1String("Language"), isEnglish);
    QCOMPARE(languageMenu()->title(), language);
    const QString manage = QCoreApplication::translate("MainDialog", "&Manage...");
    QCOMPARE(manage == QLatin1String("&Manage..."), isEnglish);
    QVERIFY(toolAction(manage));

    QStringList names;
    for (QAction *action : languageMenu()->actions())
        names << action->text();
    QCOMPARE(names, nativeNames);
    QCOMPARE(window->windowTitle(), QStringLiteral("Marvolen Vardel"));
    checkDialogs(isEnglish);
    QCOMPARE(readSetting(QStringLiteral("UiLanguage"), QString()), locale);
    // The style sheet picks the window's labels by this property, in every language.
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("labelStart"))->property("st"),
             QVariant(QStringLiteral("main")));
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
