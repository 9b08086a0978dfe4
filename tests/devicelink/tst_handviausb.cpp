// The device library's USB backend through its C table, against the stand-in phone: the real
// libusbmuxd and libimobiledevice talk usbmuxd, lockdownd, AFC and notification_proxy to it.
// Each test function runs in a process of its own with a fresh phone (standin_phone.py run).
#include "handviatable.h"
#include "standin.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const int eventWait = 15000;

QString ringtone(const QString &file)
{
    return QStringLiteral("iTunes_Control/Ringtones/") + file;
}

} // namespace

class TestHandviaUsb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void connectAndDisconnectEvents();
    void addThreeAndListBack();
    void renameRemoveReplaceCopy();

private:
    // A local file, as the program makes it in its output folder.
    QString local(const QString &name, const QByteArray &bytes);
    QByteArray localName(const QString &name) { return QFile::encodeName(m_local.filePath(name)); }

    HandviaApi *api = nullptr;
    QTemporaryDir m_local;
};

void TestHandviaUsb::initTestCase()
{
    if (!Standin::available())
        QSKIP("runs under standin_phone.py");
    QVERIFY(qEnvironmentVariableIsEmpty("HANDVIA_ROOT"));
    api = handvia_get_api();
    QCOMPARE(api->set_event_callback(recordEvent), 0);
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:connect"}), eventWait);
}

QString TestHandviaUsb::local(const QString &name, const QByteArray &bytes)
{
    QFile file(m_local.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

void TestHandviaUsb::connectAndDisconnectEvents()
{
    clearEvents();
    QCOMPARE(Standin::command("detach " + Standin::udid()), QByteArray("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:disconnect"}), eventWait);
    QVERIFY(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0) < 0);
    QVERIFY(api->commit(0) < 0);

    QCOMPARE(Standin::command("attach " + Standin::udid()), QByteArray("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:disconnect", "0:connect"}), eventWait);
    QCOMPARE(listAll(api).size(), 0);
}

void TestHandviaUsb::addThreeAndListBack()
{
    const QByteArray contents[] = {"first", QByteArray(300000, 'x') + "end", "third"};
    const QString names[] = {"Rock & Roll.m4r", QString::fromUtf8("Grüße 日本.m4r"), "Plain"};
    for (int i = 0; i < 3; ++i) {
        local(names[i], contents[i]);
        QCOMPARE(api->add_ringtone(0, localName(names[i]).constData(), 1000 * (i + 1)), 0);
    }
    QVERIFY2(!Standin::exists(Standin::databasePath()), "nothing is written before commit");
    QCOMPARE(api->commit(0), 0);

    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones),
             QStringList({"Rock & Roll", QString::fromUtf8("Grüße 日本"), "Plain"}));
    const QByteArray database = Standin::read(Standin::databasePath());
    QVERIFY(database.startsWith("bplist00"));
    const PlistFile db(database);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(Standin::read(ringtone(tones[i].file)), contents[i]);
        QCOMPARE(PlistFile::number(db.entry(tones[i].file), "Total Time"),
                 uint64_t(1000 * (i + 1)));
    }
}

void TestHandviaUsb::renameRemoveReplaceCopy()
{
    Standin::write(Standin::databasePath(),
                   databaseXml(toneXml("AAAA.m4r", "One", "0000000000000001")
                               + toneXml("BBBB.m4r", "Two", "0000000000000002")
                               + toneXml("CCCC.m4r", "Three", "0000000000000003")));
    for (const char *file : {"AAAA.m4r", "BBBB.m4r", "CCCC.m4r"})
        Standin::write(ringtone(file), file);

    QCOMPARE(api->remove_ringtone(0, 0), 0);
    QCOMPARE(api->rename_ringtone(0, 1, "Drei"), 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(listAll(api), QVector<Listed>({{"Two", "BBBB.m4r"}, {"Drei", "CCCC.m4r"}}));
    QVERIFY(!Standin::exists(ringtone("AAAA.m4r")));

    const QByteArray content = QByteArray(200000, 'r') + "replaced";
    QCOMPARE(api->replace_on_phone(0,
                                   "/iTunes_Control/Ringtones/BBBB.m4r",
                                   local("new.m4r", content).toUtf8().constData()),
             0);
    QCOMPARE(Standin::read(ringtone("BBBB.m4r")), content);
    QCOMPARE(api->copy_from_phone(0, "/iTunes_Control/Ringtones/BBBB.m4r", localName("saved.m4r")),
             0);
    QFile saved(m_local.filePath("saved.m4r"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), content);
    QCOMPARE(QDir(Standin::path("iTunes_Control/Ringtones")).entryList(QDir::Files),
             QStringList({"BBBB.m4r", "CCCC.m4r"}));
}

QTEST_GUILESS_MAIN(TestHandviaUsb)
#include "tst_handviausb.moc"
