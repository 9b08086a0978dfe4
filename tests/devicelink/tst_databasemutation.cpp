// Seeded mutations of valid databases, in both plist forms: reading and listing must never
// crash, list an unsafe name, or lose entries across a write.
#include "database.h"
#include "databasecheck.h"
#include "readercheck.h"

#include <QTest>
#include <plist/plist.h>
#include <random>

namespace {

std::string seedXml()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\"><dict><key>Ringtones</key><dict>"
           "<key>AAAA.m4r</key><dict><key>Name</key><string>Caf\xC3\xA9 &amp;lt;1&amp;gt;</string>"
           "<key>GUID</key><string>3F2A0C9D81B4E7A6</string><key>PID</key>"
           "<integer>5234098712345678901</integer><key>Total Time</key><integer>27500</integer>"
           "<key>Protected Content</key><false/></dict>"
           "<key>../BBBB.m4r</key><dict><key>Name</key><string>Up</string>"
           "<key>GUID</key><string>1</string></dict>"
           "<key>CCCC.m4r</key><dict><key>Name</key><string>\xF0\x9D\x84\x9E</string>"
           "<key>GUID</key><string>2</string><key>Extra</key><array><real>1.5</real>"
           "<data>AAEC</data><date>2020-01-01T00:00:00Z</date></array></dict>"
           "</dict><key>Other</key><integer>-3</integer></dict></plist>\n";
}

std::string toBinary(const std::string &xml)
{
    plist_t root = nullptr;
    plist_from_memory(xml.data(), static_cast<uint32_t>(xml.size()), &root);
    char *data = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &data, &length);
    std::string bytes(data, length);
    plist_to_bin_free(data);
    plist_free(root);
    return bytes;
}

std::string bigEndian(uint64_t value, int width)
{
    std::string bytes;
    for (int i = width - 1; i >= 0; --i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

// A database with an empty ringtone table beside arrays each holding the next one fanOut times,
// written by hand: the plist library cannot write them. With loop set, the innermost holds the
// outermost.
std::string nestedBinary(uint32_t levels, bool loop, int fanOut = 1)
{
    const uint32_t first = 4; // after the root, its two keys and the empty table
    std::string objects[] = {std::string("\xD2") + bigEndian(1, 4) + bigEndian(2, 4)
                                     + bigEndian(3, 4) + bigEndian(first, 4),
                             "\x59"
                             "Ringtones",
                             "\x54"
                             "Deep",
                             "\xD0"};
    std::string bytes = "bplist00";
    std::string table;
    for (const std::string &object : objects) {
        table += bigEndian(bytes.size(), 4);
        bytes += object;
    }
    for (uint32_t i = 0; i < levels; ++i) {
        table += bigEndian(bytes.size(), 4);
        const bool last = i + 1 == levels;
        if (last && !loop) {
            bytes += '\xA0';
        } else {
            bytes += static_cast<char>(0xA0 | fanOut);
            for (int ref = 0; ref < fanOut; ++ref)
                bytes += bigEndian(last ? first : first + i + 1, 4);
        }
    }
    const uint64_t tableOffset = bytes.size();
    bytes += table;
    bytes += std::string(6, '\0') + '\x04' + '\x04';
    bytes += bigEndian(first + levels, 8) + bigEndian(0, 8) + bigEndian(tableOffset, 8);
    return bytes;
}

// A valid database whose one entry carries an extra value nested levels deep.
std::string nestedXml(int levels, const std::string &between = {})
{
    std::string nested;
    for (int i = 0; i < levels; ++i)
        nested += "<array>" + between;
    for (int i = 0; i < levels; ++i)
        nested += "</array>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
           "<key>Ringtones</key><dict><key>AAAA.m4r</key><dict><key>Name</key><string>A</string>"
           "<key>GUID</key><string>1</string><key>Extra</key>"
            + (levels ? nested : "<true/>") + "</dict></dict></dict></plist>\n";
}

std::string mutate(std::string bytes, std::mt19937_64 &random)
{
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < edits && !bytes.empty(); ++i) {
        const size_t at = random() % bytes.size();
        switch (random() % 6) {
        case 0:
            bytes[at] = static_cast<char>(random());
            break;
        case 1:
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
            break;
        case 2:
            bytes.erase(at, 1 + random() % 16);
            break;
        case 3:
            bytes.insert(at, bytes.substr(random() % bytes.size(), 1 + random() % 32));
            break;
        case 4:
            bytes.resize(at);
            break;
        default: // values that make offsets and counts extreme
            bytes[at] = static_cast<char>(random() % 2 ? 0xFF : 0x7F);
            break;
        }
    }
    return bytes;
}

} // namespace

