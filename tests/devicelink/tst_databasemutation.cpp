// Seeded mutations of valid databases, in both plist forms: reading and listing must never
// crash, list an unsafe name, or lose entries across a write.
#include "databasecheck.h"

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
};

void TestDatabaseMutation::mutantsAreSurvived_data()
{
    QTest::addColumn<QByteArray>("seed");
    const std::string xml = seedXml();
    const std::string binary = toBinary(xml);
    QVERIFY(binary.rfind("bplist00", 0) == 0);
    QTest::newRow("xml") << QByteArray::fromStdString(xml);
    QTest::newRow("binary") << QByteArray::fromStdString(binary);
}

void TestDatabaseMutation::mutantsAreSurvived()
{
    QFETCH(QByteArray, seed);
    const std::string original = seed.toStdString();
    QCOMPARE(QString::fromStdString(checkDatabaseBytes(original, 0)), QString());

    std::mt19937_64 random(20240601);
    for (int round = 0; round < 20000; ++round) {
        const std::string bytes = mutate(original, random);
        const std::string fault = checkDatabaseBytes(bytes, random());
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
