// The device library through its C table, against temporary folders standing for the phone.
#include "bplistbuilder.h"
#include "handviatable.h"
#include "phonefolder.h"
#include "plistvalues.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <plist/plist.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray threeTones = databaseXml(toneXml("AAAA.m4r", "One", "0000000000000001")
                                          + toneXml("BBBB.m4r", "Two", "0000000000000002")
                                          + toneXml("CCCC.m4r", "Three", "0000000000000003"));

QByteArray bigEndian(uint64_t value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

QByteArray box(const char *type, const QByteArray &content)
{
    return bigEndian(uint64_t(8 + content.size()), 4) + type + content;
}

// An MP4 file with only what tells its length: the movie header inside the movie box.
QByteArray movie(int version, uint32_t timescale, uint64_t duration)
{
    const int wide = version == 1 ? 8 : 4;
    const QByteArray header = bigEndian(uint64_t(version) << 24, 4) + bigEndian(1, wide)
            + bigEndian(2, wide) + bigEndian(timescale, 4) + bigEndian(duration, wide)
            + QByteArray(80, '\0');
    return box("ftyp", "M4A \0\0\0\0") + box("free", QByteArray(10, 'f'))
            + box("moov", box("trak", QByteArray(20, 't')) + box("mvhd", header))
            + box("mdat", QByteArray(300, 'a'));
}

// A database whose one unknown value is a tower of arrays, each holding the next one twice:
// small on disk, 2^levels nodes once each reference is built.
QByteArray fannedOutDatabase(int levels)
{
    bplistbuilder::Bplist b;
    int level = b.add(QByteArray(1, '\x09'));
    for (int i = 0; i < levels; ++i)
        level = b.array({level, level});
    return b.bytes(b.dict({{b.ascii("Ringtones"), b.dict({})}, {b.ascii("Fan"), level}}));
}

QByteArray xmlOf(plist_t node)
{
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    const QByteArray bytes(xml, int(length));
    plist_to_xml_free(xml);
    return bytes;
}

// Every file in the ringtone folder, hidden uploads included.
QStringList ringtoneFiles(const PhoneFolder &phone)
{
    return QDir(phone.path("iTunes_Control/Ringtones")).entryList(QDir::Files | QDir::Hidden);
}

// How many of this process's file descriptors are open on the file.
int openCount(const QByteArray &path)
{
    const QString file = QFileInfo(QFile::decodeName(path)).canonicalFilePath();
    int count = 0;
    QDirIterator fds(QStringLiteral("/proc/self/fd"), QDir::Files | QDir::System);
    while (fds.hasNext())
        count += QFileInfo(fds.next()).symLinkTarget() == file ? 1 : 0;
    return count;
}

} // namespace

class TestHandvia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noItunesOnThisPlatform();
    void addThreeThenCommitOnce();
    void removeAndRenameShiftIndexes();
    void kindIsTheMediaKind();
    void badIndexesAndDevices();
    void replaceAndCopyAreByteExact();
    void replaceUpdatesOnlyTotalTime_data();
    void replaceUpdatesOnlyTotalTime();
    void phonePathsStayInsideRingtones_data();
    void phonePathsStayInsideRingtones();
    void readsXmlFromAnotherTool();
    void survivesHostileDatabases_data();
    void survivesHostileDatabases();
    void validDatabasesAreKeptWhole_data();
    void validDatabasesAreKeptWhole();
    void unreadableDatabaseWaitsForANewList_data();
    void unreadableDatabaseWaitsForANewList();
    void titlesCutBetweenCharacters_data();
    void titlesCutBetweenCharacters();
    void failedCommitKeepsStagedChanges();
    void stagedChangesOutliveAnUnplug();
    void anotherPhoneDropsStagedChanges();
    void eventsFollowTheRoot();
    void eventsDoNotWaitForACommit();
    void abandonedLockWaitKeepsTheChanges();
    void twoProcessesCommitAtOnce();
    void everyUnreadableDatabaseStaysBeside();
    void rewritesKeepThreeNumberedBackups();
    void commitKeepsUntouchedValues();
    void xmlThatWouldChangeIsNeverRewritten();
    void errorIsNotAnEmptyPhone();
    void oversizedDatabaseIsNeverWritten();
    void leftoversOfGoneWritersAreRemoved();
    void orphansAreRemovedOnlyIfWeWroteThem();
    void killedWritersLeaveNothingBehind();

private:
    // The library's journal of this phone, found by the upload it records.
    QString journalOf(const QString &fileName) const;

    HandviaApi *api = nullptr;
    QTemporaryDir m_state;
};

void TestHandvia::initTestCase()
{
    QVERIFY(m_state.isValid());
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_state.path()));
    PhoneFolder phone;
    api = handvia_get_api();
    QVERIFY(api);
    QVERIFY(api->get_ringtone && api->add_ringtone && api->commit && api->rename_ringtone);
}

void TestHandvia::noItunesOnThisPlatform()
{
    char path[HANDVIA_ITUNES_PATH_SIZE] = "stale";
    QCOMPARE(api->query_itunes(path, sizeof path), 0u);
    QCOMPARE(path[0], '\0');
}

void TestHandvia::addThreeThenCommitOnce()
{
    PhoneFolder phone;
    const QByteArray contents[] = {"first tone", QByteArray(70000, 'x') + "end", "<third>"};
    const QString sources[] = {phone.writeLocal("First.m4r", contents[0]),
                               phone.writeLocal("Second tone.m4a", contents[1]),
                               phone.writeLocal("a<b>", contents[2])};
    const int lengths[] = {1000, 27500, -20};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(api->add_ringtone(0, QFile::encodeName(sources[i]).constData(), lengths[i]), 0);
    QVERIFY2(!phone.exists(phone.databasePath()), "nothing is written before commit");
    QCOMPARE(api->commit(0), 0);

    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"First", "Second tone", "a&lt;b&gt;"}));
    QCOMPARE(PlistFile::string(PlistFile(phone.read(phone.databasePath())).entry(tones[2].file),
                               "Name"),
             QStringLiteral("a<b>"));
    const QByteArray bytes = phone.read(phone.databasePath());
    QVERIFY(bytes.startsWith("bplist00"));
    const PlistFile db(bytes);
    const QRegularExpression fileName("^[A-Z]{4}\\.m4r$");
    const QRegularExpression guid("^[0-9A-F]{16}$");
    QSet<QString> files, guids;
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(fileName.match(tones[i].file).hasMatch(), qPrintable(tones[i].file));
        QCOMPARE(phone.read("iTunes_Control/Ringtones/" + tones[i].file), contents[i]);
        plist_t entry = db.entry(tones[i].file);
        QVERIFY(guid.match(PlistFile::string(entry, "GUID")).hasMatch());
        QCOMPARE(PlistFile::number(entry, "Total Time"), uint64_t(qMax(lengths[i], 0)));
        const uint64_t pid = PlistFile::number(entry, "PID");
        QVERIFY(pid > 0 && pid < (uint64_t(1) << 63));
        plist_t isProtected = plist_dict_get_item(entry, "Protected Content");
        QVERIFY(isProtected && plist_get_node_type(isProtected) == PLIST_BOOLEAN);
        files << tones[i].file;
        guids << PlistFile::string(entry, "GUID");
    }
    QCOMPARE(files.size(), 3);
    QCOMPARE(guids.size(), 3);
}

