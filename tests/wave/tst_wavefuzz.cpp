#include "media/wavereader.h"
#include "wavebuilder.h"

#include <QBuffer>
#include <QtTest>

#include <random>

using namespace wavebuilder;

// Mutates valid WAV files at random (seeded, so a failure repeats) and feeds them to the
// reader: every input must give a null image or one of exactly the asked size, promptly.
class TestWaveFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mutatedFilesNeverBreakTheReader();

private:
    QByteArray mutate(QByteArray bytes);
    void useSummary(const CWaveSummary &summary, int width);
    std::vector<QByteArray> m_seeds;
    std::mt19937 m_random;
};

namespace {

QtMessageHandler previousHandler = nullptr;

// Each refused file writes a debug line; thousands of them would only bury real failures.
void dropDebug(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg)
        previousHandler(type, context, text);
}

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QByteArray seedFile(Format f, int bytes, std::mt19937 &random, const QByteArray &extra = {})
{
    QByteArray data(bytes, '\0');
    for (auto &b : data)
        b = char(random());
    return riff(extra + fmtChunk(f) + extra + chunk("data", data) + extra);
}

} // namespace

void TestWaveFuzz::initTestCase()
{
    previousHandler = qInstallMessageHandler(dropDebug);
    m_random.seed(quint32(envInt("VARDEL_FUZZ_SEED", 20240521)));
    Format mono;
    Format stereo;
    stereo.channels = 2;
    Format eight;
    eight.bits = 8;
    eight.channels = 2;
    Format twelve;
    twelve.bits = 12;
    Format quad;
    quad.channels = 4;
    // The long one gives columns of many values, where the peaks are taken sixteen at a time.
    m_seeds = {seedFile(mono, 2000, m_random),
               seedFile(stereo, 40000, m_random),
               seedFile(stereo, 4000, m_random, listChunk()),
               seedFile(eight, 1001, m_random),
               seedFile(twelve, 3000, m_random),
               seedFile(quad, 800, m_random),
               riff(fmtChunk18(stereo) + chunk("data", QByteArray(600, '\x7f')))};
}

QByteArray TestWaveFuzz::mutate(QByteArray bytes)
{
    static const quint32 sizes[]
            = {0, 1, 2, 3, 15, 16, 17, 18, 0x7FFFFFFF, 0x80000000, 0xFFFFFFF0, 0xFFFFFFFF};
    const int steps = 1 + int(m_random() % 4);
    for (int s = 0; s < steps && !bytes.isEmpty(); ++s) {
        const int at = int(m_random() % quint32(bytes.size()));
        switch (m_random() % 6) {
        case 0:
            bytes[at] = char(m_random());
            break;
        case 1:
            if (at + 4 <= bytes.size())
                bytes.replace(at, 4, le32(sizes[m_random() % std::size(sizes)]));
            break;
        case 2:
            bytes.truncate(at);
            break;
        case 3:
            bytes.insert(at, QByteArray(int(1 + m_random() % 9), char(m_random())));
            break;
        case 4:
            bytes.remove(at, int(1 + m_random() % 9));
            break;
        default:
            if (at + 2 <= bytes.size())
                bytes.replace(at, 2, le16(quint16(m_random() % 40)));
            break;
        }
    }
    // Most files get a matching RIFF size, or the size check would stop nearly all of them.
    if (bytes.size() >= 8 && m_random() % 4 != 0)
        bytes.replace(4, 4, le32(quint32(bytes.size() - 8)));
    return bytes;
}

void TestWaveFuzz::useSummary(const CWaveSummary &summary, int width)
{
    const double length = summary.duration();
    for (int view = 0; view < 3; ++view) {
        const double from = (double(m_random() % 1200) / 1000.0 - 0.1) * length;
        const double to = from + double(1 + m_random() % 1000) / 1000.0 * (length + 1.0);
        QCOMPARE(summary.viewPeaks(from, to, width).size(), size_t(width));
        const int peak = summary.peak(from, to);
        QVERIFY(peak >= 0 && peak <= 32768);
    }
}

void TestWaveFuzz::mutatedFilesNeverBreakTheReader()
{
    const int runs = envInt("VARDEL_FUZZ_RUNS", 10000);
    int pictures = 0;
    for (int run = 0; run < runs; ++run) {
        QByteArray bytes = mutate(m_seeds[m_random() % m_seeds.size()]);
        const int width = 1 + int(m_random() % 600);
        const int height = 1 + int(m_random() % 80);
        QBuffer buffer(&bytes);
        // Every other file also keeps its summary, which then draws and measures a few views,
        // some of them beyond the file's ends.
        const bool summarize = run % 2 == 1;
        const WaveOverview overview = summarize
                ? ReadWaveOverview(&buffer, width, height)
                : WaveOverview {CreateWaveImage(&buffer, width, height), {}};
        const QImage &image = overview.image;
        if (image.isNull())
            continue;
        ++pictures;
        QVERIFY2(image.size() == QSize(width, height), qPrintable(QString::number(run)));
        QVERIFY(!buffer.isOpen());
        QCOMPARE(bool(overview.summary), summarize);
        if (summarize)
            useSummary(*overview.summary, width);
    }
    // The mutations must leave enough files readable to exercise the sample path.
    QVERIFY(pictures > runs / 10);
}

QTEST_GUILESS_MAIN(TestWaveFuzz)
#include "tst_wavefuzz.moc"
