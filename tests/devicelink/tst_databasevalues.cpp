// Databases holding values that the plist library reads only approximately, or not at all as
// written: a change to one entry must leave every other value as it was, as an independent
// reader sees it (the binary form's object bytes, Python's plistlib).
#include "bplistbuilder.h"
#include "database.h"
#include "plistvalues.h"

#include <QTest>
#include <cmath>
#include <cstring>

using handvia::Database;
using namespace bplistbuilder;

namespace {

QByteArray xmlDatabase(const QByteArray &value, bool valueAsTitle = false)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
           "<key>Ringtones</key><dict>"
           "<key>PLAN.m4r</key><dict><key>Name</key><string>Plain</string>"
           "<key>GUID</key><string>0000000000000001</string>"
           "<key>Total Time</key><integer>1000</integer></dict>"
           "<key>ODD.m4r</key><dict><key>Name</key>"
            + (valueAsTitle ? value : QByteArray("<string>Odd one</string>"))
            + "<key>GUID</key><string>0000000000000002</string><key>Odd</key>" + value
            + "</dict><key>Odd</key>" + value + "</dict><key>Odd</key>" + value
            + "</dict></plist>\n";
}

// Containers of every kind the plist library reads (an ordered set it does not), nested.
int nested(Bplist &b)
{
    const int date = b.add("\x33" + doubleBytes(600000000.25));
    const int uid = b.add(QByteArray("\x81\x01\x2C", 3));
    const int inner = b.dict({{b.ascii("when"), date}, {b.ascii("uid"), uid}});
    const int set = b.array({b.ascii("a"), b.ascii("b")}, 0xC);
    const int real = b.add("\x23" + doubleBytes(M_PI));
    return b.array({inner, b.array({real, b.add("\x09"), b.array({})}), set, b.dict({})});
}

} // namespace

class TestDatabaseValues : public QObject
{
    Q_OBJECT

private slots:
    void untouchedValuesStay_data();
    void untouchedValuesStay();
    void xmlThatWouldChangeIsNeverWritten_data();
    void xmlThatWouldChangeIsNeverWritten();
    void aNameGivenTwiceIsListedOnce();
};