void TestHandvia::removeAndRenameShiftIndexes()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    for (const char *file : {"AAAA.m4r", "BBBB.m4r", "CCCC.m4r"})
        phone.write(QStringLiteral("iTunes_Control/Ringtones/") + file, file);

    QCOMPARE(api->remove_ringtone(0, 0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Two", "Three"}));
    QVERIFY2(phone.exists("iTunes_Control/Ringtones/AAAA.m4r"), "deleted only after commit");
    QCOMPARE(api->rename_ringtone(0, 1, "Drei"), 0);
    QCOMPARE(api->commit(0), 0);

    const QVector<Listed> expected = {{"Two", "BBBB.m4r"}, {"Drei", "CCCC.m4r"}};
    QCOMPARE(listAll(api), expected);
    QVERIFY(!phone.exists("iTunes_Control/Ringtones/AAAA.m4r"));
    const PlistFile db(phone.read(phone.databasePath()));
    QCOMPARE(PlistFile::string(db.entry("CCCC.m4r"), "GUID"), QStringLiteral("0000000000000003"));
}

// A text tone is "Media Kind" "tone"; a ringtone has no such key, and a value written by
// another program stays until the entry is made a text tone.
void TestHandvia::kindIsTheMediaKind()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(),
                databaseXml(toneXml("AAAA.m4r", "One", "0000000000000001")
                            + entryXml("BBBB.m4r",
                                       "<key>Name</key><string>Two</string><key>GUID</key>"
                                       "<string>0000000000000002</string><key>Media Kind</key>"
                                       "<string>ringtone</string>")));
    const QString added = phone.writeLocal("Chime.m4r", "chime");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(added).constData(), 2000), 0);
    QCOMPARE(api->set_ringtone_kind(0, 2, HANDVIA_KIND_TONE), 0);
    QCOMPARE(api->set_ringtone_kind(0, 1, HANDVIA_KIND_RINGTONE), 0);
    QCOMPARE(api->commit(0), 0);

    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"One", "Two", "Chime"}));
    QCOMPARE(api->get_ringtone_kind(0, 0), HANDVIA_KIND_RINGTONE);
    QCOMPARE(api->get_ringtone_kind(0, 1), HANDVIA_KIND_RINGTONE);
    QCOMPARE(api->get_ringtone_kind(0, 2), HANDVIA_KIND_TONE);
    {
        const PlistFile db(phone.read(phone.databasePath()));
        QVERIFY(!plist_dict_get_item(db.entry("AAAA.m4r"), "Media Kind"));
        QCOMPARE(PlistFile::string(db.entry("BBBB.m4r"), "Media Kind"), QStringLiteral("ringtone"));
        QCOMPARE(PlistFile::string(db.entry(tones[2].file), "Media Kind"), QStringLiteral("tone"));
    }

    QCOMPARE(api->set_ringtone_kind(0, 2, HANDVIA_KIND_RINGTONE), 0);
    QCOMPARE(api->commit(0), 0);
    QVERIFY(!plist_dict_get_item(PlistFile(phone.read(phone.databasePath())).entry(tones[2].file),
                                 "Media Kind"));
    QCOMPARE(api->get_ringtone_kind(0, 2), HANDVIA_KIND_RINGTONE);

    QVERIFY(api->set_ringtone_kind(0, 0, 2) < 0);
    QVERIFY(api->set_ringtone_kind(0, 3, HANDVIA_KIND_TONE) < 0);
    QVERIFY(api->set_ringtone_kind(1, 0, HANDVIA_KIND_TONE) < 0);
    QVERIFY(api->get_ringtone_kind(0, 3) < 0);
    QVERIFY(api->get_ringtone_kind(0, -1) < 0);
}

void TestHandvia::badIndexesAndDevices()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    char title[8], file[8];
    QVERIFY(api->get_ringtone(0, 3, title, sizeof title, file, sizeof file) < 0);
    QVERIFY(api->get_ringtone(0, -1, title, sizeof title, file, sizeof file) < 0);
    QVERIFY(api->get_ringtone(1, 0, title, sizeof title, file, sizeof file) < 0);
    QVERIFY(api->remove_ringtone(0, 3) < 0);
    QVERIFY(api->rename_ringtone(0, -1, "x") < 0);
    QVERIFY(api->rename_ringtone(0, 0, nullptr) < 0);
    QVERIFY(api->remove_ringtone(1, 0) < 0);
    QVERIFY(api->commit(2) < 0);
    QVERIFY(api->add_ringtone(0, nullptr, 10) < 0);
    QVERIFY(api->add_ringtone(0, "/no/such/file.m4r", 10) < 0);
    QVERIFY(api->add_ringtone(0, QFile::encodeName(phone.root()).constData(), 10) < 0);
    QVERIFY(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0) >= 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Three"}));
    QCOMPARE(QDir(phone.path("iTunes_Control/Ringtones")).entryList(QDir::Files), QStringList());
}

void TestHandvia::replaceAndCopyAreByteExact()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    phone.write("iTunes_Control/Ringtones/BBBB.m4r", "old");
    QByteArray every;
    for (int i = 0; i < 256 * 300; ++i)
        every += char(i % 251);
    const QString source = phone.writeLocal("new.m4r", every);

    QCOMPARE(api->replace_on_phone(0,
                                   "/iTunes_Control/Ringtones/BBBB.m4r",
                                   QFile::encodeName(source).constData()),
             0);
    QCOMPARE(phone.read("iTunes_Control/Ringtones/BBBB.m4r"), every);
    const QString copy = phone.localPath("saved.m4r");
    phone.writeLocal("saved.m4r", "to be overwritten");
    QCOMPARE(api->copy_from_phone(
                     0, "/iTunes_Control/Ringtones/BBBB.m4r", QFile::encodeName(copy).constData()),
             0);
    {
        QFile saved(copy);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), every);
    }
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Three"}));
    QVERIFY2(api->replace_on_phone(
                     0, "/iTunes_Control/Ringtones/ZZZZ.m4r", QFile::encodeName(source).constData())
                     < 0,
             "replacing never creates an unlisted file");
    QVERIFY(!phone.exists("iTunes_Control/Ringtones/ZZZZ.m4r"));
}

