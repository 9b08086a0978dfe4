#include "app/settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void absentKeyGivesDefault();
    void writeIsOnDiskAtOnce();
    void storedUnderGroupSetting();
    void documentsFolderIsNeverEmpty();
};

void TestSettings::initTestCase()
{
    // Keeps the user's own settings out of reach.
    QStandardPaths::setTestModeEnabled(true);
}

void TestSettings::init()
{
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
}

void TestSettings::absentKeyGivesDefault()
{
    QCOMPARE(readSetting(QStringLiteral("OutputFolder"), QStringLiteral("/fallback")),
             QStringLiteral("/fallback"));
    QCOMPARE(readSetting(QStringLiteral("UiLanguage"), QString()), QString());
}

void TestSettings::writeIsOnDiskAtOnce()
{
    writeSetting(QStringLiteral("UiLanguage"), QStringLiteral("zh_CN"));
    QCOMPARE(readSetting(QStringLiteral("UiLanguage"), QString()), QStringLiteral("zh_CN"));

    // A fresh store object reading the file sees the value without any sync call.
    const QSettings store(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    QFile file(store.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("UiLanguage=zh_CN"));
}

void TestSettings::storedUnderGroupSetting()
{
    writeSetting(QStringLiteral("OutputFolder"), QStringLiteral("/home/x/Music"));
    QSettings store(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    QCOMPARE(store.value(QStringLiteral("Setting/OutputFolder")).toString(),
             QStringLiteral("/home/x/Music"));
    QVERIFY(!store.contains(QStringLiteral("OutputFolder")));
}

void TestSettings::documentsFolderIsNeverEmpty()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(documentsFolder(), documents.isEmpty() ? QDir::homePath() : documents);
    QVERIFY(!documentsFolder().isEmpty());
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
