#include "app/settings.h"
#include "handvia.h"
#include "mainfixture.h"
#include "openrecorder.h"

#include <QComboBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

namespace {

// The status while the phone works.
const QString sending = QStringLiteral("Sending to the iPhone…");

// The status after a ringtone has reached the phone.
const QString sent = QStringLiteral(
        "Transfer succeed. New tones show up on the iPhone once it has restarted.");

// The status after a made ringtone, with the place of a file outside the home folder.
QString savedAs(const QString &file)
{
    return QStringLiteral("Conversion succeed. Saved as ") + file;
}

} // namespace

class TestGenerate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void naming_data();
    void naming();
    void ringtoneIsAacOfClipLength();
    void bothExportsPhoneFirst();
    void transferNeedsAddAndCommit_data();
    void transferNeedsAddAndCommit();
    void textToneIsMarkedBeforeTheCommit_data();
    void textToneIsMarkedBeforeTheCommit();
    void waitingCommitIsSentAgain_data();
    void waitingCommitIsSentAgain();
    void waitingAtExitIsTold_data();
    void waitingAtExitIsTold();
    void unreadableListIsNeverReplacedUnasked_data();
    void unreadableListIsNeverReplacedUnasked();
    void sendsQueueBehindEachOther_data();
    void sendsQueueBehindEachOther();
    void disconnectDuringGenerationSendsNothing();
    void longRingtoneIsSentWithAWarning_data();
    void longRingtoneIsSentWithAWarning();
    void phoneEvents_data();
    void phoneEvents();
    void toldFailureGivesWayOnReconnect_data();
    void toldFailureGivesWayOnReconnect();
    void failedEncodingIsReported();
    void clipWithoutAudioIsNoRingtone();
    void missingOutputLevelsAreCreated();
    void failedRenameKeepsEncoderOutput();
    void savedPlaceIsShownAndOpens_data();
    void savedPlaceIsShownAndOpens();
    void loadingDuringGenerationWaitsForIt_data();
    void loadingDuringGenerationWaitsForIt();

private:
    void loadInput(const QString &name, double seconds);
    void generateAndWait();
    QString outputFolder;
    MainFixture f;
};

void TestGenerate::initTestCase()
{
    MainFixture::isolateSettings();
    QVERIFY(f.dir.isValid());
}

void TestGenerate::init()
{
    // A fade-in set by one case is kept for the next window: each case starts without one.
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"))
            .remove(QStringLiteral("Setting/FadeIn"));
    fakes::reset();
    outputFolder = f.dir.filePath(QStringLiteral("out %1").arg(QTest::currentDataTag()));
    QDir(outputFolder).removeRecursively();
    QDir().mkpath(outputFolder);
}

void TestGenerate::cleanup()
{
    f.window.reset();
}

void TestGenerate::loadInput(const QString &name, double seconds)
{
    if (!f.window)
        f.open();
    f.loadAndWait(f.makeTone(name, seconds));
    f.child<QLineEdit>("editOutputFolder")->setText(outputFolder);
}

void TestGenerate::generateAndWait()
{
    f.child<QPushButton>("btnGenerate")->click();
    // While the job runs, the button is the job's stop button.
    QVERIFY(f.child<QPushButton>("btnGenerate")->property("stopsJob").toBool());
    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 60000);
    // The phone works on a thread of its own; the status says when it is done.
    QTRY_VERIFY(!f.wholeStatus().startsWith(sending));
}

void TestGenerate::naming_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("ringtone");

    // The naming rules have their own table; this row follows one name through the encoder.
    QTest::newRow("encoder output taken too") << "Ring" << QStringList {"Song.m4a"} << "Ring.m4r";
}