void TestHandvia::replaceUpdatesOnlyTotalTime_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<uint64_t>("totalTime");
    QTest::newRow("header version 0") << movie(0, 44100, 1102500) << uint64_t(25000);
    QTest::newRow("header version 1") << movie(1, 1000, 25000) << uint64_t(25000);
    QTest::newRow("rounded down") << movie(0, 600, 1000) << uint64_t(1666);
    QTest::newRow("length unknown") << movie(0, 600, 0xFFFFFFFFu) << uint64_t(9851);
    QTest::newRow("no movie header") << QByteArray("not an mp4 file") << uint64_t(9851);
    QTest::newRow("box past the end") << movie(0, 600, 6000).left(60) << uint64_t(9851);
}

void TestHandvia::replaceUpdatesOnlyTotalTime()
{
    QFETCH(QByteArray, content);
    QFETCH(uint64_t, totalTime);
    PhoneFolder phone;
    const QByteArray kept = "<key>GUID</key><string>00000000000000B2</string>"
                            "<key>Name</key><string>Two</string>"
                            "<key>Media Kind</key><string>tone</string>"
                            "<key>Total Time</key><integer>9851</integer>"
                            "<key>PID</key><integer>77</integer>"
                            "<key>Artist</key><string>Someone</string>";
    phone.write(phone.databasePath(),
                databaseXml(toneXml("AAAA.m4r", "One", "00000000000000A1")
                            + entryXml("BBBB.m4r", kept)
                            + toneXml("CCCC.m4r", "Three", "00000000000000C3")));
    phone.write("iTunes_Control/Ringtones/BBBB.m4r", "old");
    const PlistFile before(phone.read(phone.databasePath()));
    const QString source = phone.writeLocal("new.m4r", content);

    QCOMPARE(api->replace_on_phone(0,
                                   "/iTunes_Control/Ringtones/BBBB.m4r",
                                   QFile::encodeName(source).constData()),
             0);
    QCOMPARE(phone.read("iTunes_Control/Ringtones/BBBB.m4r"), content);
    const PlistFile after(phone.read(phone.databasePath()));
    QCOMPARE(after.files(), before.files());
    QCOMPARE(PlistFile::number(after.entry("BBBB.m4r"), "Total Time"), totalTime);
    plist_set_uint_val(plist_dict_get_item(before.entry("BBBB.m4r"), "Total Time"), totalTime);
    for (const QString &file : before.files())
        QCOMPARE(xmlOf(after.entry(file)), xmlOf(before.entry(file)));
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Three"}));
}

void TestHandvia::phonePathsStayInsideRingtones_data()
{
    QTest::addColumn<QByteArray>("phonePath");
    QTest::newRow("parent") << QByteArray("/iTunes_Control/Ringtones/../iTunes/Ringtones.plist");
    QTest::newRow("dot-dot") << QByteArray("../outside.txt");
    QTest::newRow("absolute") << QByteArray("/etc/passwd");
    QTest::newRow("database") << QByteArray("/iTunes_Control/iTunes/Ringtones.plist");
    QTest::newRow("folder") << QByteArray("/iTunes_Control/Ringtones/");
    QTest::newRow("symlink") << QByteArray("/iTunes_Control/Ringtones/LINK.m4r");
    QTest::newRow("empty") << QByteArray("");
}

void TestHandvia::phonePathsStayInsideRingtones()
{
    QFETCH(QByteArray, phonePath);
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    phone.write("outside.txt", "secret");
    QDir().mkpath(phone.path("iTunes_Control/Ringtones"));
    QFile::link(phone.path("outside.txt"), phone.path("iTunes_Control/Ringtones/LINK.m4r"));
    const QByteArray database = phone.read(phone.databasePath());
    const QString source = phone.writeLocal("payload", "payload");
    const QString target = phone.localPath("out");

    QVERIFY(api->replace_on_phone(0, phonePath, QFile::encodeName(source).constData()) < 0);
    QVERIFY(api->copy_from_phone(0, phonePath, QFile::encodeName(target).constData()) < 0);
    QCOMPARE(phone.read("outside.txt"), QByteArray("secret"));
    QCOMPARE(phone.read(phone.databasePath()), database);
    QVERIFY(!QFile::exists(target));
}

void TestHandvia::readsXmlFromAnotherTool()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(),
                databaseXml(entryXml("NONA.m4r", "<key>GUID</key><string>00000000000000AA</string>")
                            + entryXml("KEEP.m4r",
                                       "<key>Name</key><string>Caf\xC3\xA9 &amp;lt;1&amp;gt;"
                                       "</string><key>GUID</key><string>00000000000000BB</string>"
                                       "<key>Custom</key><string>kept</string>")));
    QCOMPARE(listAll(api), QVector<Listed>({{QString::fromUtf8("Café &lt;1&gt;"), "KEEP.m4r"}}));

    QCOMPARE(api->rename_ringtone(0, 0, "Renamed"), 0);
    QCOMPARE(api->commit(0), 0);
    const PlistFile db(phone.read(phone.databasePath()));
    QCOMPARE(PlistFile::string(db.entry("KEEP.m4r"), "Custom"), QStringLiteral("kept"));
    QCOMPARE(PlistFile::string(db.entry("KEEP.m4r"), "Name"), QStringLiteral("Renamed"));
    QVERIFY2(db.entry("NONA.m4r"), "entries the phone drops are kept untouched");
    QVERIFY(PlistFile::string(db.entry("NONA.m4r"), "Name").isNull());
}

