// The device library's USB backend through its C table, against the stand-in phone: the real
// libusbmuxd and libimobiledevice talk usbmuxd, lockdownd, AFC and notification_proxy to it.
// Each test function runs in a process of its own with a fresh phone (standin_phone.py run).
#include "handviatable.h"
#include "standin.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const int eventWait = 15000;
const char willStart[] = "com.apple.itunes-mobdev.syncWillStart";
const char lockRequest[] = "com.apple.itunes-mobdev.syncLockRequest";
const char didStart[] = "com.apple.itunes-mobdev.syncDidStart";
const char didFinish[] = "com.apple.itunes-mobdev.syncDidFinish";
const char ringtoneAdded[] = "com.apple.itunesstored.RingtoneAdded";
const char failedToStart[] = "com.apple.itunes-mobdev.syncFailedToStart";

QString ringtone(const QString &file)
{
    return QStringLiteral("iTunes_Control/Ringtones/") + file;
}

QByteArray tonesXml(int count)
{
    QByteArray tones;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        tones += toneXml("T" + n.rightJustified(3, '0') + ".m4r",
                         "Tone " + n,
                         QByteArray::number(i + 1, 16).rightJustified(16, '0'));
    }
    return databaseXml(tones);
}

const QByteArray threeTones = tonesXml(3);

QStringList ringtoneFiles()
{
    return QDir(Standin::path("iTunes_Control/Ringtones")).entryList(QDir::Files | QDir::Hidden);
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
    void commitPostsTheSyncHandshake();
    void textToneIsMediaKindTone();
    void lockHeldByAnotherClient();
    void changesMadeMeanwhileAreKept();
    void unplugInTheMiddleOfACommit_data();
    void unplugInTheMiddleOfACommit();
    void unplugDuringAdd();
    void refusedPhoneIsTriedAgain_data();
    void refusedPhoneIsTriedAgain();
    void absentUsbmuxdIsNamed();
    void secondPhoneIsTakenUp();
    void deadConnectionIsReopened();
    void errorIsNotAnEmptyPhone();
    void listingChecksTheDatabaseOnce();
    void restartGoesThroughTheDiagnosticsRelay();

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
    const QString names[]
            = {"Rock & Roll.m4r", QString::fromUtf8("Grüße 日本.m4r"), "Evening <Bell>"};
    for (int i = 0; i < 3; ++i) {
        local(names[i], contents[i]);
        QCOMPARE(api->add_ringtone(0, localName(names[i]).constData(), 1000 * (i + 1)), 0);
    }
    QVERIFY2(!Standin::exists(Standin::databasePath()), "nothing is written before commit");
    QCOMPARE(api->commit(0), 0);

    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones),
             QStringList({"Rock & Roll", QString::fromUtf8("Grüße 日本"), "Evening &lt;Bell&gt;"}));
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
    Standin::write(Standin::databasePath(), threeTones);
    for (const char *file : {"T000.m4r", "T001.m4r", "T002.m4r"})
        Standin::write(ringtone(file), file);

    QCOMPARE(api->remove_ringtone(0, 0), 0);
    QCOMPARE(api->rename_ringtone(0, 1, "Drei"), 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(listAll(api), QVector<Listed>({{"Tone 1", "T001.m4r"}, {"Drei", "T002.m4r"}}));
    QVERIFY(!Standin::exists(ringtone("T000.m4r")));

    const QByteArray content = QByteArray(200000, 'r') + "replaced";
    QCOMPARE(api->replace_on_phone(0,
                                   "/iTunes_Control/Ringtones/T001.m4r",
                                   local("new.m4r", content).toUtf8().constData()),
             0);
    QCOMPARE(Standin::read(ringtone("T001.m4r")), content);
    QCOMPARE(api->copy_from_phone(0, "/iTunes_Control/Ringtones/T001.m4r", localName("saved.m4r")),
             0);
    QFile saved(m_local.filePath("saved.m4r"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), content);
    QCOMPARE(ringtoneFiles(), QStringList({"T001.m4r", "T002.m4r"}));
}

