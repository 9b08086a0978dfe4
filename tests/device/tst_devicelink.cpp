// The device link over the fake library: calls run in order on the link's own thread, their
// results come back named on the caller's thread, and a link may go while the phone works or
// while events fly.
#include "device/devicelink.h"
#include "fakes.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void init() { fakes::reset(); }

    void commitResultsAreNamed_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<DeviceLink::Result>("result");
        QTest::newRow("written") << 0 << DeviceLink::Ok;
        QTest::newRow("no phone or lock") << -1 << DeviceLink::Failed;
        QTest::newRow("staged for another phone") << -2 << DeviceLink::OtherPhone;
        QTest::newRow("upload lost") << -3 << DeviceLink::UploadLost;
        QTest::newRow("database kept as it was") << -4 << DeviceLink::DatabaseKept;
        QTest::newRow("unknown failure") << -9 << DeviceLink::Failed;
    }

    void commitResultsAreNamed()
    {
        QFETCH(int, code);
        QFETCH(DeviceLink::Result, result);
        fakes::setCommitResult(code);
        DeviceLink link;
        std::optional<DeviceLink::Result> got;
        link.commit(this, [&](DeviceLink::Result r) { got = r; });
        QTRY_VERIFY(got.has_value());
        QCOMPARE(*got, result);
    }

    // The calls reach the library in the order made, off the caller's thread, and each result
    // comes back on the caller's thread in the same order.
    void callsRunInOrderOffTheCallersThread()
    {
        fakes::phoneRingtones() = {{"One", "AAAA.m4r"}, {"Two", "BBBB.m4r"}};
        DeviceLink link;
        QStringList answered;
        bool onCallersThread = true;
        const auto note = [&](const QString &what) {
            onCallersThread = onCallersThread && QThread::currentThread() == thread();
            answered.append(what);
        };
        link.renameRingtone(1, QStringLiteral("Deux"), this, [&](auto) { note("rename"); });
        link.removeRingtone(0, this, [&](auto) { note("remove"); });
        link.addRingtone(QStringLiteral("/x/New.m4r"), 3000, this, [&](auto) { note("add"); });
        link.commit(this, [&](auto) { note("commit"); });
        QList<DeviceLink::Ringtone> listed;
        link.ringtones(this, [&](const QList<DeviceLink::Ringtone> &tones) {
            note("list");
            listed = tones;
        });
        QTRY_COMPARE(answered.size(), 5);
        QCOMPARE(answered, QStringList({"rename", "remove", "add", "commit", "list"}));
        QVERIFY(onCallersThread);
        QCOMPARE(fakes::deviceCalls(),
                 QStringList({"rename_ringtone 0 1 Deux",
                              "remove_ringtone 0 0",
                              "add_ringtone 0 /x/New.m4r 3000",
                              "commit 0"}));
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed[0].title, QStringLiteral("Deux"));
        QCOMPARE(listed[0].fileName, QStringLiteral("BBBB.m4r"));
    }

    // While the phone works the caller's thread runs on and the link says it is busy.
    void callerRunsOnWhileThePhoneWorks()
    {
        DeviceLink link;
        QSignalSpy busy(&link, &DeviceLink::busyChanged);
        fakes::holdCommit(true);
        bool done = false;
        link.commit(this, [&](auto) { done = true; });
        QVERIFY(link.isBusy());
        QTRY_VERIFY(fakes::commitWaiting());
        QVERIFY(!done);
        fakes::holdCommit(false);
        QTRY_VERIFY(done);
        QVERIFY(!link.isBusy());
        QCOMPARE(busy.size(), 2);
        QCOMPARE(busy[0][0].toBool(), true);
        QCOMPARE(busy[1][0].toBool(), false);
    }

    // A result whose receiver has gone is dropped, and the link goes on with the next call.
    void resultForAGoneReceiverIsDropped()
    {
        DeviceLink link;
        bool reached = false;
        auto receiver = std::make_unique<QObject>();
        fakes::holdCommit(true);
        link.commit(receiver.get(), [&](auto) { reached = true; });
        QTRY_VERIFY(fakes::commitWaiting());
        receiver.reset();
        fakes::holdCommit(false);
        bool next = false;
        link.commit(this, [&](auto) { next = true; });
        QTRY_VERIFY(next);
        QVERIFY(!reached);
    }

    // A link destroyed while the phone works lets the running call end, and nothing it
    // queued reaches anyone afterwards.
    void destructionWaitsForTheRunningCall()
    {
        auto link = std::make_unique<DeviceLink>();
        int answers = 0;
        fakes::holdCommit(true);
        link->commit(this, [&](auto) { ++answers; });
        link->addRingtone(QStringLiteral("/x/Late.m4r"), 1000, this, [&](auto) { ++answers; });
        QTRY_VERIFY(fakes::commitWaiting());
        std::atomic<bool> destroying {false};
        std::thread release([&] {
            while (!destroying)
                std::this_thread::yield();
            fakes::holdCommit(false);
        });
        destroying = true;
        link.reset();
        release.join();
        QCOMPARE(fakes::commitsDone(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(answers, 0);
    }

    // The program's link goes as the program closes: a commit waiting for another writer's lock
    // gives up, its changes kept. An older library's, or another link's, is waited for.
    void closingGivesUpTheLockWait_data()
    {
        QTest::addColumn<bool>("entry");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<bool>("abandons");
        QTest::newRow("the program's link") << true << true << true;
        QTest::newRow("older library") << false << true << false;
        QTest::newRow("a link of its own") << true << false << false;
    }

    void closingGivesUpTheLockWait()
    {
        QFETCH(bool, entry);
        QFETCH(bool, listening);
        QFETCH(bool, abandons);
        fakes::setAbandonEntry(entry);
        auto link = std::make_unique<DeviceLink>();
        if (listening)
            link->listen();
        fakes::deviceCalls().clear();
        fakes::holdCommit(true);
        link->commit(this, {});
        QTRY_VERIFY(fakes::commitWaiting());
        // The other writer lets go once the link is destroying, or, where the link should
        // have ended the wait itself, only after a long while, so a fault shows, not hangs.
        std::atomic<bool> destroying {false};
        std::atomic<bool> destroyed {false};
        std::atomic<bool> releasedFirst {false};
        std::thread otherWriter([&] {
            const QDeadlineTimer deadline(abandons ? 30000 : 0);
            while (!destroying || (!destroyed && !deadline.hasExpired()))
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            releasedFirst = !destroyed;
            fakes::holdCommit(false);
        });
        destroying = true;
        link.reset();
        destroyed = true;
        otherWriter.join();
        QCOMPARE(fakes::commitsDone(), 1);
        QCOMPARE(releasedFirst.load(), !abandons);
        QCOMPARE(fakes::deviceCalls(),
                 abandons ? QStringList({"commit 0", "abandon_waits 0 1", "abandon_waits 0 0"})
                          : QStringList({"commit 0"}));
    }

    // Events come from the library's thread at any moment: a link that goes while they do
    // waits for the one in flight and is never reached afterwards.
    void destroyedWhileEventsFly()
    {
        std::atomic<bool> stop {false};
        std::atomic<int> raised {0};
        std::thread library([&] {
            while (!stop) {
                fakes::raiseDeviceEvent(0, "connect");
                fakes::raiseDeviceEvent(0, "disconnect");
                ++raised;
            }
        });
        int received = 0;
        for (int i = 0; i < 200; ++i) {
            auto link = std::make_unique<DeviceLink>();
            connect(link.get(), &DeviceLink::eventRaised, this, [&] { ++received; });
            link->listen();
            const int before = raised;
            while (raised < before + 2)
                QCoreApplication::processEvents();
            link.reset();
        }
        stop = true;
        library.join();
        QCoreApplication::processEvents();
        QVERIFY(received > 0);
    }
};

QTEST_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