void TestHandvia::survivesHostileDatabases_data()
{
    QTest::addColumn<QByteArray>("database");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("keptAside"); // read with its text repaired: the original kept
    QTest::addColumn<bool>("unreadable");

    const QByteArray good = toneXml("GOOD.m4r", "Good", "0000000000000009");
    QTest::newRow("escaping names")
            << databaseXml(toneXml("../x", "Up", "1") + toneXml("/etc/passwd", "Abs", "2")
                           + toneXml("a/b.m4r", "Sub", "3") + toneXml("..", "Dots", "4") + good)
            << QStringList({"Good"}) << false << false;
    QTest::newRow("missing name or guid")
            << databaseXml(entryXml("NONA.m4r", "<key>GUID</key><string>1</string>")
                           + entryXml("NOGU.m4r", "<key>Name</key><string>x</string>") + good)
            << QStringList({"Good"}) << false << false;
    QTest::newRow("wrong types") << databaseXml(
            entryXml("INTN.m4r",
                     "<key>Name</key><integer>5</integer>"
                     "<key>GUID</key><string>1</string>")
            + "<key>ARRY.m4r</key><array/>"
            + entryXml("TIME.m4r",
                       "<key>Name</key><string>Odd time</string><key>GUID</key>"
                       "<string>2</string><key>Total Time</key><string>x</string>"))
                                 << QStringList({"Odd time"}) << false << false;
    QTest::newRow("non-utf8 title")
            << databaseXml(toneXml("BYTE.m4r", "A\xFF\xC3", "1"))
            << QStringList({QString::fromUtf8("A\xEF\xBF\xBD\xEF\xBF\xBD")}) << true << false;
    QTest::newRow("ringtones not a dict")
            << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Ringtones</key>"
                          "<array><string>x</string></array></dict></plist>")
            << QStringList() << false << true;
    QTest::newRow("root not a dict")
            << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>")
            << QStringList() << false << true;
    QTest::newRow("nul in a name") << databaseXml(toneXml("A&#0;B.m4r", "Nul", "1") + good)
                                   << QStringList() << false << true;
    QTest::newRow("garbage") << QByteArray("\x00\x01garbage", 9) << QStringList() << false << true;

    plist_t root = nullptr;
    const QByteArray xml = databaseXml(good);
    plist_from_memory(xml.constData(), uint32_t(xml.size()), &root);
    char *binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &binary, &length);
    const QByteArray bin(binary, int(length));
    plist_to_bin_free(binary);
    plist_free(root);
    QTest::newRow("binary") << bin << QStringList({"Good"}) << false << false;
    QTest::newRow("truncated binary")
            << bin.left(bin.size() - 12) << QStringList() << false << true;
    QTest::newRow("empty file") << QByteArray() << QStringList() << false << false;
    QTest::newRow("no list yet") << QByteArray(
            "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Other</key>"
            "<string>x</string></dict></plist>")
                                 << QStringList() << false << false;
}

void TestHandvia::survivesHostileDatabases()
{
    QFETCH(QByteArray, database);
    QFETCH(QStringList, titles);
    QFETCH(bool, keptAside);
    QFETCH(bool, unreadable);
    PhoneFolder phone;
    phone.write(phone.databasePath(), database);
    phone.write("x", "outside");
    QCOMPARE(titlesOf(listAll(api)), titles);

    const QString source = phone.writeLocal("Added.m4r", "added");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 5), 0);
    if (unreadable) {
        QCOMPARE(api->commit(0), HANDVIA_E_DATABASE_UNREADABLE);
        QCOMPARE(phone.read(phone.databasePath()), database);
        QCOMPARE(phone.read("x"), QByteArray("outside"));
        return;
    }
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), titles + QStringList({"Added"}));
    QCOMPARE(phone.read("x"), QByteArray("outside"));
    const QString backup = phone.databasePath() + ".bak";
    QCOMPARE(phone.exists(backup), keptAside);
    if (keptAside)
        QCOMPARE(phone.read(backup), database);
}

void TestHandvia::validDatabasesAreKeptWhole_data()
{
    QTest::addColumn<QByteArray>("database");
    QTest::addColumn<QStringList>("titles");

    using bplistbuilder::Bplist;
    const QStringList plain = {"Plain", "Odd one"};
    const auto value = [](const QByteArray &object) {
        return [object](Bplist &b) { return b.add(object); };
    };
    const QByteArray nulText("\x53"
                             "a\0b",
                             4);
    QTest::newRow("nul in an unrelated string")
            << bplistbuilder::binaryDatabase(value(nulText)) << plain;
    QTest::newRow("nul in utf-16 text") << bplistbuilder::binaryDatabase([](Bplist &b) {
        return b.utf16({'a', 0, 0xE9});
    }) << plain;
    QTest::newRow("nul in a title") << bplistbuilder::binaryDatabase(value(nulText), true)
                                    << QStringList({"Plain",
                                                    QString::fromUtf8("a\xEF\xBF\xBD"
                                                                      "b")});
    QTest::newRow("8-byte uid") << bplistbuilder::binaryDatabase(
            value(QByteArray("\x87\x01\x02\x03\x04\x05\x06\x07\x08")))
                                << plain;
    QTest::newRow("3-byte uid") << bplistbuilder::binaryDatabase(
            value(QByteArray("\x82\x01\x00\x01", 4)))
                                << plain;
    QTest::newRow("empty utf-16 string") << bplistbuilder::binaryDatabase(value("\x60")) << plain;
    QTest::newRow("empty utf-16 title")
            << bplistbuilder::binaryDatabase(value("\x60"), true) << QStringList({"Plain", ""});

    Bplist b;
    const int tone = b.dict({{b.ascii("Name"), b.ascii("Keyed")}, {b.ascii("GUID"), b.ascii("7")}});
    const int tones = b.dict({{b.ascii("KEYD.m4r"), tone}});
    const int oddKey = b.add(QByteArray("\x54Od\0d", 5));
    QTest::newRow("nul in an unrelated key")
            << b.bytes(b.dict({{b.ascii("Ringtones"), tones}, {oddKey, b.add("\x60")}}))
            << QStringList({"Keyed"});
    QTest::newRow("byte-order mark before xml")
            << "\xEF\xBB\xBF" + threeTones << QStringList({"One", "Two", "Three"});
}

