// The main window with the real encoder and the real device library over USB, against the
// stand-in phone: what the window says after Generate is what happened on the phone. Each
// test function runs in a process of its own with a fresh phone (standin_phone.py run).
#include "../manager/managerfixture.h"
#include "app/settings.h"
#include "device/managedialog.h"
#include "editor/maindialog.h"
#include "handviatable.h"
#include "mediatool.h"
#include "standin.h"
#include "windowstatus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const int phoneWait = 20000;
const QString ringtoneFolder = QStringLiteral("iTunes_Control/Ringtones");
const QString sent = QStringLiteral(
        "Transfer succeed. New tones show up on the iPhone once it has restarted.");
const QString failedAndUnplugged
        = QStringLiteral("Transfer failed. Please connect your iPhone to this computer.");

QStringList phoneTones()
{
    return QDir(Standin::path(ringtoneFolder)).entryList({QStringLiteral("*.m4r")}, QDir::Files);
}

} // namespace

class TestPhoneWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ringtoneReachesThePhone();
    void managerRenamesAndRemovesOnThePhone();
    void textToneAndItsSwitchInTheManager();
    void managerRestartsThePhone();
    void lockHeldByAnotherSync();
    void unpluggedWhileTheToneIsWritten();
    void unpluggedWhileTheListIsSaved();
    void phoneStateIsTold_data();
    void phoneStateIsTold();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QString status() const { return child<QLabel>("labelStatus")->text(); }
    QString wholeStatus() const { return windowstatus::wholeStatus(window.get()); }
    bool generateIsBack() const { return windowstatus::generateIsBack(window.get()); }
    void generate();
    void failedTransferIsTold(const QByteArray &fault, const QString &finally);

    QTemporaryDir dir;
    QString input;
    QString outputFolder;
    std::unique_ptr<MainDialog> window;
};

void TestPhoneWindow::initTestCase()
{
    QVERIFY2(Standin::available(), "run through standin_phone.py run --");
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    input = dir.filePath(QStringLiteral("Evening Bell.wav"));
    QVERIFY(MediaTool::make({"-f", "lavfi", "-i", "sine=frequency=440:duration=20", input}));
}

// A phone that is plugged in when the window opens is taken up, and Export is checked.
void TestPhoneWindow::init()
{
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    outputFolder = dir.filePath(QStringLiteral("out"));
    writeSetting(QStringLiteral("OutputFolder"), outputFolder);
    window = std::make_unique<MainDialog>();
    window->show();
    QTRY_VERIFY_WITH_TIMEOUT(child<QCheckBox>("checkExport")->isChecked(), phoneWait);
    window->loadFile(input);
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("File loaded."), 60000);
}

void TestPhoneWindow::cleanup()
{
    window.reset();
}

void TestPhoneWindow::generate()
{
    child<QPushButton>("btnGenerate")->click();
    QTRY_VERIFY_WITH_TIMEOUT(generateIsBack(), 60000);
    // The phone works on a thread of its own; the status says when it is done.
    QTRY_VERIFY_WITH_TIMEOUT(!wholeStatus().startsWith(QStringLiteral("Sending to the iPhone")),
                             phoneWait);
}

void TestPhoneWindow::ringtoneReachesThePhone()
{
    generate();
    QCOMPARE(wholeStatus(), sent);
    const QStringList tones = phoneTones();
    QCOMPARE(tones.size(), 1);
    QFile local(QDir(outputFolder).filePath(QStringLiteral("Evening Bell.m4r")));
    QVERIFY(local.open(QIODevice::ReadOnly));
    QCOMPARE(Standin::read(ringtoneFolder + QLatin1Char('/') + tones[0]), local.readAll());
    QVERIFY(Standin::read(Standin::databasePath()).contains("Evening Bell"));
    QVERIFY(Standin::notifications().contains(
            QStringLiteral("com.apple.itunes-mobdev.syncDidFinish")));
}