void TestHandviaUsb::commitPostsTheSyncHandshake()
{
    local("Tone.m4r", "tone");
    QCOMPARE(api->add_ringtone(0, localName("Tone.m4r").constData(), 1000), 0);
    QCOMPARE(Standin::notifications(), QStringList());
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(Standin::notifications(),
             QStringList({willStart, lockRequest, didStart, didFinish, ringtoneAdded}));
    QCOMPARE(Standin::command("holdlock on"), QByteArray("ok"));
    QVERIFY2(Standin::command("holdlock on") == "ok", "the lock was released after the commit");
}

// A ringtone is added as before; a text tone is the same add with its kind set before the
// commit, and a kind switched while the lock is busy waits for the next commit.
void TestHandviaUsb::textToneIsMediaKindTone()
{
    local("Ring.m4r", "ring");
    local("Text.m4r", "text");
    QCOMPARE(api->add_ringtone(0, localName("Ring.m4r").constData(), 1000), 0);
    QCOMPARE(api->add_ringtone(0, localName("Text.m4r").constData(), 1000), 0);
    QCOMPARE(api->set_ringtone_kind(0, 1, HANDVIA_KIND_TONE), 0);
    QCOMPARE(api->get_ringtone_kind(0, 1), HANDVIA_KIND_TONE);
    QCOMPARE(api->commit(0), 0);
    QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"Ring", "Text"}));
    {
        const PlistFile db(Standin::read(Standin::databasePath()));
        QVERIFY(!plist_dict_get_item(db.entry(tones[0].file), "Media Kind"));
        QCOMPARE(PlistFile::string(db.entry(tones[1].file), "Media Kind"), QStringLiteral("tone"));
    }

    QCOMPARE(Standin::command("holdlock on"), QByteArray("ok"));
    QCOMPARE(api->set_ringtone_kind(0, 0, HANDVIA_KIND_TONE), 0);
    QCOMPARE(api->set_ringtone_kind(0, 1, HANDVIA_KIND_RINGTONE), 0);
    QVERIFY(api->commit(0) < 0);
    QCOMPARE(api->get_ringtone_kind(0, 0), HANDVIA_KIND_TONE);
    QCOMPARE(Standin::command("holdlock off"), QByteArray("ok"));
    QCOMPARE(api->commit(0), 0);
    const PlistFile db(Standin::read(Standin::databasePath()));
    QCOMPARE(PlistFile::string(db.entry(tones[0].file), "Media Kind"), QStringLiteral("tone"));
    QVERIFY(!plist_dict_get_item(db.entry(tones[1].file), "Media Kind"));
}

void TestHandviaUsb::lockHeldByAnotherClient()
{
    Standin::write(Standin::databasePath(), threeTones);
    const QByteArray before = Standin::read(Standin::databasePath());
    QCOMPARE(titlesOf(listAll(api)).size(), 3);
    QCOMPARE(Standin::command("holdlock on"), QByteArray("ok"));
    local("Kept.m4r", "kept");
    QCOMPARE(api->add_ringtone(0, localName("Kept.m4r").constData(), 1000), 0);
    QCOMPARE(api->rename_ringtone(0, 0, "Renamed"), 0);
    Standin::command("clearcounts");

    QVERIFY(api->commit(0) < 0);
    QCOMPARE(Standin::notifications(), QStringList({willStart, lockRequest, failedToStart}));
    QVERIFY2(Standin::count("afc 27") > 3, "retried while the lock was busy");
    QCOMPARE(Standin::read(Standin::databasePath()), before);
    QCOMPARE(ringtoneFiles().size(), 1);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Renamed", "Tone 1", "Tone 2", "Kept"}));

    QCOMPARE(Standin::command("holdlock off"), QByteArray("ok"));
    QCOMPARE(api->commit(0), 0);
    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"Renamed", "Tone 1", "Tone 2", "Kept"}));
    QCOMPARE(Standin::read(ringtone(tones[3].file)), QByteArray("kept"));
}