// Valid databases the plist library cannot read: listed whole, added to, and every other
// value written back as read, as an independent reader finds them.
void TestHandvia::validDatabasesAreKeptWhole()
{
    QFETCH(QByteArray, database);
    QFETCH(QStringList, titles);
    PhoneFolder phone;
    phone.write(phone.databasePath(), database);
    QCOMPARE(titlesOf(listAll(api)), titles);

    const QString source = phone.writeLocal("Added.m4r", "added");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 5), 0);
    QCOMPARE(api->commit(0), 0);
    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), titles + QStringList({"Added"}));

    const QByteArray written = phone.read(phone.databasePath());
    QVERIFY(written.startsWith("bplist00"));
    const QVector<PlistValues> read = readPlistValues({database, written}, {tones.last().file});
    QVERIFY2(read.size() == 2, "the independent plist reader failed");
    QVERIFY2(!read[0].values.isNull(), "the fixture is not a valid plist");
    QCOMPARE(read[1].values, read[0].values);
    if (database.startsWith("bplist00"))
        QCOMPARE(read[1].raw, read[0].raw);
    QCOMPARE(phone.read("iTunes_Control/iTunes/Ringtones.1.plist"), database);
}

void TestHandvia::unreadableDatabaseWaitsForANewList_data()
{
    QTest::addColumn<QByteArray>("database");

    QTest::newRow("garbage") << QByteArray("\x00\x01garbage", 9);
    QTest::newRow("truncated binary")
            << bplistbuilder::binaryDatabase([](bplistbuilder::Bplist &b) {
                   return b.ascii("x");
               }).chopped(12);
    QTest::newRow("list not a dict")
            << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Ringtones</key>"
                          "<string>x</string></dict></plist>");
    QTest::newRow("nul in xml") << databaseXml(toneXml("A&#0;B.m4r", "Nul", "1"));
    QTest::newRow("shared objects beyond bounds") << fannedOutDatabase(30);
}

// Never replaced behind the user's back: the commit fails with the changes kept and writes
// nothing, until a new list is asked for; the old file then stays beside the new one.
void TestHandvia::unreadableDatabaseWaitsForANewList()
{
    QFETCH(QByteArray, database);
    PhoneFolder phone;
    phone.write(phone.databasePath(), database);
    QVERIFY(api->start_new_database);
    QCOMPARE(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0), HANDVIA_E_DATABASE_UNREADABLE);
    const QString source = phone.writeLocal("Added.m4r", "added");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 5), 0);

    for (int attempt = 0; attempt < 2; ++attempt)
        QCOMPARE(api->commit(0), HANDVIA_E_DATABASE_UNREADABLE);
    QCOMPARE(phone.read(phone.databasePath()), database);
    const QDir folder(phone.path("iTunes_Control/iTunes"));
    QCOMPARE(folder.entryList(QDir::Files), QStringList({"Ringtones.plist"}));
    QCOMPARE(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0), HANDVIA_E_DATABASE_UNREADABLE);

    QCOMPARE(api->start_new_database(0), 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Added"}));
    const QStringList aside = folder.entryList({"Ringtones.unreadable-*.plist"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QVERIFY2(QRegularExpression("^Ringtones\\.unreadable-\\d{8}-\\d{6}\\.plist$")
                     .match(aside[0])
                     .hasMatch(),
             qPrintable(aside[0]));
    QCOMPARE(phone.read("iTunes_Control/iTunes/" + aside[0]), database);
    // A readable list is never moved.
    QCOMPARE(api->start_new_database(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Added"}));
}

void TestHandvia::titlesCutBetweenCharacters_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray e = "\xC3\xA9"; // two bytes
    const QByteArray clef = "\xF0\x9D\x84\x9E"; // four bytes
    QTest::newRow("fits") << QByteArray("Tone") << 256 << QByteArray("Tone");
    QTest::newRow("long ascii") << QByteArray(600, 'a') << 256 << QByteArray(255, 'a');
    QTest::newRow("two-byte at the cut") << e.repeated(200) << 256 << e.repeated(127);
    QTest::newRow("four-byte at the cut")
            << ("ab" + clef.repeated(100)) << 256 << ("ab" + clef.repeated(63));
    QTest::newRow("no room") << e << 2 << QByteArray();
    QTest::newRow("terminator only") << QByteArray("abc") << 1 << QByteArray();
    QTest::newRow("invalid bytes") << QByteArray("x\x80y") << 256 << QByteArray("x\xEF\xBF\xBDy");
}

void TestHandvia::titlesCutBetweenCharacters()
{
    QFETCH(QByteArray, title);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    QCOMPARE(api->rename_ringtone(0, 1, title.constData()), 0);
    QCOMPARE(api->commit(0), 0);

    QByteArray titleBuffer(300, '#');
    QByteArray fileBuffer(300, '#');
    QCOMPARE(api->get_ringtone(0, 1, titleBuffer.data(), size, fileBuffer.data(), size), 0);
    QCOMPARE(QByteArray(titleBuffer.constData()), expected);
    QCOMPARE(titleBuffer.at(size), '#');
    QCOMPARE(QByteArray(fileBuffer.constData()), QByteArray("BBBB.m4r").left(size - 1));
}

void TestHandvia::failedCommitKeepsStagedChanges()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    const QByteArray before = phone.read(phone.databasePath());
    // A folder where this writer's temporary file should go makes the write fail.
    const QString temp = phone.databasePath() + ".handvia-"
            + QString::number(QCoreApplication::applicationPid()) + ".tmp";
    phone.write(temp + "/blocker", "x");
    const QString source = phone.writeLocal("New.m4r", "new");

    QCOMPARE(api->rename_ringtone(0, 0, "Changed"), 0);
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 10), 0);
    QCOMPARE(api->set_ringtone_kind(0, 3, HANDVIA_KIND_TONE), 0);
    QVERIFY(api->commit(0) < 0);
    QCOMPARE(phone.read(phone.databasePath()), before);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Changed", "Two", "Three", "New"}));
    QCOMPARE(api->get_ringtone_kind(0, 3), HANDVIA_KIND_TONE);
    QCOMPARE(ringtoneFiles(phone).size(), 1); // the upload, kept for the next commit

    QVERIFY(QDir(phone.path(temp)).removeRecursively());
    QCOMPARE(api->commit(0), 0);
    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"Changed", "Two", "Three", "New"}));
    QCOMPARE(phone.read("iTunes_Control/Ringtones/" + tones[3].file), QByteArray("new"));
    QCOMPARE(PlistFile::string(PlistFile(phone.read(phone.databasePath())).entry(tones[3].file),
                               "Media Kind"),
             QStringLiteral("tone"));
}