class TestDatabaseMutation : public QObject
{
    Q_OBJECT

private slots:
    void mutantsAreSurvived_data();
    void mutantsAreSurvived();
    void nestingIsBounded_data();
    void nestingIsBounded();
};

void TestDatabaseMutation::mutantsAreSurvived_data()
{
    QTest::addColumn<QByteArray>("seed");
    const std::string xml = seedXml();
    const std::string binary = toBinary(xml);
    QVERIFY(binary.rfind("bplist00", 0) == 0);
    QTest::newRow("xml") << QByteArray::fromStdString(xml);
    QTest::newRow("binary") << QByteArray::fromStdString(binary);
    // Mutations that cut or repeat the nesting must not slip a deep file past the check.
    QTest::newRow("xml nested") << QByteArray::fromStdString(nestedXml(60));
    QTest::newRow("binary nested") << QByteArray::fromStdString(nestedBinary(60, false));
    // Mutations that widen shared arrays must not slip a huge expansion past the check.
    QTest::newRow("binary fanned out") << QByteArray::fromStdString(nestedBinary(12, false, 2));
}

void TestDatabaseMutation::nestingIsBounded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("listed");
    QTest::addColumn<bool>("readable");
    const auto row = [](const char *name, const std::string &bytes, int listed, bool readable) {
        QTest::newRow(name) << QByteArray::fromStdString(bytes) << listed << readable;
    };
    row("xml, plain", nestedXml(0), 1, true);
    row("xml, 40 levels", nestedXml(40), 1, true);
    row("xml, 300000 levels", nestedXml(300000), 0, false);
    row("xml, 300000 levels around comments", nestedXml(300000, "<!-- <x> -->"), 0, false);
    std::string hidden;
    for (int i = 0; i < 300000; ++i)
        hidden += "<array>";
    row("xml, levels hidden in a comment", nestedXml(1, "<!--" + hidden + "-->"), 1, true);
    row("binary, 40 levels", nestedBinary(40, false), 0, true);
    row("binary, 100000 levels", nestedBinary(100000, false), 0, false);
    row("binary, a loop", nestedBinary(3, true), 0, false);
    // Each level holds the next one several times: the plist library would build every copy.
    row("binary, 12 levels sharing the next twice", nestedBinary(12, false, 2), 0, true);
    row("binary, 30 levels sharing the next twice", nestedBinary(30, false, 2), 0, false);
    row("binary, 8 levels sharing the next 14 times", nestedBinary(8, false, 14), 0, false);
    row("binary, 23 levels sharing the next twice", nestedBinary(23, false, 2), 0, false);
}

// Deep files, and files whose shared objects expand beyond bounds, are refused before the plist
// library builds them, and read as unreadable.
void TestDatabaseMutation::nestingIsBounded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, listed);
    QFETCH(bool, readable);
    const handvia::Database db = handvia::Database::fromBytes(bytes.toStdString());
    QCOMPARE(db.origin() != handvia::Database::Origin::Unreadable, readable);
    QCOMPARE(static_cast<int>(db.list().size()), listed);
    QCOMPARE(QString::fromStdString(checkDatabaseBytes(bytes.toStdString(), 0)), QString());
}

void TestDatabaseMutation::mutantsAreSurvived()
{
    QFETCH(QByteArray, seed);
    const std::string original = seed.toStdString();
    QCOMPARE(QString::fromStdString(checkDatabaseBytes(original, 0)), QString());

    std::mt19937_64 random(20240601);
    for (int round = 0; round < 20000; ++round) {
        const std::string bytes = mutate(original, random);
        std::string fault = checkDatabaseBytes(bytes, random());
        if (fault.empty())
            fault = checkReaderBytes(bytes);
        if (!fault.empty())
            QFAIL(qPrintable(QStringLiteral("round %1: %2 (input %3)")
                                     .arg(round)
                                     .arg(QString::fromStdString(fault))
                                     .arg(QString::fromLatin1(
                                             QByteArray::fromStdString(bytes).toBase64()))));
    }
}

QTEST_APPLESS_MAIN(TestDatabaseMutation)
#include "tst_databasemutation.moc"
