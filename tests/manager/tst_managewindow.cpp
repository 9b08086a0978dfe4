// The main window opens the ringtone manager and keeps it told of the phone; adding files
// is checked call by call on the fake device library.
#include "../main/mainfixture.h"
#include "device/managedialog.h"
#include "managerfixture.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>

#include <functional>

class TestManageWindow : public QObject
{
    Q_OBJECT

private:
    MainFixture f;

    // Opens the manager from the main window, runs the body while it is open, closes it.
    void withManager(const std::function<void(ManageDialog *)> &body)
    {
        bool ran = false;
        QObject guard; // cancels the polling should the manager never open
        std::function<void()> poll = [&] {
            auto *dialog = qobject_cast<ManageDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return QTimer::singleShot(0, &guard, poll);
            QTRY_VERIFY(managerIdle(dialog));
            body(dialog);
            ran = true;
            dialog->close();
        };
        QTimer::singleShot(0, &guard, poll);
        QVERIFY(QMetaObject::invokeMethod(f.window.get(), "onBtnManage"));
        QVERIFY(ran);
    }

private slots:
    void initTestCase() { MainFixture::isolateSettings(); }

    void init()
    {
        fakes::reset();
        f.open();
    }

    void cleanup() { f.window.reset(); }

    // The list shows what the phone holds after a change that did not reach it.
    void failedCommitListsThePhoneAgain_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("rename") << QStringLiteral("btnRename");
        QTest::newRow("remove") << QStringLiteral("btnRemove");
    }

    void failedCommitListsThePhoneAgain()
    {
        QFETCH(QString, action);
        fakes::phoneRingtones() = {{"One", "AAAA.m4r"}, {"Two", "BBBB.m4r"}, {"Three", "CCCC.m4r"}};
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        withManager([&](ManageDialog *dialog) {
            setListRow(dialog, 1);
            auto *edit = child<QLineEdit>(dialog, "editName");
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Renamed"));
            fakes::setCommitResult(-1);
            // Only a removal asks; a question left waiting would answer a later test's box.
            QuestionAnswer question;
            if (action == QLatin1String("btnRemove"))
                question.answerNext(QMessageBox::Yes);
            QTest::mouseClick(child<QPushButton>(dialog, action.toLatin1().constData()),
                              Qt::LeftButton);
            QTRY_VERIFY(managerIdle(dialog));

            QVERIFY(fakes::deviceCalls().contains(QStringLiteral("commit 0")));
            QCOMPARE(listed(dialog), QStringList({"One", "Two", "Three"}));
            QCOMPARE(listRow(dialog), 1);
            QCOMPARE(edit->text(), QStringLiteral("Two"));
            QVERIFY(!child<QPushButton>(dialog, "btnRename")->isEnabled());
        });
    }

    // A change whose commit waits for another program's hold on the list is not applied when
    // the manager closes, nor when the window does: both say which one.
    void closingWhileAChangeWaitsSaysWhich()
    {
        fakes::phoneRingtones() = {{"One", "AAAA.m4r"}, {"Two", "BBBB.m4r"}};
        fakes::setAbandonEntry(true);
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        QuestionAnswer managerTold;
        withManager([&](ManageDialog *dialog) {
            setListRow(dialog, 1);
            auto *edit = child<QLineEdit>(dialog, "editName");
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Renamed"));
            fakes::holdCommit(true);
            QTest::mouseClick(child<QPushButton>(dialog, "btnRename"), Qt::LeftButton);
            QTRY_VERIFY(fakes::commitWaiting());
            managerTold.answerNext(QMessageBox::Ok);
        });
        QCOMPARE(managerTold.text,
                 QStringLiteral("These changes were still being written to the iPhone, which "
                                "another program may hold, and are not applied yet: renaming "
                                "“Two” to “Renamed”. Vardel goes on trying while it stays open."));
        QString windowTold;
        MainFixture::answerMessageBox(&windowTold);
        f.window->close();
        QCOMPARE(windowTold,
                 QStringLiteral("These changes waited for the iPhone and were not applied: "
                                "renaming “Two” to “Renamed”. Make them again once the iPhone "
                                "is free."));
        // The window's link goes with it: the held commit gives up rather than hold the exit.
        f.window.reset();
        QCOMPARE(fakes::commitsDone(), 1);
    }

    // An unreadable list is shown as such, never as a phone without ringtones, and only a yes
    // gives it up for a new one.
    void unreadableListIsShownAsSuch_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("yes") << int(QMessageBox::Yes)
                             << QStringList({"start_new_database 0", "commit 0"});
        QTest::newRow("no") << int(QMessageBox::No) << QStringList();
    }
    void unreadableListIsShownAsSuch()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, calls);
        fakes::phoneRingtones() = {{"One", "AAAA.m4r"}};
        fakes::setListUnreadable(true);
        fakes::setNewListEntry(true);
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        const QString unreadable = QStringLiteral(
                "The iPhone's ringtone list could not be read. Vardel left it untouched.");
        withManager([&](ManageDialog *dialog) {
            QPointer<QMessageBox> box;
            QTRY_VERIFY((box = dialog->findChild<QMessageBox *>(QStringLiteral("newListBox"))));
            QVERIFY2(box->text().contains(QStringLiteral("Ringtones.unreadable-")),
                     qPrintable(box->text()));
            auto *hint = child<QLabel>(dialog, "listHint");
            QCOMPARE(listCount(dialog), 0);
            QVERIFY(hint->isVisible());
            QCOMPARE(hint->text(), unreadable);
            fakes::deviceCalls().clear();
            box->button(QMessageBox::StandardButton(answer))->click();
            QTRY_VERIFY(!box);
            QTRY_VERIFY(managerIdle(dialog));
            QCOMPARE(fakes::deviceCalls().filter(QRegularExpression("^(start|commit)")), calls);
            QCOMPARE(hint->isVisible() && hint->text() == unreadable, calls.isEmpty());
        });
    }

    // A failure that asks something of the user is told in a box of its own; a plain one is
    // only marked in the list as waiting to be sent.
    void commitFailuresAreTold_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("told");
        const QString otherPhone = QStringLiteral(
                "Not saved: the iPhone changed before the change was written. The list shows "
                "what this iPhone holds; make the change again.");
        const QString uploadLost = QStringLiteral(
                "Not saved: a ringtone copied to the iPhone vanished from it before it was "
                "saved there. Add it again.");
        const QString kept = QStringLiteral(
                "Not saved yet: the iPhone's ringtone list holds values that writing it would "
                "change, so it was left as it is. The change is tried again while the iPhone "
                "stays connected.");
        QTest::newRow("rename, staged for another phone") << -2 << "btnRename" << otherPhone;
        QTest::newRow("add, upload lost") << -3 << "btnPcToIPhone" << uploadLost;
        QTest::newRow("remove, database kept") << -4 << "btnRemove" << kept;
        QTest::newRow("add, database kept") << -4 << "btnPcToIPhone" << kept;
        QTest::newRow("rename, plain failure") << -1 << "btnRename" << QString();
    }

    void commitFailuresAreTold()
    {
        QFETCH(int, code);
        QFETCH(QString, action);
        QFETCH(QString, told);
        fakes::phoneRingtones() = {{"One", "AAAA.m4r"}, {"Two", "BBBB.m4r"}};
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        withManager([&](ManageDialog *dialog) {
            ChooserStub chooser;
            chooser.answers = {f.makeTone(QStringLiteral("new.m4a"), 1.0)};
            auto *edit = child<QLineEdit>(dialog, "editName");
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Renamed"));
            fakes::setCommitResult(code);
            QuestionAnswer question;
            if (action == QLatin1String("btnRemove"))
                question.answerNext(QMessageBox::Yes);
            QTest::mouseClick(child<QPushButton>(dialog, action.toLatin1().constData()),
                              Qt::LeftButton);
            QTRY_VERIFY(managerIdle(dialog));
            QVERIFY(fakes::deviceCalls().contains(QStringLiteral("commit 0")));
            // Told before the list is read again, so it is there once the list is idle.
            auto *box = dialog->findChild<QMessageBox *>();
            QCOMPARE(box ? box->text() : QString(), told);
            if (!box)
                return;
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->button(QMessageBox::Ok)->click();
            QTRY_VERIFY(!dialog->findChild<QMessageBox *>());
            QCOMPARE(listed(dialog), QStringList({"One", "Two"}));
        });
    }

    void openedWithoutPhoneCannotAdd()
    {
        fakes::phoneRingtones() = {{"Bell", "AAAA.m4r"}};
        withManager([](ManageDialog *dialog) {
            // The device table lists what it holds, but adding waits for a connect.
            QCOMPARE(listed(dialog), QStringList {"Bell"});
            QVERIFY(!child<QPushButton>(dialog, "btnPcToIPhone")->isEnabled());
            fakes::phoneRingtones().clear();
        });
    }

    void followsThePhoneWhileOpen()
    {
        fakes::phoneRingtones() = {{"Bell", "AAAA.m4r"}, {"a &lt;b&gt;", "BBBB.m4r"}};
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        withManager([&](ManageDialog *dialog) {
            QCOMPARE(dialog->parentWidget(), f.window.get());
            QCOMPARE(listed(dialog), QStringList({"Bell", "a <b>"}));
            QCOMPARE(child<QLineEdit>(dialog, "editName")->text(), QStringLiteral("Bell"));
            QVERIFY(child<QPushButton>(dialog, "btnPcToIPhone")->isEnabled());

            fakes::raiseDeviceEvent(0, "disconnect");
            QTRY_VERIFY(listed(dialog).isEmpty());
            QCOMPARE(enabledState(dialog),
                     QStringLiteral("btnRename- btnRemove- btnReplace- btnIPhoneToPc- "
                                    "btnPcToIPhone- editName- btnClose+"));

            fakes::phoneRingtones() = {{"Horn", "CCCC.m4r"}};
            fakes::raiseDeviceEvent(0, "connect");
            QTRY_COMPARE(listed(dialog), QStringList {"Horn"});
            QTRY_VERIFY(managerIdle(dialog));
            QCOMPARE(listRow(dialog), 0);
            QCOMPARE(child<QLineEdit>(dialog, "editName")->text(), QStringLiteral("Horn"));
            QCOMPARE(enabledState(dialog),
                     QStringLiteral("btnRename- btnRemove+ btnReplace+ btnIPhoneToPc+ "
                                    "btnPcToIPhone+ editName+ btnClose+"));
        });
        // Closed and gone: later events reach nobody but the main window.
        fakes::raiseDeviceEvent(0, "disconnect");
        QCoreApplication::processEvents();
    }

    void fileDialogsOpenInTheShownFolder_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed"); // into the window's output folder; empty: as shown
        QTest::newRow("add, the folder shown at first") << "btnPcToIPhone"
                                                        << "";
        QTest::newRow("add, a folder typed") << "btnPcToIPhone"
                                             << "typed/out";
        QTest::newRow("save, the folder shown at first") << "btnIPhoneToPc"
                                                         << "";
        QTest::newRow("save, a folder typed") << "btnIPhoneToPc"
                                              << "typed/out";
        QTest::newRow("replace, a folder typed") << "btnReplace"
                                                 << "typed/out";
    }

    // The window shows an output folder before any is chosen there: the manager's dialogs open
    // in the one shown, not where the program was started.
    void fileDialogsOpenInTheShownFolder()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);

        auto *folderField = f.child<QLineEdit>("editOutputFolder");
        if (!typed.isEmpty())
            folderField->setText(f.dir.filePath(typed));
        const QString shown = QDir::fromNativeSeparators(folderField->text());
        QVERIFY(!shown.isEmpty());
        fakes::phoneRingtones() = {{"Bell", "AAAA.m4r"}};
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        withManager([&](ManageDialog *dialog) {
            ChooserStub chooser;
            QTest::mouseClick(child<QPushButton>(dialog, qPrintable(button)), Qt::LeftButton);
            QCOMPARE(chooser.asked, 1);
            const bool save = button == QLatin1String("btnIPhoneToPc");
            QVERIFY2(save ? chooser.start.startsWith(shown + QLatin1Char('/'))
                          : chooser.start == shown,
                     qPrintable(chooser.start));
        });
    }

    void addingThreeFilesCommitsOnce()
    {
        const QStringList files = {f.makeTone(QStringLiteral("one.m4a"), 1.0),
                                   f.makeTone(QStringLiteral("two.m4a"), 2.0),
                                   f.makeTone(QStringLiteral("three.m4a"), 3.0)};
        fakes::phoneRingtones() = {{"Old", "AAAA.m4r"}};
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        withManager([&](ManageDialog *dialog) {
            ChooserStub chooser;
            chooser.answers = files;
            fakes::deviceCalls().clear();
            // The phone the fake stands for holds the new tones once they are added.
            fakes::phoneRingtones()
                    = {{"Old", "AAAA.m4r"}, {"one", "BBBB.m4r"}, {"two", "CCCC.m4r"}};
            setListRow(dialog, -1);
            QTest::mouseClick(child<QPushButton>(dialog, "btnPcToIPhone"), Qt::LeftButton);
            QTRY_VERIFY(managerIdle(dialog));

            const QStringList calls = fakes::deviceCalls();
            QCOMPARE(calls.size(), 4);
            for (int i = 0; i < 3; ++i) {
                const QStringList parts = calls[i].split(QLatin1Char(' '));
                QCOMPARE(parts.mid(0, 3), QStringList({"add_ringtone", "0", files[i]}));
                const int length = parts[3].toInt();
                QVERIFY2(qAbs(length - 1000 * (i + 1)) < 50, qPrintable(calls[i]));
            }
            QCOMPARE(calls[3], QStringLiteral("commit 0"));
            QCOMPARE(listed(dialog), QStringList({"Old", "one", "two"}));
            QCOMPARE(listRow(dialog), 0);
            QVERIFY(!child<QPushButton>(dialog, "btnRename")->isEnabled());
        });
    }

    void unreadableFileIsAddedWithNoLength()
    {
        QFile junk(f.dir.filePath(QStringLiteral("junk.m4a")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not audio");
        junk.close();
        fakes::raiseDeviceEvent(0, "connect");
        QCoreApplication::processEvents();
        withManager([&](ManageDialog *dialog) {
            ChooserStub chooser;
            chooser.answers = {junk.fileName()};
            fakes::deviceCalls().clear();
            QTest::mouseClick(child<QPushButton>(dialog, "btnPcToIPhone"), Qt::LeftButton);
            QTRY_VERIFY(managerIdle(dialog));
            QCOMPARE(fakes::deviceCalls(),
                     QStringList({QStringLiteral("add_ringtone 0 %1 0").arg(junk.fileName()),
                                  "commit 0"}));
        });
    }
};

QTEST_MAIN(TestManageWindow)
#include "tst_managewindow.moc"