void TestHandvia::stagedChangesOutliveAnUnplug()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    const QByteArray before = phone.read(phone.databasePath());
    const QString control = phone.path("iTunes_Control");
    const QString source = phone.writeLocal("Added.m4r", "added tone");

    QCOMPARE(api->rename_ringtone(0, 2, "Renamed"), 0);
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 10), 0);
    QVERIFY2(QDir(phone.path("iTunes_Control/Ringtones")).entryList(QDir::Files).isEmpty(),
             "an upload has no name the phone lists");
    QVERIFY(QDir().rename(control, control + ".away"));
    QVERIFY(api->commit(0) < 0);
    QVERIFY(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0) < 0);
    QVERIFY(QDir().rename(control + ".away", control));
    QCOMPARE(phone.read(phone.databasePath()), before);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Renamed", "Added"}));

    QCOMPARE(api->commit(0), 0);
    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"One", "Two", "Renamed", "Added"}));
    QCOMPARE(phone.read("iTunes_Control/Ringtones/" + tones[3].file), QByteArray("added tone"));
    QCOMPARE(ringtoneFiles(phone), QStringList({tones[3].file}));
}

void TestHandvia::anotherPhoneDropsStagedChanges()
{
    PhoneFolder first;
    first.write(first.databasePath(), threeTones);
    const QByteArray before = first.read(first.databasePath());
    const QString source = first.writeLocal("Added.m4r", "added tone");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 10), 0);
    QCOMPARE(ringtoneFiles(first).size(), 1);

    PhoneFolder second;
    QCOMPARE(api->commit(0), HANDVIA_E_OTHER_PHONE);
    QCOMPARE(listAll(api).size(), 0);
    QCOMPARE(api->commit(0), 0);
    QVERIFY(!second.exists(second.databasePath()));
    QCOMPARE(ringtoneFiles(second), QStringList());

    qputenv("HANDVIA_ROOT", QFile::encodeName(first.root()));
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Three"}));
    QCOMPARE(ringtoneFiles(first), QStringList());
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(first.read(first.databasePath()), before);
}

void TestHandvia::eventsFollowTheRoot()
{
    PhoneFolder phone(PhoneFolder::Empty);
    QCOMPARE(api->set_event_callback(recordEvent), 0);
    clearEvents();

    QVERIFY(QDir().mkpath(phone.path("iTunes_Control")));
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:connect"}), 10000);
    QVERIFY(QDir(phone.root()).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:connect", "0:disconnect"}), 10000);

    QVERIFY(QDir().mkpath(phone.path("iTunes_Control")));
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents().size(), 3, 10000);
    clearEvents();
    QCOMPARE(api->set_event_callback(recordEvent), 0);
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:connect"}), 10000);
    QCOMPARE(api->set_event_callback(nullptr), 0);
}

void TestHandvia::eventsDoNotWaitForACommit()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    clearEvents();
    QCOMPARE(api->set_event_callback(recordEvent), 0);
    QTRY_VERIFY_WITH_TIMEOUT(recordedEvents().contains("0:connect"), 10000);
    clearEvents();
    // Another writer holds the lock, so the commit waits for it.
    const QByteArray lockPath
            = QFile::encodeName(phone.path("iTunes_Control/iTunes/.handvia.lock"));
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0644);
    QVERIFY(fd >= 0 && flock(fd, LOCK_EX) == 0);
    QCOMPARE(api->rename_ringtone(0, 0, "Waiting"), 0);
    std::atomic<int> result {1};
    std::thread committer([&] { result = api->commit(0); });
    // The commit opens the lock file and keeps it open while it waits for the lock.
    QTRY_COMPARE_WITH_TIMEOUT(openCount(lockPath), 2, 10000);

    QVERIFY(QDir(phone.path("iTunes_Control")).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(recordedEvents(), QStringList({"0:disconnect"}), 4000);
    QCOMPARE(result.load(), 1);
    committer.join();
    ::close(fd);
    QVERIFY(result < 0);
    QCOMPARE(api->set_event_callback(nullptr), 0);
}

// A closing program has a commit that waits for another writer's lock give up long before the
// wait would end; nothing is written, and nothing is lost: the staged tone goes in later.
void TestHandvia::abandonedLockWaitKeepsTheChanges()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    const QByteArray before = phone.read(phone.databasePath());
    const QString source = phone.writeLocal("Closing.m4r", "closing");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 5), 0);
    const QByteArray lockPath
            = QFile::encodeName(phone.path("iTunes_Control/iTunes/.handvia.lock"));
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0644);
    QVERIFY(fd >= 0 && flock(fd, LOCK_EX) == 0);
    std::atomic<int> result {1};
    std::thread committer([&] { result = api->commit(0); });
    QTRY_COMPARE_WITH_TIMEOUT(openCount(lockPath), 2, 10000);

    QCOMPARE(api->abandon_waits(0, 1), 0);
    // Well within the 10 s the lock is waited for.
    QTRY_VERIFY_WITH_TIMEOUT(result != 1, 5000);
    committer.join();
    QVERIFY(result < 0);
    QCOMPARE(phone.read(phone.databasePath()), before);

    ::close(fd);
    QCOMPARE(api->abandon_waits(0, 0), 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Three", "Closing"}));
    for (const QString &file : ringtoneFiles(phone))
        QVERIFY2(!file.endsWith(QLatin1String(".part")), qPrintable(file));
}

void TestHandvia::twoProcessesCommitAtOnce()
{
    PhoneFolder phone;
    QProcess writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i].start(QStringLiteral(HANDVIA_WRITER),
                         {phone.root(),
                          phone.localPath(QString()),
                          QStringLiteral("w%1").arg(i),
                          QStringLiteral("12")});
    QStringList acknowledged;
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(120000));
        QCOMPARE(writer.exitCode(), 0);
        acknowledged += QString::fromUtf8(writer.readAllStandardOutput())
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QCOMPARE(acknowledged.size(), 24);

    const QVector<Listed> tones = listAll(api);
    QSet<QString> listed;
    for (const Listed &tone : tones) {
        listed << tone.title;
        QCOMPARE(phone.read("iTunes_Control/Ringtones/" + tone.file), tone.title.toUtf8());
    }
    for (const QString &title : acknowledged)
        QVERIFY2(listed.contains(title), qPrintable(title));
    const PlistFile db(phone.read(phone.databasePath()));
    for (const QString &file : db.files())
        QVERIFY2(phone.exists("iTunes_Control/Ringtones/" + file), qPrintable(file));
}