void TestDatabaseValues::untouchedValuesStay_data()
{
    QTest::addColumn<QByteArray>("database");
    QTest::addColumn<bool>("plistlibReads"); // the input: else only its objects are compared

    const auto binary = [](const char *name, const MakeValue &value, bool readable) {
        QTest::newRow(name) << binaryDatabase(value) << readable;
    };
    binary(
            "binary, 128-bit integer",
            [](Bplist &b) {
                return b.add("\x14" + bigEndian(1ull << 36, 8) + bigEndian(0, 8)); // 2^100
            },
            true);
    binary(
            "binary, largest unsigned",
            [](Bplist &b) { return b.add("\x14" + bigEndian(0, 8) + bigEndian(~0ull, 8)); },
            true);
    binary(
            "binary, negative", [](Bplist &b) { return b.add("\x13" + bigEndian(-3ll, 8)); }, true);
    binary(
            "binary, 5 in eight bytes",
            [](Bplist &b) { return b.add("\x13" + bigEndian(5, 8)); },
            true);
    binary(
            "binary, invalid date",
            [](Bplist &b) { return b.add("\x33" + doubleBytes(1e300)); },
            false);
    binary(
            "binary, date between microseconds",
            [](Bplist &b) { return b.add("\x33" + doubleBytes(123456.123456789)); },
            true);
    binary(
            "binary, 32-bit real",
            [](Bplist &b) {
                float value = 1.1f;
                uint32_t bits = 0;
                std::memcpy(&bits, &value, sizeof bits);
                return b.add("\x22" + bigEndian(bits, 4));
            },
            true);
    binary(
            "binary, uid", [](Bplist &b) { return b.add(QByteArray("\x80\x07", 2)); }, true);
    binary(
            "binary, data",
            [](Bplist &b) {
                QByteArray blob;
                for (int i = 0; i < 300; ++i)
                    blob += char(i * 7);
                return b.add(marker(0x4, int(blob.size())) + blob);
            },
            true);
    binary(
            "binary, latin-1 bytes as ASCII",
            [](Bplist &b) { return b.add("\x53\xE9t\xE9"); },
            false);
    binary(
            "binary, very long string",
            [](Bplist &b) { return b.ascii(QByteArray(100000, 'w')); },
            true);
    binary(
            "binary, very long UTF-16",
            [](Bplist &b) {
                return b.utf16(QVector<ushort>(30000, 0x00E9) + QVector<ushort>({0xD83D, 0xDE00}));
            },
            true);
    binary("binary, nested containers and sets", nested, false);
    QTest::newRow("binary, lone surrogate in a title") << binaryDatabase(
            [](Bplist &b) {
                return b.utf16({'A', 0xD800, 'B'});
            },
            true) << false;
    {
        Bplist b; // the same key twice in an entry, each with its own value
        const int name = b.ascii("Name"), guid = b.ascii("GUID"), odd = b.ascii("Odd");
        const int plain = b.dict({{name, b.ascii("Plain")}, {guid, b.ascii("0000000000000001")}});
        const int twice = b.dict({{name, b.ascii("Twice")},
                                  {guid, b.ascii("0000000000000002")},
                                  {odd, b.ascii("first")},
                                  {odd, b.ascii("second")}});
        const int tones = b.dict({{b.ascii("PLAN.m4r"), plain}, {b.ascii("TWIC.m4r"), twice}});
        QTest::newRow("binary, a key twice")
                << b.bytes(b.dict({{b.ascii("Ringtones"), tones}})) << true;
    }

    const auto xml = [](const char *name, const QByteArray &value) {
        QTest::newRow(name) << xmlDatabase(value) << true;
    };
    xml("xml, dates",
        "<array><date>2020-02-29T23:59:59Z</date><date>0001-01-01T00:00:00Z</date>"
        "<date>9999-12-31T23:59:59Z</date></array>");
    xml("xml, integers",
        "<array><integer>-9223372036854775808</integer><integer>18446744073709551615"
        "</integer><integer>0x10</integer><integer> +5 </integer></array>");
    xml("xml, reals", "<array><real>1.5E3</real><real>-0.1</real><real>1e999</real></array>");
    xml("xml, data", "<data>\n\tAAECAwQF\n\tBgc=\n\t</data>");
    xml("xml, nested unknown keys",
        "<dict><key>a</key><array><dict><key>b</key><true/></dict>"
        "<array/></array><key>c</key><dict/></dict>");
    xml("xml, long text", "<string>" + QByteArray(50000, 'x') + "\xF0\x9F\x98\x80</string>");
}

// The database after an unrelated change: a title elsewhere, or an added entry.
QByteArray changed(const QByteArray &database, bool rename)
{
    Database db = Database::fromBytes(database.toStdString());
    if (db.origin() != Database::Origin::Read || !db.writable())
        return {};
    if (rename)
        db.renameFile("PLAN.m4r", "Renamed");
    else
        db.append("ZZZZ.m4r", "Added", "00000000000000FF", 7, 2000);
    return QByteArray::fromStdString(db.toBinary());
}

// Every other value and key stays as it was, and the change itself reads back.
void TestDatabaseValues::untouchedValuesStay()
{
    QFETCH(QByteArray, database);
    QFETCH(bool, plistlibReads);
    const QByteArray renamed = changed(database, true), added = changed(database, false);
    for (const QByteArray &written : {renamed, added}) {
        QVERIFY(written.startsWith("bplist00"));
        QCOMPARE(Database::fromBytes(written.toStdString()).origin(), Database::Origin::Read);
    }
    QCOMPARE(QString::fromStdString(Database::fromBytes(renamed.toStdString()).list()[0].title),
             QStringLiteral("Renamed"));
    QCOMPARE(QString::fromStdString(Database::fromBytes(added.toStdString()).list().back().title),
             QStringLiteral("Added"));

    const QVector<PlistValues> read
            = readPlistValues({database, renamed, added}, {"PLAN.m4r/Name", "ZZZZ.m4r"});
    QVERIFY2(read.size() == 3, "the independent plist reader failed");
    QCOMPARE(!read[0].values.isNull(), plistlibReads);
    for (int i = 1; i < 3; ++i) {
        if (database.startsWith("bplist00"))
            QCOMPARE(read[i].raw, read[0].raw);
        QCOMPARE(read[i].values, read[0].values);
    }
}