void TestGenerate::naming()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, present);
    for (const QString &name : present) {
        QFile file(QDir(outputFolder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    loadInput(QStringLiteral("Song.wav"), 3.0);
    f.child<QLineEdit>("editOutputName")->setText(typed);
    generateAndWait();
    QFETCH(QString, ringtone);
    QCOMPARE(f.wholeStatus(), savedAs(QDir(outputFolder).filePath(ringtone)));
    QVERIFY2(QFile::exists(QDir(outputFolder).filePath(ringtone)),
             qPrintable(QDir(outputFolder).entryList(QDir::Files).join(QLatin1Char(','))));
    // Players and the phone show the name the ringtone was saved under.
    QCOMPARE(MediaTool::probe(QDir(outputFolder).filePath(ringtone), "format_tags=title"),
             QFileInfo(ringtone).completeBaseName());
    // Files that were there before are untouched, and no .m4a of this run is left.
    QCOMPARE(QDir(outputFolder).entryList(QDir::Files).size(), present.size() + 1);
}

void TestGenerate::ringtoneIsAacOfClipLength()
{
    loadInput(QStringLiteral("Clip.wav"), 60.0);
    f.child<QTimeEdit>("editEndTime")->setTime(QTime(0, 0, 40, 500));
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, 13));
    f.child<QSpinBox>("spinFadein")->setValue(3);
    generateAndWait();
    const QString ringtone = QDir(outputFolder).filePath(QStringLiteral("Clip.m4r"));
    QVERIFY(QFile::exists(ringtone));

    // AAC, 44.1 kHz stereo, 27.5 s.
    QCOMPARE(MediaTool::probe(ringtone,
                              QStringLiteral("stream=codec_name,sample_rate,channels"
                                             ":format=duration")),
             QStringLiteral("aac\n44100\n2\n27.500000"));
}