void TestHandviaUsb::changesMadeMeanwhileAreKept()
{
    Standin::write(Standin::databasePath(), threeTones);
    QCOMPARE(listAll(api).size(), 3);
    QCOMPARE(api->rename_ringtone(0, 2, "Renamed"), 0);
    QCOMPARE(api->remove_ringtone(0, 0), 0);
    // Another writer drops one tone and adds one before this commit.
    Standin::write(Standin::databasePath(),
                   databaseXml(toneXml("T002.m4r", "Tone 2", "0000000000000003")
                               + toneXml("T001.m4r", "Tone 1", "0000000000000002")
                               + toneXml("OTHR.m4r", "Other", "00000000000000FF")));
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Renamed", "Tone 1", "Other"}));
}

void TestHandviaUsb::unplugInTheMiddleOfACommit_data()
{
    QTest::addColumn<QByteArray>("trap");
    QTest::newRow("writing the new database") << QByteArray("write Ringtones.plist.handvia-");
    QTest::newRow("renaming it over the old one") << QByteArray("rename iTunes/Ringtones.plist");
}

void TestHandviaUsb::unplugInTheMiddleOfACommit()
{
    QFETCH(QByteArray, trap);
    Standin::write(Standin::databasePath(), threeTones);
    const QByteArray before = Standin::read(Standin::databasePath());
    QCOMPARE(listAll(api).size(), 3);
    QCOMPARE(api->rename_ringtone(0, 0, QByteArray(100000, 'x').constData()), 0);
    QCOMPARE(Standin::command("trap " + trap), QByteArray("ok"));
    clearEvents();

    QVERIFY(api->commit(0) < 0);
    QCOMPARE(Standin::read(Standin::databasePath()), before);
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:disconnect"}), eventWait);
    const QStringList leftovers = QDir(Standin::path("iTunes_Control/iTunes"))
                                          .entryList({"Ringtones.plist.handvia-*"}, QDir::Files);
    QCOMPARE(leftovers.size(), 1);

    QCOMPARE(Standin::command("attach " + Standin::udid()), QByteArray("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:disconnect", "0:connect"}), eventWait);
    // Listed cut to the table's 256-byte buffer.
    const QStringList staged = {QString(255, 'x'), "Tone 1", "Tone 2"};
    QCOMPARE(titlesOf(listAll(api)), staged);
    QVERIFY2(!Standin::exists("iTunes_Control/iTunes/" + leftovers[0]), "cleaned at connect");
    QCOMPARE(Standin::read(Standin::databasePath()), before);
    // The same phone is back: what was staged before the unplug is committed now.
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), staged);
    QCOMPARE(PlistFile::string(PlistFile(Standin::read(Standin::databasePath())).entry("T000.m4r"),
                               "Name"),
             QString(100000, 'x'));
}

void TestHandviaUsb::unplugDuringAdd()
{
    QCOMPARE(Standin::command("trap write Ringtones/."), QByteArray("ok"));
    clearEvents();
    local("Cut.m4r", QByteArray(300000, 'c'));
    QVERIFY(api->add_ringtone(0, localName("Cut.m4r").constData(), 1000) < 0);
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:disconnect"}), eventWait);
    QVERIFY(!ringtoneFiles().isEmpty());

    QCOMPARE(Standin::command("attach " + Standin::udid()), QByteArray("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:disconnect", "0:connect"}), eventWait);
    QCOMPARE(listAll(api).size(), 0);
    QCOMPARE(ringtoneFiles(), QStringList());
    QCOMPARE(api->commit(0), 0);
    QVERIFY(!Standin::exists(Standin::databasePath()));
    QCOMPARE(api->add_ringtone(0, localName("Cut.m4r").constData(), 1000), 0);
    QCOMPARE(api->commit(0), 0);
    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"Cut"}));
    QCOMPARE(ringtoneFiles(), QStringList({tones[0].file}));
    QCOMPARE(Standin::read(ringtone(tones[0].file)), QByteArray(300000, 'c'));
}