void TestDatabaseValues::xmlThatWouldChangeIsNeverWritten_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("5000-digit integer") << "<integer>" + QByteArray(5000, '9') + "</integer>";
    QTest::newRow("2^64") << QByteArray("<integer>18446744073709551616</integer>");
    QTest::newRow("below -2^63") << QByteArray("<integer>-9223372036854775809</integer>");
    QTest::newRow("leading zero, read as octal") << QByteArray("<integer>010</integer>");
    QTest::newRow("empty integer") << QByteArray("<integer/>");
    QTest::newRow("not a date") << QByteArray("<date>not a date</date>");
    QTest::newRow("no such day") << QByteArray("<date>2021-02-30T00:00:00Z</date>");
    QTest::newRow("fraction of a second") << QByteArray("<date>2020-01-01T00:00:00.5Z</date>");
    QTest::newRow("decimal comma") << QByteArray("<real>1,5</real>");
    QTest::newRow("padding inside base64") << QByteArray("<data>AA==AAAA</data>");
}

// The phone reads the binary form, which cannot hold these as written: rather than change them,
// nothing is written; listing is unaffected.
void TestDatabaseValues::xmlThatWouldChangeIsNeverWritten()
{
    QFETCH(QByteArray, value);
    Database db = Database::fromBytes(xmlDatabase(value).toStdString());
    QCOMPARE(db.origin(), Database::Origin::Read);
    QVERIFY(!db.writable());
    QCOMPARE(db.list().size(), size_t(2));
    QVERIFY(db.renameFile("PLAN.m4r", "Renamed"));
    QCOMPARE(db.toBinary(), std::string());
    QVERIFY(db.copy().toBinary().empty());
}

QTEST_APPLESS_MAIN(TestDatabaseValues)
// Changes find an entry by its name, so of a name given twice only the entry a lookup finds is
// listed, wherever the two stand among many others.
void TestDatabaseValues::aNameGivenTwiceIsListedOnce()
{
    Bplist b;
    const int name = b.ascii("Name"), guid = b.ascii("GUID");
    const auto entry = [&](const QByteArray &title, int id) {
        return b.dict({{name, b.ascii(title)},
                       {guid, b.ascii(QByteArray::number(id).rightJustified(16, '0'))}});
    };
    QVector<QPair<int, int>> tones {{b.ascii("TWIC.m4r"), entry("First", 1)}};
    for (int i = 0; i < 600; ++i)
        tones.append({b.ascii("T" + QByteArray::number(i).rightJustified(3, '0') + ".m4r"),
                      entry("Tone", 10 + i)});
    tones.append({b.ascii("TWIC.m4r"), entry("Second", 2)});
    Database db = Database::fromBytes(
            b.bytes(b.dict({{b.ascii("Ringtones"), b.dict(tones)}})).toStdString());

    QCOMPARE(int(db.list().size()), 601);
    QCOMPARE(QString::fromStdString(db.list().front().title), QStringLiteral("First"));
    QVERIFY(db.rename(600, "Last"));
    QVERIFY(!db.rename(601, "None"));
    const std::vector<handvia::Ringtone> listed = db.list();
    QCOMPARE(QString::fromStdString(listed.back().fileName), QStringLiteral("T599.m4r"));
    QCOMPARE(QString::fromStdString(listed.back().title), QStringLiteral("Last"));

    // After an insertion the plist library may find the other entry of the name; the listed one
    // is still the one a change by name reaches.
    db.append("ZZZZ.m4r", "Added", "00000000000000FF", 7, 2000);
    QVERIFY(db.renameFile("TWIC.m4r", "Renamed"));
    int named = 0;
    for (const handvia::Ringtone &tone : db.list()) {
        if (tone.fileName == "TWIC.m4r") {
            ++named;
            QCOMPARE(QString::fromStdString(tone.title), QStringLiteral("Renamed"));
        }
    }
    QCOMPARE(named, 1);
}

#include "tst_databasevalues.moc"
