// The real main window against a phone folder whose database holds 100,000 ringtones: a timer
// that should fire every 2 ms finds how long the event loop was kept from it while the window
// sends a made ringtone to the phone, and while the manager lists the phone. The reference is
// the same phone work done as a plain call on the window's thread, which is how long the window
// would be frozen if it waited for the phone. Prints figures and ratios only.
#include "phonedb.h"

#include "app/settings.h"
#include "app/skin.h"
#include "device/managedialog.h"
#include "editor/maindialog.h"

#include <handvia.h>

#include <QApplication>
#include <QCheckBox>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

const int longWaitMs = 600000;

// The longest time between two ticks of a timer asked to fire every 2 ms.
class LoopProbe
{
public:
    LoopProbe()
    {
        timer.setInterval(2);
        QObject::connect(
                &timer, &QTimer::timeout, [this] { longest = qMax(longest, since.restart()); });
    }
    void start()
    {
        longest = 0;
        since.start();
        timer.start();
    }
    qint64 stop()
    {
        timer.stop();
        return qMax(longest, since.elapsed());
    }

private:
    QTimer timer;
    QElapsedTimer since;
    qint64 longest = 0;
};

template<typename Condition>
bool waitFor(Condition condition)
{
    if (QTest::qWaitFor(condition, longWaitMs))
        return true;
    std::printf("timed out\n");
    return false;
}

// A few seconds of a sine tone as 16-bit mono PCM WAV.
bool writeTone(const QString &path)
{
    const int rate = 44100;
    const int samples = rate * 5;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataSize = quint32(samples) * 2;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataSize;
    for (int i = 0; i < samples; ++i)
        out << qint16(8000.0 * std::sin(2.0 * M_PI * 440.0 * i / rate));
    return out.status() == QDataStream::Ok;
}

QString status(const MainDialog &window)
{
    return window.findChild<QLabel *>(QStringLiteral("labelStatus"))->text();
}

void print(const char *what, qint64 longest, double phoneMs, double reference)
{
    std::printf("%-34s longest blocked %5lld ms (goal < 50) while the phone worked %7.0f ms; "
                "a call on the window's thread blocks %7.0f ms, ratio %.3f\n",
                what,
                static_cast<long long>(longest),
                phoneMs,
                reference,
                reference > 0 ? double(longest) / reference : 0.0);
}

// The phone work of each measurement, as one plain call on this thread.
double blockingAddAndCommit(const QString &tone)
{
    HandviaApi *api = handvia_get_api();
    QElapsedTimer timer;
    timer.start();
    api->add_ringtone(0, tone.toUtf8().constData(), 5000);
    api->commit(0);
    return double(timer.elapsed());
}

double blockingListing()
{
    HandviaApi *api = handvia_get_api();
    char title[256];
    char file[256];
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; api->get_ringtone(0, i, title, 256, file, 256) >= 0; ++i) { }
    return double(timer.elapsed());
}

// Generate with Export checked: the encoder runs, then the window sends the tone.
void measureTransfer(MainDialog &window, const QString &tone)
{
    LoopProbe probe;
    auto *generate = window.findChild<QPushButton *>(QStringLiteral("btnGenerate"));
    generate->click();
    if (!waitFor([&] { return status(window).startsWith(QStringLiteral("Sending")); }))
        return;
    QElapsedTimer phone;
    phone.start();
    probe.start();
    if (!waitFor([&] { return !status(window).startsWith(QStringLiteral("Sending")); }))
        return;
    const qint64 longest = probe.stop();
    const double phoneMs = double(phone.elapsed());
    print("send a ringtone (add + commit)", longest, phoneMs, blockingAddAndCommit(tone));
    std::printf("  status: %s\n", qPrintable(status(window)));
}

// The same probe while nothing happens: what the machine's own load keeps from the loop.
void measureIdle()
{
    LoopProbe probe;
    probe.start();
    QTest::qWait(3000);
    std::printf("%-34s longest blocked %5lld ms\n", "idle window (baseline)", probe.stop());
}

void measureListing(MainDialog &window)
{
    LoopProbe probe;
    QElapsedTimer phone;
    phone.start();
    probe.start();
    ManageDialog manager(&window);
    manager.show();
    auto *list = manager.findChild<QListView *>(QStringLiteral("listRingtone"));
    if (!waitFor([&] { return list->isEnabled(); }))
        return;
    const qint64 longest = probe.stop();
    const double phoneMs = double(phone.elapsed());
    print("manager lists the phone", longest, phoneMs, blockingListing());
    std::printf("  listed: %d ringtones\n", list->model()->rowCount());
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("phone"));
    QDir().mkpath(root + QStringLiteral("/iTunes_Control/iTunes"));
    QDir().mkpath(root + QStringLiteral("/iTunes_Control/Ringtones"));
    makeDatabase((root + QStringLiteral("/iTunes_Control/iTunes/Ringtones.plist")).toStdString());
    qputenv("HANDVIA_ROOT", root.toUtf8());
    qputenv("XDG_STATE_HOME", dir.path().toUtf8());

    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QString outputFolder = dir.filePath(QStringLiteral("out"));
    writeSetting(QStringLiteral("OutputFolder"), outputFolder);
    const QString input = dir.filePath(QStringLiteral("Bench Tone.wav"));
    if (!writeTone(input) || !applySkin())
        return 1;

    MainDialog window;
    window.show();
    auto *exportBox = window.findChild<QCheckBox *>(QStringLiteral("checkExport"));
    if (!waitFor([&] { return exportBox->isChecked(); }))
        return 1;
    window.loadFile(input);
    if (!waitFor([&] { return status(window) == QLatin1String("File loaded."); }))
        return 1;
    std::printf("database: %d entries\n", entries);
    for (int round = 0; round < 3; ++round) {
        measureIdle();
        measureTransfer(window, input);
        measureListing(window);
    }
    return 0;
}
