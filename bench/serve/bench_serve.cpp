// Serving a ringtone over Wi-Fi, on loopback: the time from pressing the button (the dialog
// made and shown) to the page being served, the memory the open dialog holds while serving,
// and the download's throughput against `python3 -m http.server` serving the same file, both
// fetched by curl. Prints figures and the ratio; asserts nothing.

#include "editor/wifisenddialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

bool pageAnswers(const QString &url)
{
    const QUrl address(url);
    QTcpSocket socket;
    socket.connectToHost(address.host(), quint16(address.port()));
    if (!socket.waitForConnected(2000))
        return false;
    socket.write("GET " + address.path().toLatin1()
                 + " HTTP/1.1\r\nHost: x\r\n"
                   "Connection: close\r\n\r\n");
    QByteArray answer;
    while (socket.waitForReadyRead(2000))
        answer += socket.readAll();
    return answer.startsWith("HTTP/1.1 200");
}

// Median seconds of `runs` downloads of `url` by curl.
double curlSeconds(const QString &url, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess curl;
        curl.start(QStringLiteral("curl"),
                   {QStringLiteral("-s"),
                    QStringLiteral("-o"),
                    QStringLiteral("/dev/null"),
                    QStringLiteral("-w"),
                    QStringLiteral("%{time_total}"),
                    url});
        curl.waitForFinished(60000);
        times.push_back(curl.readAllStandardOutput().toDouble());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VARDEL_SERVE_ADDRESSES", "127.0.0.1");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString tone = dir.filePath(QStringLiteral("Bench Tone.m4r"));
    {
        // A 30 s ringtone is about 1 MB; a larger file makes the throughput measurable.
        QByteArray bytes(64 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        QFile file(tone);
        file.open(QIODevice::WriteOnly);
        file.write(bytes.left(1024 * 1024));
        QFile big(dir.filePath(QStringLiteral("big.m4a")));
        big.open(QIODevice::WriteOnly);
        big.write(bytes);
    }

    const long before = residentKiB();
    QElapsedTimer clock;
    clock.start();
    auto dialog
            = std::make_unique<WifiSendDialog>(nullptr, tone, ToneRecipe {}, QStringLiteral("en"));
    dialog->show();
    const QString url = dialog->findChild<QLabel *>(QStringLiteral("labelAddress"))->text();
    const bool served = pageAnswers(url);
    const double toServe = clock.nsecsElapsed() / 1e6;
    QCoreApplication::processEvents();
    const long during = residentKiB();
    std::printf("button to page served: %.1f ms (%s)\n", toServe, served ? "200" : "failed");
    std::printf("dialog while serving a 1 MB tone: %ld KiB resident more\n", during - before);
    dialog.reset();

    ServeSession session;
    session.serve(dir.filePath(QStringLiteral("big.m4a")), QStringLiteral("big"), 30);
    const QString ours = session.url() + QStringLiteral("tone.m4a");
    QProcess python;
    python.setWorkingDirectory(dir.path());
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-m"),
                  QStringLiteral("http.server"),
                  QStringLiteral("--bind"),
                  QStringLiteral("127.0.0.1"),
                  QStringLiteral("8799")});
    QThread::sleep(2);
    const int runs = 7;
    const double ourSeconds = curlSeconds(ours, runs);
    const double theirSeconds = curlSeconds(QStringLiteral("http://127.0.0.1:8799/big.m4a"), runs);
    python.terminate();
    python.waitForFinished();
    const double mib = 64.0;
    std::printf("64 MiB download, median of %d: ours %.0f MiB/s, python3 http.server %.0f MiB/s, "
                "ratio %.2f\n",
                runs,
                mib / ourSeconds,
                mib / theirSeconds,
                theirSeconds / ourSeconds);
    return 0;
}