void TestHandvia::everyUnreadableDatabaseStaysBeside()
{
    PhoneFolder phone;
    const QString source = phone.writeLocal("Added.m4r", "added");
    const QByteArray garbage[] = {"first garbage", "second garbage", fannedOutDatabase(30)};
    for (const QByteArray &bytes : garbage) {
        phone.write(phone.databasePath(), bytes);
        QCOMPARE(listAll(api).size(), 0);
        QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 5), 0);
        QCOMPARE(api->commit(0), HANDVIA_E_DATABASE_UNREADABLE);
        QCOMPARE(api->start_new_database(0), 0);
        QCOMPARE(api->commit(0), 0);
    }
    // Within one second the names take a number.
    const QDir folder(phone.path("iTunes_Control/iTunes"));
    QSet<QByteArray> kept;
    for (const QString &name : folder.entryList({"Ringtones.unreadable-*"}, QDir::Files))
        kept << phone.read("iTunes_Control/iTunes/" + name);
    QCOMPARE(kept, QSet<QByteArray>({garbage[0], garbage[1], garbage[2]}));
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Added"}));
}

void TestHandvia::rewritesKeepThreeNumberedBackups()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    QByteArrayList versions = {phone.read(phone.databasePath())};
    for (const char *title : {"A", "B", "C", "D"}) {
        QCOMPARE(api->rename_ringtone(0, 0, title), 0);
        QCOMPARE(api->commit(0), 0);
        versions << phone.read(phone.databasePath());
    }
    QCOMPARE(titlesOf(listAll(api)), QStringList({"D", "Two", "Three"}));
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(phone.read(QStringLiteral("iTunes_Control/iTunes/Ringtones.%1.plist").arg(n)),
                 versions[versions.size() - 1 - n]);
    QCOMPARE(QDir(phone.path("iTunes_Control/iTunes")).entryList({"*.plist*"}, QDir::Files),
             QStringList({"Ringtones.1.plist",
                          "Ringtones.2.plist",
                          "Ringtones.3.plist",
                          "Ringtones.plist"}));
}

void TestHandvia::commitKeepsUntouchedValues()
{
    PhoneFolder phone;
    // A title holding a lone surrogate, which the plist library reads without it, under an
    // unknown key at every level too.
    const QByteArray database = bplistbuilder::binaryDatabase(
            [](bplistbuilder::Bplist &b) {
                return b.utf16({'A', 0xD800, 'B'});
            },
            true);
    phone.write(phone.databasePath(), database);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"Plain", "AB"}));

    QCOMPARE(api->rename_ringtone(0, 0, "Renamed"), 0);
    const QString source = phone.writeLocal("Added.m4r", "added");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 5), 0);
    QCOMPARE(api->commit(0), 0);
    const QVector<Listed> tones = listAll(api);
    QCOMPARE(titlesOf(tones), QStringList({"Renamed", "AB", "Added"}));

    const QByteArray written = phone.read(phone.databasePath());
    const QVector<PlistValues> read
            = readPlistValues({database, written}, {"PLAN.m4r/Name", tones[2].file});
    QVERIFY2(read.size() == 2, "the independent plist reader failed");
    QCOMPARE(read[1].raw, read[0].raw);
    QCOMPARE(phone.read("iTunes_Control/iTunes/Ringtones.1.plist"), database);
}

void TestHandvia::xmlThatWouldChangeIsNeverRewritten()
{
    PhoneFolder phone;
    const QByteArray kept = databaseXml(
            toneXml("AAAA.m4r", "One", "1")
            + entryXml("BBBB.m4r",
                       "<key>Name</key><string>Two</string><key>GUID</key><string>2</string>"
                       "<key>Count</key><integer>"
                               + QByteArray(5000, '9') + "</integer>"));
    phone.write(phone.databasePath(), kept);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two"}));
    const QString source = phone.writeLocal("Added.m4r", "added");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 5), 0);

    QCOMPARE(api->commit(0), HANDVIA_E_DATABASE_KEPT);
    QCOMPARE(phone.read(phone.databasePath()), kept);
    QCOMPARE(QDir(phone.path("iTunes_Control/iTunes")).entryList({"*.plist*"}, QDir::Files),
             QStringList({"Ringtones.plist"}));
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Added"}));

    // Once the database holds only what the binary form carries, the staged add goes in.
    phone.write(phone.databasePath(),
                databaseXml(toneXml("AAAA.m4r", "One", "1") + toneXml("BBBB.m4r", "Two", "2")));
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Added"}));
    QVERIFY(phone.read(phone.databasePath()).startsWith("bplist00"));
}

void TestHandvia::errorIsNotAnEmptyPhone()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    QCOMPARE(listAll(api).size(), 3);
    // Present but unreadable: never taken for a phone without ringtones.
    QVERIFY(QFile::rename(phone.path(phone.databasePath()), phone.path("saved.plist")));
    QVERIFY(QDir().mkpath(phone.path(phone.databasePath())));
    const QString source = phone.writeLocal("New.m4r", "new");

    QVERIFY(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0) < 0);
    QVERIFY(api->add_ringtone(0, QFile::encodeName(source).constData(), 5) < 0);
    QCOMPARE(api->commit(0), 0);
    QVERIFY(QDir(phone.path(phone.databasePath())).removeRecursively());
    QVERIFY(QFile::rename(phone.path("saved.plist"), phone.path(phone.databasePath())));
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Three"}));
}

void TestHandvia::oversizedDatabaseIsNeverWritten()
{
    PhoneFolder phone;
    plist_t root = nullptr;
    const QByteArray xml = threeTones;
    plist_from_memory(xml.constData(), uint32_t(xml.size()), &root);
    plist_t tones = plist_dict_get_item(root, "Ringtones");
    const QByteArray blob(16 * 1024 * 1024 - 2048, 'b');
    plist_dict_set_item(plist_dict_get_item(tones, "AAAA.m4r"),
                        "Artwork",
                        plist_new_data(blob.constData(), uint64_t(blob.size())));
    char *binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &binary, &length);
    phone.write(phone.databasePath(), QByteArray(binary, int(length)));
    plist_to_bin_free(binary);
    plist_free(root);
    const QByteArray before = phone.read(phone.databasePath());
    QCOMPARE(listAll(api).size(), 3);

    QCOMPARE(api->rename_ringtone(0, 1, QByteArray(4096, 't').constData()), 0);
    QVERIFY(api->commit(0) < 0);
    QVERIFY(phone.read(phone.databasePath()) == before);
    QCOMPARE(api->rename_ringtone(0, 1, "Short"), 0);
    QCOMPARE(api->commit(0), 0);
    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Short", "Three"}));
}

