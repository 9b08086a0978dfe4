#include "mainfixture.h"

#include "app/qxlanguage.h"
#include "app/settings.h"
#include "app/translator.h"

#include <QActionGroup>
#include <QMenu>
#include <QTranslator>

// Run once per case: a start with LANG and, if VARDEL_STORED_LANGUAGE is set, that stored
// language must come up in VARDEL_EXPECT_LANGUAGE and store it.
class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartFollowsSystem();
    void pickingAnEntry();

private:
    QList<QAction *> entries() const;
    QMenu *menu() const;
    MainFixture f;
    QTranslator translator;
};

void TestLanguage::initTestCase()
{
    MainFixture::isolateSettings();
    g_translator = &translator;
    QCoreApplication::installTranslator(&translator);
}

QMenu *TestLanguage::menu() const
{
    const auto menus = f.window->findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        if (menu->actions().size() == 9)
            return menu;
    }
    qFatal("no language menu");
}

QList<QAction *> TestLanguage::entries() const
{
    return menu()->actions();
}

void TestLanguage::firstStartFollowsSystem()
{
    const QString stored = qEnvironmentVariable("VARDEL_STORED_LANGUAGE");
    if (!stored.isEmpty())
        writeSetting(QStringLiteral("UiLanguage"), stored);
    f.open();
    QCoreApplication::processEvents();
    const QString expected = qEnvironmentVariable("VARDEL_EXPECT_LANGUAGE", QStringLiteral("en"));
    QCOMPARE(QxLanguage::instance()->currentLanguage(), expected);
    // The change reaches the window over a few rounds of queued events.
    QTRY_COMPARE(readSetting(QStringLiteral("UiLanguage"), QString()), expected);

    // A stored language without an entry leaves every entry unchecked and enabled.
    const QString checked = stored.isEmpty() ? expected : stored;
    QStringList names;
    for (QAction *action : entries()) {
        names << action->text();
        QCOMPARE(action->isChecked(), action->data().toString() == checked);
        QCOMPARE(action->isEnabled(), action->data().toString() != checked);
    }
    QCOMPARE(names,
             QStringList({"English",
                          QString::fromUtf8("Français"),
                          "Deutsch",
                          QString::fromUtf8("Español"),
                          "Italiano",
                          QString::fromUtf8("日本語"),
                          QString::fromUtf8("简体中文"),
                          QString::fromUtf8("繁體中文"),
                          QString::fromUtf8("العربية")}));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Marvolen Vardel"));
}

void TestLanguage::pickingAnEntry()
{
    QAction *french = entries().at(1);
    french->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(QxLanguage::instance()->currentLanguage(), QStringLiteral("fr"));
    // The window stores the language when the loaded translation announces the change.
    if (QFile::exists(QStringLiteral(":/translations/ringtone_fr.qm")))
        QTRY_COMPARE(readSetting(QStringLiteral("UiLanguage"), QString()), QStringLiteral("fr"));
    QVERIFY(french->isChecked());
    QVERIFY(!french->isEnabled());
    QVERIFY(entries().at(0)->isEnabled());
    QVERIFY(!entries().at(0)->isChecked());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