// The manager over the same USB link: what it lists, renames and removes is the phone's.
void TestPhoneWindow::managerRenamesAndRemovesOnThePhone()
{
    generate();
    ManageDialog manager(window.get());
    QTRY_VERIFY(managerIdle(&manager));
    QCOMPARE(listCount(&manager), 1);
    QCOMPARE(listData(&manager, 0).toString(), QStringLiteral("Evening Bell"));

    setListRow(&manager, 0);
    auto *name = ::child<QLineEdit>(&manager, "editName");
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Morning Bell"));
    QTest::mouseClick(::child<QPushButton>(&manager, "btnRename"), Qt::LeftButton);
    QTRY_VERIFY(managerIdle(&manager));
    const QByteArray renamed = Standin::read(Standin::databasePath());
    QVERIFY(renamed.contains("Morning Bell"));
    QVERIFY(!renamed.contains("Evening Bell"));
    QCOMPARE(phoneTones().size(), 1);

    QuestionAnswer question;
    question.answerNext(QMessageBox::Yes);
    QTest::mouseClick(::child<QPushButton>(&manager, "btnRemove"), Qt::LeftButton);
    QTRY_VERIFY(managerIdle(&manager));
    QCOMPARE(listCount(&manager), 0);
    QVERIFY(!Standin::read(Standin::databasePath()).contains("Morning Bell"));
    QVERIFY(phoneTones().isEmpty());
}

// A text tone is the phone's "Media Kind" "tone"; the manager shows the kind and switches it.
void TestPhoneWindow::textToneAndItsSwitchInTheManager()
{
    auto *kind = child<QComboBox>("comboToneKind");
    QVERIFY(kind->isEnabled());
    kind->setCurrentIndex(1);
    generate();
    QCOMPARE(wholeStatus(), sent);
    const QStringList tones = phoneTones();
    QCOMPARE(tones.size(), 1);
    const auto mediaKind = [&] {
        return PlistFile::string(PlistFile(Standin::read(Standin::databasePath())).entry(tones[0]),
                                 "Media Kind");
    };
    QCOMPARE(mediaKind(), QStringLiteral("tone"));
    // The file on the phone carries its name for players too.
    QCOMPARE(MediaTool::probe(Standin::path(ringtoneFolder + QLatin1Char('/') + tones[0]),
                              "format_tags=title"),
             QStringLiteral("Evening Bell"));

    ManageDialog manager(window.get());
    manager.onPhoneConnect(true);
    QTRY_VERIFY(managerIdle(&manager));
    auto *switchKind = ::child<QPushButton>(&manager, "btnKind");
    setListRow(&manager, 0);
    QCOMPARE(listData(&manager, 0, Qt::ToolTipRole).toString(),
             QStringLiteral("Evening Bell (text tone)"));
    QCOMPARE(switchKind->text(), QStringLiteral("As Ringtone"));
    QTest::mouseClick(switchKind, Qt::LeftButton);
    QTRY_VERIFY(managerIdle(&manager));
    QCOMPARE(mediaKind(), QString());
    QCOMPARE(listData(&manager, 0, Qt::ToolTipRole).toString(),
             QStringLiteral("Evening Bell (ringtone)"));
    QCOMPARE(switchKind->text(), QStringLiteral("As Text Tone"));
    QCOMPARE(phoneTones(), tones);
}