void TestHandvia::leftoversOfGoneWritersAreRemoved()
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForFinished());
    const QString dead = QString::number(gone.processId() ? gone.processId() : 999999);
    QProcess running;
    running.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(running.waitForStarted());
    const QString alive = QString::number(running.processId());

    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    const QStringList deadFiles = {"iTunes_Control/iTunes/Ringtones.plist.handvia-" + dead + ".tmp",
                                   "iTunes_Control/Ringtones/.AAAA.m4r.handvia-" + dead + ".part"};
    const QStringList kept = {"iTunes_Control/iTunes/Ringtones.plist.handvia-" + alive + ".tmp",
                              "iTunes_Control/Ringtones/.BBBB.m4r.handvia-" + alive + ".part",
                              "iTunes_Control/Ringtones/.CCCC.m4r.other-" + dead + ".part",
                              "iTunes_Control/iTunes/Ringtones.plist.bak"};
    for (const QString &file : deadFiles + kept)
        phone.write(file, "x");

    QCOMPARE(listAll(api).size(), 3);
    for (const QString &file : deadFiles)
        QVERIFY2(!phone.exists(file), qPrintable(file));
    for (const QString &file : kept)
        QVERIFY2(phone.exists(file), qPrintable(file));
    running.kill();
    running.waitForFinished();
}

QString TestHandvia::journalOf(const QString &fileName) const
{
    QDirIterator it(m_state.path(),
                    {QStringLiteral("*.journal")},
                    QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile journal(it.next());
        if (journal.open(QIODevice::ReadOnly)
            && journal.readAll().contains(" " + fileName.toUtf8()))
            return journal.fileName();
    }
    return {};
}

void TestHandvia::orphansAreRemovedOnlyIfWeWroteThem()
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const QByteArray dead = QByteArray::number(gone.processId());
    QVERIFY(gone.waitForFinished());
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    for (const char *file : {"AAAA.m4r", "BBBB.m4r", "CCCC.m4r"})
        phone.write(QStringLiteral("iTunes_Control/Ringtones/") + file, file);
    const QString source = phone.writeLocal("Added.m4r", "added");
    QCOMPARE(api->add_ringtone(0, QFile::encodeName(source).constData(), 10), 0);
    const QString upload = ringtoneFiles(phone).filter(QStringLiteral(".part")).value(0);
    const QString added = upload.mid(1, 8);
    const QString journal = journalOf(added);
    QVERIFY2(!journal.isEmpty(), qPrintable(upload));
    QCOMPARE(api->commit(0), 0);

    // A writer that died after naming its upload, before the database named it.
    QFile records(journal);
    QVERIFY(records.open(QIODevice::Append));
    records.write(dead + " ZZZZ.m4r\n" + dead + " AAAA.m4r\n");
    records.close();
    phone.write("iTunes_Control/Ringtones/ZZZZ.m4r", "orphan of ours");
    phone.write("iTunes_Control/Ringtones/YYYY.m4r", "another program's");
    const QString control = phone.path("iTunes_Control");
    QVERIFY(QDir().rename(control, control + ".away"));
    QVERIFY(api->get_ringtone(0, 0, nullptr, 0, nullptr, 0) < 0);
    QVERIFY(QDir().rename(control + ".away", control));

    QCOMPARE(titlesOf(listAll(api)), QStringList({"One", "Two", "Three", "Added"}));
    QStringList expected = {"AAAA.m4r", "BBBB.m4r", "CCCC.m4r", added, "YYYY.m4r"};
    expected.sort();
    QStringList files = ringtoneFiles(phone);
    files.sort();
    QCOMPARE(files.join(' '), expected.join(' '));
    QVERIFY(records.open(QIODevice::ReadOnly));
    QCOMPARE(records.readAll(), QByteArray());
}

void TestHandvia::killedWritersLeaveNothingBehind()
{
    PhoneFolder phone;
    phone.write(phone.databasePath(), threeTones);
    for (const char *file : {"AAAA.m4r", "BBBB.m4r", "CCCC.m4r"})
        phone.write(QStringLiteral("iTunes_Control/Ringtones/") + file, file);
    const int killsWanted = 30;
    QProcess writers[3];
    QStringList acknowledged;
    int started = 0;
    int kills = 0;
    QRandomGenerator random(QRandomGenerator::global()->generate());
    const auto start = [&](QProcess &writer) {
        writer.start(QStringLiteral(HANDVIA_WRITER),
                     {phone.root(),
                      phone.localPath(QString()),
                      QStringLiteral("k%1").arg(started++),
                      QStringLiteral("1000")});
    };
    const auto collect = [&](QProcess &writer) {
        while (writer.canReadLine())
            acknowledged += QString::fromUtf8(writer.readLine()).trimmed();
    };
    bool stopping = false;
    for (QProcess &each : writers) {
        QProcess *writer = &each;
        // Each tone a writer reports starts its next add: a kill some time into it lands
        // anywhere in add or commit.
        connect(writer, &QProcess::readyReadStandardOutput, this, [&, writer] {
            collect(*writer);
            if (stopping || writer->property("doomed").toBool())
                return;
            writer->setProperty("doomed", true);
            QTimer::singleShot(int(random.bounded(25)), this, [&, writer] {
                if (stopping)
                    return;
                ::kill(pid_t(writer->processId()), SIGKILL);
                writer->waitForFinished();
                collect(*writer);
                writer->setProperty("doomed", false);
                stopping = ++kills >= killsWanted;
                if (!stopping)
                    start(*writer);
            });
        });
        start(*writer);
    }
    QTRY_VERIFY_WITH_TIMEOUT(stopping, 240000);
    for (QProcess &writer : writers) {
        writer.disconnect();
        if (writer.state() != QProcess::NotRunning)
            ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished();
        collect(writer);
    }

    const QVector<Listed> tones = listAll(api); // the next connect
    QStringList listed = titlesOf(tones);
    QCOMPARE(listed.mid(0, 3), QStringList({"One", "Two", "Three"}));
    for (const QString &title : acknowledged)
        QVERIFY2(listed.contains(title), qPrintable(title));
    QStringList named;
    for (const Listed &tone : tones)
        named << tone.file;
    named.sort();
    QStringList files = ringtoneFiles(phone);
    files.sort();
    QCOMPARE(files, named);
    qInfo("%d kills, %d tones acknowledged, %d listed",
          kills,
          int(acknowledged.size()),
          int(tones.size()));
}

QTEST_GUILESS_MAIN(TestHandvia)
#include "tst_handvia.moc"