void TestHandviaUsb::refusedPhoneIsTriedAgain_data()
{
    QTest::addColumn<QByteArray>("refusal");
    QTest::addColumn<bool>("paired");
    QTest::addColumn<int>("state");
    QTest::newRow("locked with a passcode")
            << QByteArray("locked") << false << HANDVIA_PHONE_LOCKED;
    QTest::newRow("not trusted") << QByteArray("untrusted") << false << HANDVIA_PHONE_TRUST_REFUSED;
    QTest::newRow("trust dialog pending")
            << QByteArray("pending") << false << HANDVIA_PHONE_TRUST_PENDING;
    QTest::newRow("host forgotten") << QByteArray("invalidhost") << true << HANDVIA_PHONE_OTHER;
}

void TestHandviaUsb::refusedPhoneIsTriedAgain()
{
    QFETCH(QByteArray, refusal);
    QFETCH(bool, paired);
    QFETCH(int, state);
    clearEvents();
    Standin::command("detach " + Standin::udid());
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:disconnect"}), eventWait);
    if (!paired)
        Standin::command("forget " + Standin::udid());
    Standin::command("refuse " + refusal);
    clearEvents();

    Standin::command("attach " + Standin::udid());
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:" HANDVIA_CONNECT_FAILED}), eventWait);
    QVERIFY(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0) < 0);
    char error[200] = "unset";
    QCOMPARE(api->phone_state(0, error, sizeof error), state);
    QCOMPARE(QByteArray(error).isEmpty(), state != HANDVIA_PHONE_OTHER);
    // The library tries the phone again, and a refusal it has reported is not reported again.
    const int asked = Standin::count("lockdown ");
    QTRY_VERIFY_WITH_TIMEOUT(Standin::count("lockdown ") > asked, eventWait);
    QCOMPARE(recordedEvents().size(), 1);

    Standin::command("refuse none");
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:" HANDVIA_CONNECT_FAILED, "0:connect"}), eventWait);
    QCOMPARE(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0), -1); // an empty phone
    QVERIFY(api->commit(0) >= 0);
    QCOMPARE(api->phone_state(0, nullptr, 0), HANDVIA_PHONE_READY);
}

void TestHandviaUsb::absentUsbmuxdIsNamed()
{
    clearEvents();
    Standin::command("detach " + Standin::udid());
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:disconnect"}), eventWait);
    QCOMPARE(api->phone_state(0, nullptr, 0), HANDVIA_PHONE_NONE);
    const QByteArray address = qgetenv("USBMUXD_SOCKET_ADDRESS");
    qputenv("USBMUXD_SOCKET_ADDRESS", "UNIX:" + QFile::encodeName(m_local.filePath("absent")));
    const int absent = api->phone_state(0, nullptr, 0);
    qputenv("USBMUXD_SOCKET_ADDRESS", address);
    QCOMPARE(absent, HANDVIA_PHONE_NO_USBMUXD);

    Standin::command("attach " + Standin::udid());
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:disconnect", "0:connect"}), eventWait);
}

void TestHandviaUsb::secondPhoneIsTakenUp()
{
    clearEvents();
    // The stand-in tells the library of the attach and the detach in this order: no wait.
    QCOMPARE(Standin::command("attach SECOND-PHONE"), QByteArray("ok"));
    QCOMPARE(Standin::command("detach " + Standin::udid()), QByteArray("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:disconnect", "0:connect"}), eventWait);
    local("Tone.m4r", "tone");
    QCOMPARE(api->add_ringtone(0, localName("Tone.m4r").constData(), 1000), 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Tone"}));
}