// The restart is asked for first; the phone goes and comes back, and the button follows it.
void TestPhoneWindow::managerRestartsThePhone()
{
    ManageDialog manager(window.get());
    connect(window.get(), &MainDialog::phoneChanged, &manager, &ManageDialog::onPhoneConnect);
    manager.onPhoneConnect(true);
    QTRY_VERIFY(managerIdle(&manager));
    auto *restart = ::child<QPushButton>(&manager, "btnRestart");
    QVERIFY(restart->isEnabled());

    QuestionAnswer question;
    question.answerNext(QMessageBox::No);
    QTest::mouseClick(restart, Qt::LeftButton);
    QVERIFY(question.defaultNo);
    QCOMPARE(Standin::count("diag-Restart"), 0);

    QSignalSpy phone(window.get(), &MainDialog::phoneChanged);
    question.answerNext(QMessageBox::Yes);
    QTest::mouseClick(restart, Qt::LeftButton);
    QTRY_VERIFY(managerIdle(&manager));
    QCOMPARE(Standin::count("diag-Restart"), 1);
    QTRY_COMPARE_WITH_TIMEOUT(phone.size(), 1, phoneWait);
    QVERIFY(!restart->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(phone.size(), 2, phoneWait);
    QTRY_VERIFY(managerIdle(&manager));
    QVERIFY(restart->isEnabled());
}

// The ringtone stays in the output folder; the phone keeps no half of it in its list, and the
// window says the transfer failed, also once the phone is gone.
void TestPhoneWindow::failedTransferIsTold(const QByteArray &fault, const QString &finally)
{
    QCOMPARE(Standin::command(fault), QByteArray("ok"));
    generate();
    QTRY_COMPARE_WITH_TIMEOUT(status(), finally, phoneWait);
    QVERIFY(QFile::exists(QDir(outputFolder).filePath(QStringLiteral("Evening Bell.m4r"))));
    QVERIFY(!Standin::read(Standin::databasePath()).contains("Evening Bell"));
}

// Each in a process of its own: the phone and the library's staged changes outlive a window.
void TestPhoneWindow::lockHeldByAnotherSync()
{
    failedTransferIsTold("holdlock on", QStringLiteral("Transfer failed."));

    // The manager marks the tone that waits; once the lock is free the window sends it.
    QString tip;
    bool italic = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto *manager = window->findChild<ManageDialog *>();
        if (!manager)
            return;
        if (!QTest::qWaitFor([&] { return managerIdle(manager); }, phoneWait))
            return;
        tip = listData(manager, 0, Qt::ToolTipRole).toString();
        italic = listData(manager, 0, Qt::FontRole).value<QFont>().italic();
        manager->reject();
    });
    emit child<QLabel>("labelManage")->linkActivated(QString());
    QCOMPARE(tip, QStringLiteral("Evening Bell (ringtone, waiting to be sent)"));
    QVERIFY(italic);

    QCOMPARE(Standin::command("holdlock off"), QByteArray("ok"));
    window->findChild<QTimer *>(QStringLiteral("commitRetryTimer"))->setInterval(100);
    QTRY_COMPARE_WITH_TIMEOUT(wholeStatus(),
                              QStringLiteral("The tone that waited is now on the iPhone. It shows "
                                             "up once the iPhone has restarted."),
                              phoneWait);
    QVERIFY(Standin::read(Standin::databasePath()).contains("Evening Bell"));
    QCOMPARE(phoneTones().size(), 1);
}

void TestPhoneWindow::unpluggedWhileTheToneIsWritten()
{
    failedTransferIsTold("trap write iTunes_Control/Ringtones/", failedAndUnplugged);
}

void TestPhoneWindow::unpluggedWhileTheListIsSaved()
{
    failedTransferIsTold("trap rename iTunes/Ringtones.plist", failedAndUnplugged);
}

void TestPhoneWindow::phoneStateIsTold_data()
{
    QTest::addColumn<QByteArray>("refusal");
    QTest::addColumn<QString>("told");
    QTest::newRow("locked") << QByteArray("locked")
                            << QStringLiteral("Unlock your iPhone to continue.");
    QTest::newRow("trust question waiting")
            << QByteArray("pending") << QStringLiteral("Tap Trust on your iPhone.");
    QTest::newRow("trust refused")
            << QByteArray("untrusted")
            << QStringLiteral("Unplug the iPhone, plug it in again and tap Trust.");
    QTest::newRow("no usbmuxd") << QByteArray()
                                << QStringLiteral("The iPhone service usbmuxd is not running. "
                                                  "Install the usbmuxd package or plug the "
                                                  "iPhone in again.");
}

// Each state has its own text, and the phone is taken up without a replug once it allows.
void TestPhoneWindow::phoneStateIsTold()
{
    QFETCH(QByteArray, refusal);
    QFETCH(QString, told);
    const QByteArray udid = Standin::udid();
    const QByteArray address = qgetenv("USBMUXD_SOCKET_ADDRESS");
    if (refusal.isEmpty())
        qputenv("USBMUXD_SOCKET_ADDRESS", "UNIX:" + QFile::encodeName(dir.filePath("absent")));
    Standin::command("detach " + udid);
    if (!refusal.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(!child<QCheckBox>("checkExport")->isEnabled(), phoneWait);
        Standin::command("forget " + udid);
        Standin::command("refuse " + refusal);
        Standin::command("attach " + udid);
    }
    QTRY_COMPARE_WITH_TIMEOUT(wholeStatus(), told, phoneWait);
    QVERIFY(!child<QCheckBox>("checkExport")->isEnabled());

    qputenv("USBMUXD_SOCKET_ADDRESS", address);
    Standin::command("refuse none");
    Standin::command("attach " + udid);
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Ready."), phoneWait);
}

QTEST_MAIN(TestPhoneWindow)
#include "tst_phonewindow.moc"