void TestGenerate::bothExportsPhoneFirst()
{
    // A stand-in for the iTunes program writes down how it was started.
    const QString started = f.dir.filePath(QStringLiteral("itunes-args.txt"));
    const QString program = f.dir.filePath(QStringLiteral("itunes.sh"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(started).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    fakes::setITunes(0x0B000000, program);

    loadInput(QStringLiteral("Both.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    QVERIFY(f.child<QCheckBox>("checkExport")->isChecked());
    QVERIFY(!f.child<QCheckBox>("checkExportITunes")->isChecked());
    fakes::deviceCalls().clear();
    generateAndWait();

    const QString ringtone = QDir::toNativeSeparators(QDir(outputFolder).filePath("Both.m4r"));
    QCOMPARE(fakes::deviceCalls(),
             QStringList({QStringLiteral("add_ringtone 0 %1 10000").arg(ringtone), "commit 0"}));
    QCOMPARE(f.wholeStatus(), sent);
    // Even a library that names an iTunes program never gets it started here; a start would
    // come right after the transfer, so a short wait is all there is to wait on.
    QTest::qWait(500);
    QVERIFY(!QFile::exists(started));
}

void TestGenerate::longRingtoneIsSentWithAWarning_data()
{
    QTest::addColumn<QTime>("end");
    QTest::addColumn<QString>("status");
    QTest::newRow("40 s") << QTime(0, 0, 40) << sent;
    QTest::newRow("40.5 s") << QTime(0, 0, 40, 500)
                            << QStringLiteral("Transfer succeed, but ringtones longer than 40 "
                                              "seconds may not appear on the iPhone. New tones "
                                              "show up on the iPhone once it has restarted.");
}

// Nothing is refused: the long ringtone is made and sent all the same.
void TestGenerate::longRingtoneIsSentWithAWarning()
{
    QFETCH(QTime, end);
    QFETCH(QString, status);
    loadInput(QStringLiteral("Forty.wav"), 45.0);
    f.child<QTimeEdit>("editEndTime")->setTime(end);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    generateAndWait();
    const QString ringtone = QDir::toNativeSeparators(QDir(outputFolder).filePath("Forty.m4r"));
    QCOMPARE(fakes::deviceCalls(),
             QStringList({QStringLiteral("add_ringtone 0 %1 %2")
                                  .arg(ringtone)
                                  .arg(QTime(0, 0).msecsTo(end)),
                          "commit 0"}));
    QCOMPARE(f.wholeStatus(), status);
}

void TestGenerate::transferNeedsAddAndCommit_data()
{
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("committed");
    QTest::addColumn<QString>("status");
    QTest::newRow("both succeed") << 0 << 0 << sent;
    QTest::newRow("add fails") << -1 << 0 << QStringLiteral("Transfer failed.");
    QTest::newRow("commit fails") << 0 << -1 << QStringLiteral("Transfer failed.");
    QTest::newRow("staged for another phone")
            << 0 << -2
            << QStringLiteral("Transfer failed: the iPhone changed while the ringtone was being "
                              "sent. Press Generate to send it to this iPhone.");
    QTest::newRow("upload lost") << 0 << -3
                                 << QStringLiteral("Transfer failed: the ringtone's copy vanished "
                                                   "from the iPhone before it was saved there. "
                                                   "Press Generate to send it again.");
    QTest::newRow("database kept as it was")
            << 0 << -4
            << QStringLiteral("Not sent yet: the iPhone's ringtone list holds values that writing "
                              "it would change, so it was left as it is. Vardel tries again while "
                              "the iPhone stays connected.");
    QTest::newRow("add fails, database kept") << -1 << -4 << QStringLiteral("Transfer failed.");
}

void TestGenerate::transferNeedsAddAndCommit()
{
    QFETCH(int, added);
    QFETCH(int, committed);
    QFETCH(QString, status);
    fakes::setAddResult(added);
    fakes::setCommitResult(committed);
    loadInput(QStringLiteral("Sent.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    generateAndWait();

    const QString ringtone = QDir::toNativeSeparators(QDir(outputFolder).filePath("Sent.m4r"));
    QCOMPARE(fakes::deviceCalls(),
             QStringList({QStringLiteral("add_ringtone 0 %1 10000").arg(ringtone), "commit 0"}));
    QCOMPARE(f.wholeStatus(), status);
    QVERIFY2(QFile::exists(ringtone), "the ringtone stays in the output folder");
}

void TestGenerate::textToneIsMarkedBeforeTheCommit_data()
{
    QTest::addColumn<bool>("kindEntries");
    QTest::addColumn<QString>("stored"); // ToneKind before the window opens
    QTest::addColumn<bool>("textTone"); // picked in the window
    QTest::addColumn<QString>("kindCall");

    QTest::newRow("ringtone: nothing new between add and commit")
            << true << QString() << false << QString();
    QTest::newRow("text tone, the last listed")
            << true << QString() << true << QStringLiteral("set_ringtone_kind 0 2 1");
    QTest::newRow("remembered text tone") << true << "tone" << true << "set_ringtone_kind 0 2 1";
    QTest::newRow("unknown setting: ringtone") << true << "bell" << false << QString();
    QTest::newRow("older library: always a ringtone") << false << "tone" << true << QString();
}

void TestGenerate::textToneIsMarkedBeforeTheCommit()
{
    QFETCH(bool, kindEntries);
    QFETCH(QString, stored);
    QFETCH(bool, textTone);
    QFETCH(QString, kindCall);
    fakes::setKindEntries(kindEntries);
    fakes::phoneRingtones() = {{"One", "AAAA.m4r"}, {"Two", "BBBB.m4r"}};
    if (stored.isEmpty())
        openSettings()->remove(QStringLiteral("ToneKind"));
    else
        writeSetting(QStringLiteral("ToneKind"), stored);
    loadInput(QStringLiteral("Kind.wav"), 12.0);
    auto *kind = f.child<QComboBox>("comboToneKind");
    QCOMPARE(kind->isEnabled(), kindEntries);
    QVERIFY(!kind->accessibleName().isEmpty());
    QCOMPARE(kind->currentIndex(), stored == QLatin1String("tone") ? 1 : 0);
    if (kind->isEnabled())
        kind->setCurrentIndex(textTone ? 1 : 0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    generateAndWait();

    const QString ringtone = QDir::toNativeSeparators(QDir(outputFolder).filePath("Kind.m4r"));
    QStringList calls {QStringLiteral("add_ringtone 0 %1 10000").arg(ringtone), "commit 0"};
    if (!kindCall.isEmpty())
        calls.insert(1, kindCall);
    QCOMPARE(fakes::deviceCalls(), calls);
    QCOMPARE(f.wholeStatus(), sent);
    if (kindEntries) {
        QCOMPARE(fakes::phoneRingtones().value(2).textTone, !kindCall.isEmpty());
        QCOMPARE(readSetting(QStringLiteral("ToneKind"), QString()),
                 textTone ? QStringLiteral("tone") : stored);
    }
}

void TestGenerate::waitingCommitIsSentAgain_data()
{
    QTest::addColumn<int>("failed"); // what the first commits return
    QTest::addColumn<int>("retried"); // what the commit returns once the phone is free
    QTest::addColumn<QString>("status");
    QTest::newRow("sent") << -1 << 0
                          << QStringLiteral("The tone that waited is now on the iPhone. It shows "
                                            "up once the iPhone has restarted.");
    QTest::newRow("another phone came") << -1 << int(HANDVIA_E_OTHER_PHONE)
                                        << QStringLiteral("The tone that waited could not be "
                                                          "sent: the iPhone it was meant for is "
                                                          "gone. It stays in the output folder.");
    QTest::newRow("database kept as it was, then sent")
            << int(HANDVIA_E_DATABASE_KEPT) << 0
            << QStringLiteral("The tone that waited is now on the iPhone. It shows up once the "
                              "iPhone has restarted.");
}

// A commit that failed with its changes kept is tried again while the phone stays connected,
// and only then.
void TestGenerate::waitingCommitIsSentAgain()
{
    QFETCH(int, failed);
    QFETCH(int, retried);
    QFETCH(QString, status);
    fakes::setCommitResult(failed);
    loadInput(QStringLiteral("Wait.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    constexpr int retryMs = 50;
    f.window->findChild<QTimer *>(QStringLiteral("commitRetryTimer"))->setInterval(retryMs);
    generateAndWait();
    QCOMPARE(f.wholeStatus(),
             failed == -1 ? QStringLiteral("Transfer failed.")
                          : QStringLiteral("Not sent yet: the iPhone's ringtone list holds values "
                                           "that writing it would change, so it was left as it "
                                           "is. Vardel tries again while the iPhone stays "
                                           "connected."));
    QTRY_VERIFY(fakes::deviceCalls().count(QStringLiteral("commit 0")) >= 3);

    fakes::raiseDeviceEvent(0, "disconnect");
    QTRY_VERIFY(!f.child<QCheckBox>("checkExport")->isEnabled());
    fakes::deviceCalls().clear();
    fakes::setCommitResult(retried);
    // No retry may come: a few retry intervals show it, as nothing happens to wait on.
    QTest::qWait(4 * retryMs);
    QCOMPARE(fakes::deviceCalls(), QStringList());

    fakes::raiseDeviceEvent(0, "connect");
    QTRY_COMPARE(f.wholeStatus(), status);
    QCOMPARE(fakes::deviceCalls(), QStringList({"commit 0"}));
    QTest::qWait(4 * retryMs);
    QCOMPARE(fakes::deviceCalls(), QStringList({"commit 0"}));
}

void TestGenerate::waitingAtExitIsTold_data()
{
    QTest::addColumn<bool>("stillSending");
    QTest::addColumn<QString>("told");
    QTest::newRow("kept after a failed commit")
            << false
            << QStringLiteral("A tone that waited for the iPhone was not sent; it stays in the "
                              "output folder. Send it again once the iPhone is free.");
    QTest::newRow("still being sent")
            << true
            << QStringLiteral("A tone was still being sent to the iPhone and may not get there. "
                              "It stays in the output folder; send it again if the iPhone does "
                              "not list it.");
}

// The staged changes end with the program: the user learns that the tone never got there.
// A commit still waiting for the phone's lock gives up as the window goes.
void TestGenerate::waitingAtExitIsTold()
{
    QFETCH(bool, stillSending);
    QFETCH(QString, told);
    fakes::setCommitResult(-1);
    fakes::setAbandonEntry(true);
    fakes::holdCommit(stillSending);
    loadInput(QStringLiteral("Exit.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    if (stillSending) {
        f.child<QPushButton>("btnGenerate")->click();
        QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 60000);
        QTRY_VERIFY(fakes::commitWaiting());
    } else {
        generateAndWait();
    }
    QString shown;
    MainFixture::answerMessageBox(&shown);
    f.window->close();
    QCOMPARE(shown, told);
    // The window's link goes with it: the held commit gives up rather than keep it.
    f.window.reset();
    if (stillSending)
        QCOMPARE(fakes::commitsDone(), 1);
}

void TestGenerate::unreadableListIsNeverReplacedUnasked_data()
{
    QTest::addColumn<bool>("newListEntry"); // the library can start a new list
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("status");
    const QString notSent = QStringLiteral(
            "Not sent: the iPhone's ringtone list could not be read, and Vardel left it "
            "untouched.");
    QTest::newRow("yes: a new list") << true << int(QMessageBox::Yes) << sent;
    QTest::newRow("no: left as it is") << true << int(QMessageBox::No) << notSent;
    QTest::newRow("an older library: told only") << false << int(QMessageBox::Ok) << notSent;
}

// The tone is not sent into a list that cannot be read; only the user's yes gives the list up,
// and the box says where the old one stays.
void TestGenerate::unreadableListIsNeverReplacedUnasked()
{
    QFETCH(bool, newListEntry);
    QFETCH(int, answer);
    QFETCH(QString, status);
    fakes::setListUnreadable(true);
    fakes::setNewListEntry(newListEntry);
    loadInput(QStringLiteral("Unreadable.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    generateAndWait();
    QPointer<QMessageBox> box;
    QTRY_VERIFY((box = f.window->findChild<QMessageBox *>(QStringLiteral("newListBox"))));
    QCOMPARE(f.wholeStatus(),
             QStringLiteral("Not sent: the iPhone's ringtone list could not be read, and Vardel "
                            "left it untouched."));
    QVERIFY2(box->text().startsWith(QStringLiteral(
                     "The iPhone's ringtone list could not be read. Vardel left it untouched")),
             qPrintable(box->text()));
    QCOMPARE(box->text().contains(QStringLiteral("Ringtones.unreadable-YYYYMMDD-HHMMSS.plist")),
             newListEntry);
    QCOMPARE(fakes::deviceCalls().filter(QStringLiteral("start_new_database")), QStringList());
    box->button(QMessageBox::StandardButton(answer))->click();
    QTRY_VERIFY(!box);
    QTRY_COMPARE(f.wholeStatus(), status);
    const QStringList started = answer == QMessageBox::Yes
            ? QStringList({"start_new_database 0", "commit 0"})
            : QStringList();
    QCOMPARE(fakes::deviceCalls().mid(fakes::deviceCalls().indexOf("commit 0") + 1), started);
}

void TestGenerate::sendsQueueBehindEachOther_data()
{
    QTest::addColumn<int>("firstAdded");
    QTest::addColumn<int>("secondAdded");
    QTest::addColumn<QString>("status");
    QTest::newRow("both sent") << 0 << 0 << sent;
    QTest::newRow("first failed, second sent") << -1 << 0 << QStringLiteral("Transfer failed.");
    QTest::newRow("first sent, second failed") << 0 << -1 << QStringLiteral("Transfer failed.");
}

// Generate makes files while the phone still works on the last one: each is sent after the
// one before, the line says so until none is left, and a failure is never hidden by a later
// success.
void TestGenerate::sendsQueueBehindEachOther()
{
    QFETCH(int, firstAdded);
    QFETCH(int, secondAdded);
    QFETCH(QString, status);
    loadInput(QStringLiteral("Queue.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    fakes::holdCommit(true);
    fakes::setAddResult(firstAdded);
    f.child<QPushButton>("btnGenerate")->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 60000);
    QTRY_VERIFY(fakes::commitWaiting());
    QCOMPARE(f.wholeStatus(), sending);

    fakes::setAddResult(secondAdded);
    f.child<QPushButton>("btnGenerate")->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 60000);
    QCOMPARE(f.wholeStatus(), sending);
    fakes::holdCommit(false);
    QTRY_COMPARE(fakes::commitsDone(), 2);
    QTRY_COMPARE(f.wholeStatus(), status);

    const QDir out(outputFolder);
    const QString first = QDir::toNativeSeparators(out.filePath(QStringLiteral("Queue.m4r")));
    const QString second = QDir::toNativeSeparators(out.filePath(QStringLiteral("Queue(1).m4r")));
    QCOMPARE(fakes::deviceCalls(),
             QStringList({QStringLiteral("add_ringtone 0 %1 10000").arg(first),
                          "commit 0",
                          QStringLiteral("add_ringtone 0 %1 10000").arg(second),
                          "commit 0"}));
    QVERIFY(QFile::exists(first) && QFile::exists(second));
}

void TestGenerate::disconnectDuringGenerationSendsNothing()
{
    loadInput(QStringLiteral("Away.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    f.child<QPushButton>("btnGenerate")->click();
    fakes::raiseDeviceEvent(0, "disconnect");
    QVERIFY(!f.child<QCheckBox>("checkExport")->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 60000);
    QCOMPARE(f.wholeStatus(), savedAs(QDir(outputFolder).filePath(QStringLiteral("Away.m4r"))));
    for (const QString &call : fakes::deviceCalls())
        QVERIFY2(!call.startsWith(QLatin1String("add_ringtone")), qPrintable(call));
}

void TestGenerate::phoneEvents_data()
{
    QTest::addColumn<QByteArray>("event");
    QTest::addColumn<bool>("attached");
    QTest::addColumn<QString>("status");

    QTest::newRow("connect") << QByteArray("connect") << true << "Ready.";
    QTest::newRow("disconnect") << QByteArray("disconnect") << false
                                << "Please connect your iPhone to this computer.";
    QTest::newRow("other case ignored")
            << QByteArray("Connect") << false << "Please connect your iPhone to this computer.";
}

void TestGenerate::phoneEvents()
{
    QFETCH(QByteArray, event);
    f.open();
    QSignalSpy changed(f.window.get(), &MainDialog::phoneChanged);
    fakes::raiseDeviceEvent(0, event.constData());
    fakes::raiseDeviceEvent(1, "connect");
    QTEST(f.child<QCheckBox>("checkExport")->isEnabled(), "attached");
    QTEST(f.child<QCheckBox>("checkExport")->isChecked(), "attached");
    QTEST(f.status(), "status");
    QCOMPARE(changed.size(), event.toLower() == event ? 1 : 0);
}

void TestGenerate::toldFailureGivesWayOnReconnect_data()
{
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("committed");
    QTest::addColumn<QString>("failure");
    QTest::newRow("add fails") << -1 << 0 << QStringLiteral("Transfer failed.");
    QTest::newRow("staged for another phone")
            << 0 << -2
            << QStringLiteral("Transfer failed: the iPhone changed while the ringtone was being "
                              "sent. Press Generate to send it to this iPhone.");
}

// The failure leads the text while the phone is away; once the phone is back it has been
// told, and the line reads "Ready." with the failure kept in its tooltip.
void TestGenerate::toldFailureGivesWayOnReconnect()
{
    QFETCH(int, added);
    QFETCH(int, committed);
    QFETCH(QString, failure);
    fakes::setAddResult(added);
    fakes::setCommitResult(committed);
    loadInput(QStringLiteral("Told.wav"), 12.0);
    fakes::raiseDeviceEvent(0, "connect");
    generateAndWait();
    QCOMPARE(f.wholeStatus(), failure);

    fakes::raiseDeviceEvent(0, "disconnect");
    QTRY_COMPARE(f.wholeStatus(),
                 failure + QStringLiteral(" Please connect your iPhone to this computer."));
    fakes::setAddResult(0);
    fakes::setCommitResult(0);
    fakes::raiseDeviceEvent(0, "connect");
    QTRY_COMPARE(f.status(), QStringLiteral("Ready."));
    QCOMPARE(f.child<QLabel>("labelStatus")->toolTip(), QStringLiteral("Ready.\n") + failure);
}

void TestGenerate::failedEncodingIsReported()
{
    loadInput(QStringLiteral("Gone.wav"), 5.0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("Gone.wav"))));
    generateAndWait();
    QCOMPARE(f.status(), QStringLiteral("Conversion failed."));
    QVERIFY(fakes::deviceCalls().isEmpty());
    QVERIFY(QDir(outputFolder).entryList(QDir::Files).isEmpty());
}

// A video whose sound ends before the clip begins: no empty ringtone is made or sent.
void TestGenerate::clipWithoutAudioIsNoRingtone()
{
    const QString video = f.dir.filePath(QStringLiteral("Silent end.mkv"));
    QVERIFY(MediaTool::makeVideo(video, 8, 2));
    f.open();
    f.loadAndWait(video);
    f.child<QLineEdit>("editOutputFolder")->setText(outputFolder);
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, 5));
    QCOMPARE(f.clip().first, 5.0);
    QVERIFY(f.clip().second >= 8.0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    generateAndWait();
    QCOMPARE(f.status(), QStringLiteral("Conversion failed."));
    QVERIFY(fakes::deviceCalls().isEmpty());
    QVERIFY(QDir(outputFolder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestGenerate::missingOutputLevelsAreCreated()
{
    loadInput(QStringLiteral("Deep.wav"), 3.0);
    const QString deep = QDir(outputFolder).filePath(QStringLiteral("a/b/c"));
    f.child<QLineEdit>("editOutputFolder")->setText(deep);
    generateAndWait();
    QCOMPARE(f.wholeStatus(), savedAs(QDir(deep).filePath(QStringLiteral("Deep.m4r"))));
    QVERIFY(QFile::exists(QDir(deep).filePath(QStringLiteral("Deep.m4r"))));
}

// A name the file system cannot hold: the tone stays where the encoder wrote it, and
// nothing that does not exist is sent to the phone.
void TestGenerate::failedRenameKeepsEncoderOutput()
{
    loadInput(QStringLiteral("Long.wav"), 3.0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::deviceCalls().clear();
    f.child<QLineEdit>("editOutputName")->setText(QString(300, QLatin1Char('x')));
    generateAndWait();
    QCOMPARE(f.status(),
             QStringLiteral(
                     "The ringtone could not be renamed; it was kept as the encoder wrote it."));
    QCOMPARE(QDir(outputFolder).entryList(QDir::Files), QStringList {"Long.m4a"});
    QVERIFY(fakes::deviceCalls().isEmpty());
}

// The ringtone being made ends with what was true when Generate was pressed: its name, its
// input and its length. The newer file is decoded after it and looks like any other load, with
// the ringtone's result kept in front of the load's status, so the load never hides it.
void TestGenerate::loadingDuringGenerationWaitsForIt_data()
{
    QTest::addColumn<int>("commitResult");
    QTest::addColumn<QString>("result");
    QTest::newRow("sent") << 0 << sent;
    QTest::newRow("not sent") << -1 << QStringLiteral("Transfer failed.");
}

void TestGenerate::loadingDuringGenerationWaitsForIt()
{
    QFETCH(int, commitResult);
    QFETCH(QString, result);
    loadInput(QStringLiteral("First.wav"), 20.0);
    fakes::raiseDeviceEvent(0, "connect");
    fakes::setCommitResult(commitResult);
    fakes::deviceCalls().clear();
    const QString next = f.makeTone(QStringLiteral("Next.wav"), 4.0);
    f.child<QPushButton>("btnGenerate")->click();
    f.window->loadFile(next);
    QCOMPARE(f.status(), QStringLiteral("File is loading, please wait..."));

    QList<QPair<QString, bool>> seen;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        seen.append({f.wholeStatus(), f.slider()->isVisible()});
    });
    sampler.start(0);
    const QString loaded = result + QStringLiteral(" File loaded.");
    QTRY_COMPARE_WITH_TIMEOUT(f.wholeStatus(), loaded, 60000);
    sampler.stop();
    const QString loading = QStringLiteral("File is loading, please wait...");
    // The load alone, then the transfer under way in front of it, then its result.
    const QStringList stages
            = {loading, sending + QLatin1Char(' ') + loading, result + QLatin1Char(' ') + loading};
    int stage = 0;
    for (const auto &[status, sliderShown] : std::as_const(seen)) {
        if (status == loaded)
            break;
        QVERIFY2(stages.indexOf(status) >= stage, qPrintable(status));
        stage = int(stages.indexOf(status));
        QVERIFY(!sliderShown);
    }

    QVERIFY(f.child<QPushButton>("btnGenerate")->isEnabled());
    QCOMPARE(QDir(outputFolder).entryList(QDir::Files), QStringList {"First.m4r"});
    const QString ringtone = QDir::toNativeSeparators(QDir(outputFolder).filePath("First.m4r"));
    QCOMPARE(fakes::deviceCalls(),
             QStringList({QStringLiteral("add_ringtone 0 %1 10000").arg(ringtone), "commit 0"}));
    QCOMPARE(f.child<QLineEdit>("editOutputName")->text(), QStringLiteral("Next"));
    QCOMPARE(f.clip(), qMakePair(0.0, 4.0));
}

void TestGenerate::savedPlaceIsShownAndOpens_data()
{
    QTest::addColumn<QString>("folder"); // under the home folder
    QTest::addColumn<bool>("cut"); // too long for the line

    QTest::newRow("home folder") << "Vardel Tones" << false;
    QTest::newRow("long path")
            << "Vardel Tones/a folder with a rather long name/and another one below it/and "
               "yet another level for good measure"
            << true;
}

// The status names where the ringtone went, from the home folder; a place too long for the
// line loses the middle of its folder, never the file's name; its link opens the folder.
void TestGenerate::savedPlaceIsShownAndOpens()
{
    QFETCH(QString, folder);
    QFETCH(bool, cut);
    const QString home = QDir::home().filePath(folder);
    QDir(QDir::home().filePath(QStringLiteral("Vardel Tones"))).removeRecursively();
    QVERIFY(QDir().mkpath(home));
    loadInput(QStringLiteral("Song.wav"), 3.0);
    f.child<QLineEdit>("editOutputFolder")->setText(home);
    generateAndWait();

    const QString whole = QStringLiteral("Conversion succeed. Saved as ~/%1/Song.m4r").arg(folder);
    QCOMPARE(f.wholeStatus(), whole);
    QCOMPARE(f.status() != whole, cut);
    QVERIFY(f.status().startsWith(QStringLiteral("Conversion succeed. Saved as ~/")));
    QVERIFY(f.status().endsWith(QStringLiteral("/Song.m4r")));

    auto *label = f.child<QLabel>("labelStatus");
    const QString href = QRegularExpression(QStringLiteral("href=\"([^\"]+)\""))
                                 .match(label->text())
                                 .captured(1);
    OpenRecorder recorder;
    emit label->linkActivated(href);
    QTRY_COMPARE(recorder.opened(), QList<QUrl> {QUrl::fromLocalFile(home)});

    recorder.succeed(false);
    emit label->linkActivated(href);
    QTRY_COMPARE(f.status(),
                 QStringLiteral("The folder could not be opened: no file manager was found."));
    QDir(QDir::home().filePath(QStringLiteral("Vardel Tones"))).removeRecursively();
}

QTEST_MAIN(TestGenerate)
#include "tst_generate.moc"