void TestHandviaUsb::deadConnectionIsReopened()
{
    Standin::write(Standin::databasePath(), threeTones);
    QCOMPARE(listAll(api).size(), 3);
    QCOMPARE(api->rename_ringtone(0, 1, "Staged"), 0);
    clearEvents();
    QCOMPARE(Standin::command("drop"), QByteArray("ok"));

    QCOMPARE(titlesOf(listAll(api)), QStringList({"Tone 0", "Staged", "Tone 2"}));
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(Standin::command("drop"), QByteArray("ok"));
    local("Tone.m4r", "tone");
    QCOMPARE(api->add_ringtone(0, localName("Tone.m4r").constData(), 1000), 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Tone 0", "Staged", "Tone 2", "Tone"}));
    QCOMPARE(recordedEvents(), QStringList());
}

void TestHandviaUsb::errorIsNotAnEmptyPhone()
{
    Standin::write(Standin::databasePath(), threeTones);
    QCOMPARE(listAll(api).size(), 3);
    // The database cannot be read: the phone answers with an error, not "not found".
    QVERIFY(QFile::rename(Standin::path(Standin::databasePath()), Standin::path("saved.plist")));
    QVERIFY(QDir().mkpath(Standin::path(Standin::databasePath())));
    local("Tone.m4r", "tone");

    QVERIFY(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0) < 0);
    QVERIFY(api->add_ringtone(0, localName("Tone.m4r").constData(), 1000) < 0);
    QVERIFY(api->commit(0) >= 0);
    QVERIFY(QFileInfo(Standin::path(Standin::databasePath())).isDir());

    QVERIFY(QDir(Standin::path(Standin::databasePath())).removeRecursively());
    QVERIFY(QFile::rename(Standin::path("saved.plist"), Standin::path(Standin::databasePath())));
    QCOMPARE(listAll(api).size(), 3);
}

void TestHandviaUsb::listingChecksTheDatabaseOnce()
{
    QCOMPARE(listAll(api).size(), 0); // the connection's first call also sweeps leftovers
    Standin::write(Standin::databasePath(), tonesXml(500));
    QElapsedTimer first;
    first.start();
    Standin::command("clearcounts");
    QCOMPARE(listAll(api).size(), 500);
    const qint64 firstMs = first.elapsed();
    const int firstTrips = Standin::count("afc");

    Standin::command("clearcounts");
    QElapsedTimer again;
    again.start();
    QCOMPARE(listAll(api).size(), 500);
    const qint64 againMs = again.elapsed();
    QCOMPARE(Standin::count("afc"), 1);
    QVERIFY2(firstTrips < 10, qPrintable(QString::number(firstTrips)));
    qInfo("listing 500 tones: %d round trips in %lld ms, unchanged again: 1 in %lld ms",
          firstTrips,
          firstMs,
          againMs);
}

// The phone restarts once asked and comes back; a phone that is not served is never asked.
void TestHandviaUsb::restartGoesThroughTheDiagnosticsRelay()
{
    QVERIFY(api->restart_phone);
    clearEvents();
    QCOMPARE(api->restart_phone(0), 0);
    QCOMPARE(Standin::count("diag-Restart"), 1);
    QTRY_COMPARE_WITH_TIMEOUT(
            recordedEvents(), QStringList({"0:disconnect", "0:connect"}), eventWait);

    QCOMPARE(api->restart_phone(1), -1);
    Standin::command("detach " + Standin::udid());
    QTRY_VERIFY_WITH_TIMEOUT(recordedEvents().endsWith("0:disconnect"), eventWait);
    QCOMPARE(api->restart_phone(0), -1);
    QCOMPARE(Standin::count("diag-Restart"), 1);
}

QTEST_GUILESS_MAIN(TestHandviaUsb)
#include "tst_handviausb.moc"
