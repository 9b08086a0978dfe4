// The ringtone manager on the real device library, over a folder standing for the phone.
#include "device/managedialog.h"
#include "managerfixture.h"

#include <handvia.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include <sys/stat.h>

namespace {

QByteArray toneBytes(int n)
{
    return QByteArray("tone-") + QByteArray::number(n) + QByteArray(64, char('a' + n));
}

} // namespace

class TestManageDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> tmp;
    HandviaApi *api = nullptr;

    QString root() const { return tmp->filePath(QStringLiteral("phone")); }
    QString outFolder() const { return tmp->filePath(QStringLiteral("out")); }
    void attach() const { QDir().mkpath(root() + QStringLiteral("/iTunes_Control")); }
    void detach() const { QDir(root() + QStringLiteral("/iTunes_Control")).removeRecursively(); }

    QString writeLocal(const QString &name, const QByteArray &bytes) const
    {
        const QString path = tmp->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Stores a tone whose title is kept on the phone exactly as given.
    void addTone(const QString &storedTitle)
    {
        const int index = phoneTones().size();
        const QString local = writeLocal(QStringLiteral("src%1.m4r").arg(index), toneBytes(index));
        QVERIFY(api->add_ringtone(0, local.toUtf8().constData(), 1000) >= 0);
        QVERIFY(api->rename_ringtone(0, index, storedTitle.toUtf8().constData()) >= 0);
        QVERIFY(api->commit(0) >= 0);
    }

    // Titles as stored, and file names, as the library lists them.
    QList<QPair<QString, QString>> phoneTones() const
    {
        QList<QPair<QString, QString>> tones;
        char title[256];
        char file[256];
        for (int i = 0; api->get_ringtone(0, i, title, 256, file, 256) >= 0; ++i)
            tones.append({QString::fromUtf8(title), QString::fromUtf8(file)});
        return tones;
    }

    QByteArray phoneFile(int index) const
    {
        QFile file(root() + QStringLiteral("/iTunes_Control/Ringtones/")
                   + phoneTones()[index].second);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void setOutputFolder(const QString &folder)
    {
        QSettings settings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
        settings.beginGroup(QStringLiteral("Setting"));
        settings.setValue(QStringLiteral("OutputFolder"), folder);
    }

    void type(QWidget *dialog, const QString &text)
    {
        auto *edit = child<QLineEdit>(dialog, "editName");
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        api = handvia_get_api();
    }

    void init()
    {
        QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
        tmp = std::make_unique<QTemporaryDir>();
        QDir().mkpath(root());
        QDir().mkpath(outFolder());
        qputenv("HANDVIA_ROOT", root().toUtf8());
    }

    void cleanup() { tmp.reset(); }

    void noPhoneShowsNothingButClose()
    {
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(dialog.objectName(), QStringLiteral("manageDlg"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Manage"));
        QCOMPARE(dialog.size(), QSize(537, 385));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(listed(&dialog).isEmpty());
        QVERIFY(child<QLineEdit>(&dialog, "editName")->text().isEmpty());
        QCOMPARE(enabledState(&dialog),
                 QStringLiteral("btnRename- btnRemove- btnReplace- btnIPhoneToPc- "
                                "btnPcToIPhone- editName- btnClose+"));
        QVERIFY(!noPhoneHint(&dialog)->isHidden());
        QCOMPARE(listCount(&dialog), 0);
    }

    // The hint lies over the list's viewport; it is never one of the list's rows.
    static QLabel *noPhoneHint(const QWidget *dialog)
    {
        const auto hints = ringtoneList(dialog)->viewport()->findChildren<QLabel *>();
        if (hints.size() != 1)
            qFatal("%d hints over the list", int(hints.size()));
        if (hints.constFirst()->text()
            != QLatin1String("Connect your iPhone to see its ringtones."))
            qFatal("the hint reads %s", qPrintable(hints.constFirst()->text()));
        return hints.constFirst();
    }

    void attachAndDetachWhileOpen()
    {
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        attach();
        addTone(QStringLiteral("First"));
        addTone(QStringLiteral("Second"));
        dialog.onPhoneConnect(true);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(listed(&dialog), QStringList({"First", "Second"}));
        QCOMPARE(listRow(&dialog), 0);
        QCOMPARE(child<QLineEdit>(&dialog, "editName")->text(), QStringLiteral("First"));
        QCOMPARE(enabledState(&dialog),
                 QStringLiteral("btnRename- btnRemove+ btnReplace+ btnIPhoneToPc+ "
                                "btnPcToIPhone+ editName+ btnClose+"));
        QCOMPARE(listData(&dialog, 1, Qt::UserRole + 1),
                 QVariant(QStringLiteral("/iTunes_Control/Ringtones/") + phoneTones()[1].second));
        QVERIFY(noPhoneHint(&dialog)->isHidden());
        // A folder standing in for the phone has nothing to restart.
        QVERIFY(!child<QPushButton>(&dialog, "btnRestart")->isEnabled());
        // A title cut by the list's width is shown whole in its tool tip, with its kind.
        QCOMPARE(listData(&dialog, 1, Qt::ToolTipRole).toString(),
                 QStringLiteral("Second (ringtone)"));

        detach();
        dialog.onPhoneConnect(false);
        QTRY_VERIFY(managerIdle(&dialog));
        QVERIFY(listed(&dialog).isEmpty());
        QVERIFY(!noPhoneHint(&dialog)->isHidden());
        QVERIFY(child<QLineEdit>(&dialog, "editName")->text().isEmpty());
        QCOMPARE(enabledState(&dialog),
                 QStringLiteral("btnRename- btnRemove- btnReplace- btnIPhoneToPc- "
                                "btnPcToIPhone- editName- btnClose+"));
        QVERIFY(!child<QPushButton>(&dialog, "btnRestart")->isEnabled());
    }

    // With a phone listed and a new name typed every action is enabled; Tab then goes down
    // the dialog as it reads and comes back round to the list.
    void tabGoesDownTheDialog()
    {
        attach();
        addTone(QStringLiteral("Bell"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        dialog.onPhoneConnect(true);
        QTRY_VERIFY(managerIdle(&dialog));
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        type(&dialog, QStringLiteral("Bell 2"));
        ringtoneList(&dialog)->setFocus();
        QStringList steps;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            steps << QApplication::focusWidget()->objectName();
        }
        // Restart iPhone, after Save To PC, is not offered for the folder standing in here.
        QCOMPARE(steps,
                 QStringList({"editName",
                              "btnRename",
                              "btnKind",
                              "btnRemove",
                              "btnIPhoneToPc",
                              "btnReplace",
                              "btnPcToIPhone",
                              "btnClose",
                              "listRingtone"}));
        // The close button, reached by Tab, closes the dialog from the keyboard.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnClose"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_VERIFY(!dialog.isVisible());
    }

    // What a screen reader says for each control: the field by its label, the list and the
    // picture-only close button by their names.
    void controlsAreNamed_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::newRow("name field") << "editName"
                                    << "Name :";
        QTest::newRow("list") << "listRingtone"
                              << "Ringtones on the iPhone";
        QTest::newRow("close") << "btnClose"
                               << "Close";
    }

    void controlsAreNamed()
    {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        ManageDialog dialog;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(
                child<QWidget>(&dialog, widget.toLatin1().constData()));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    // Each entry reads its kind in words, which its icon alone shows; an older library that
    // cannot tell the kinds says nothing of them.
    void entriesAreReadWithTheirKind_data()
    {
        QTest::addColumn<bool>("textTone");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("ringtone") << false << "Mum, ringtone";
        QTest::newRow("text tone") << true << "Mum, text tone";
    }

    void entriesAreReadWithTheirKind()
    {
        QFETCH(bool, textTone);
        QFETCH(QString, spoken);
        attach();
        addTone(QStringLiteral("Mum"));
        QVERIFY(api->set_ringtone_kind(0, 0, textTone ? HANDVIA_KIND_TONE : HANDVIA_KIND_RINGTONE)
                >= 0);
        QVERIFY(api->commit(0) >= 0);
        ManageDialog dialog;
        dialog.show();
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(listData(&dialog, 0, Qt::AccessibleTextRole).toString(), spoken);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(ringtoneList(&dialog));
        QVERIFY(list && list->tableInterface());
        QAccessibleInterface *entry = list->tableInterface()->cellAt(0, 0);
        QVERIFY(entry);
        QCOMPARE(entry->text(QAccessible::Name), spoken);
    }

    void titlesAreUnescapedForTheList_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("angle-entities") << "a &lt;b&gt;"
                                        << "a <b>";
        QTest::newRow("amp-kept") << "a &amp; b"
                                  << "a &amp; b";
        QTest::newRow("amp-lt-kept-as-amp") << "&amp;lt;"
                                            << "&amp;lt;";
        QTest::newRow("plain-angles") << "x > y"
                                      << "x > y";
        QTest::newRow("upper-case-entity") << "&LT;"
                                           << "&LT;";
    }

    void titlesAreUnescapedForTheList()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        attach();
        addTone(stored);
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(listed(&dialog), QStringList {shown});
        QCOMPARE(child<QLineEdit>(&dialog, "editName")->text(), shown);
    }

    void renameEnabledByTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("same") << "Bell" << false;
        QTest::newRow("one-more") << "Bells" << true;
        QTest::newRow("case-differs") << "bell" << true;
        QTest::newRow("empty") << "" << true;
    }

    void renameEnabledByTyping()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        attach();
        addTone(QStringLiteral("Bell"));
        addTone(QStringLiteral("Horn"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        auto *edit = child<QLineEdit>(&dialog, "editName");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(child<QPushButton>(&dialog, "btnRename")->isEnabled(), enabled);
        // Choosing another row leaves the button as typing set it.
        setListRow(&dialog, 1);
        QCOMPARE(edit->text(), QStringLiteral("Horn"));
        QCOMPARE(child<QPushButton>(&dialog, "btnRename")->isEnabled(), enabled);
    }

    void renameEscapesForThePhone()
    {
        attach();
        addTone(QStringLiteral("Bell"));
        addTone(QStringLiteral("Horn"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        setListRow(&dialog, 1);
        type(&dialog, QStringLiteral("<Loud> & clear"));
        QTest::mouseClick(child<QPushButton>(&dialog, "btnRename"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));

        QCOMPARE(phoneTones()[1].first, QStringLiteral("&lt;Loud&gt; & clear"));
        QCOMPARE(phoneTones()[0].first, QStringLiteral("Bell"));
        QCOMPARE(listed(&dialog), QStringList({"Bell", "<Loud> & clear"}));
        QVERIFY(!child<QPushButton>(&dialog, "btnRename")->isEnabled());
        // The new title is the current one now: typing the old title back differs.
        type(&dialog, QStringLiteral("Horn"));
        QVERIFY(child<QPushButton>(&dialog, "btnRename")->isEnabled());
    }

    void longTitleKeepsRenameDisabled()
    {
        const QString title = QStringLiteral("0123456789").repeated(4) + QStringLiteral("X");
        attach();
        addTone(title);
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(listed(&dialog), QStringList {title});
        QCOMPARE(child<QLineEdit>(&dialog, "editName")->text(), title.left(40));
        QVERIFY(!child<QPushButton>(&dialog, "btnRename")->isEnabled());
    }

    void removeAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("no") << int(QMessageBox::No) << QStringList {"One", "Two", "Three"};
        QTest::newRow("yes") << int(QMessageBox::Yes) << QStringList {"One", "Three"};
    }

    void removeAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        attach();
        for (const char *title : {"One", "Two", "Three"})
            addTone(QString::fromLatin1(title));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        setListRow(&dialog, 1);

        QuestionAnswer question;
        question.answerNext(QMessageBox::StandardButton(answer));
        QTest::mouseClick(child<QPushButton>(&dialog, "btnRemove"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));

        QCOMPARE(question.title, QStringLiteral("Marvolen Vardel"));
        QCOMPARE(question.text, QStringLiteral("Remove Ringtone: Two"));
        QVERIFY(question.defaultNo);
        QCOMPARE(listed(&dialog), left);
        QStringList onPhone;
        for (const auto &tone : phoneTones())
            onPhone.append(tone.first);
        QCOMPARE(onPhone, left);
        QCOMPARE(child<QLineEdit>(&dialog, "editName")->text(), listed(&dialog)[listRow(&dialog)]);
    }

    void removingTheLastToneDisablesActions()
    {
        attach();
        addTone(QStringLiteral("Only"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        dialog.onPhoneConnect(true);
        QTRY_VERIFY(managerIdle(&dialog));
        QuestionAnswer question;
        question.answerNext(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>(&dialog, "btnRemove"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QVERIFY(phoneTones().isEmpty());
        QVERIFY(listed(&dialog).isEmpty());
        QVERIFY(child<QLineEdit>(&dialog, "editName")->text().isEmpty());
        QCOMPARE(enabledState(&dialog),
                 QStringLiteral("btnRename- btnRemove- btnReplace- btnIPhoneToPc- "
                                "btnPcToIPhone+ editName- btnClose+"));
    }

    void phoneChangingDuringADialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("comesBack");
        for (const char *button : {"btnRemove", "btnReplace", "btnIPhoneToPc"}) {
            QTest::addRow("%s, phone gone", button) << QString::fromLatin1(button) << false;
            QTest::addRow("%s, another phone", button) << QString::fromLatin1(button) << true;
        }
    }

    // The question and the file dialogs keep events flowing: a phone that goes, or another
    // that comes, while one is open must not take the answer as meant for its own tones.
    void phoneChangingDuringADialog()
    {
        QFETCH(QString, button);
        QFETCH(bool, comesBack);
        setOutputFolder(outFolder());
        attach();
        addTone(QStringLiteral("One"));
        addTone(QStringLiteral("Two"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        dialog.onPhoneConnect(true);
        QTRY_VERIFY(managerIdle(&dialog));
        setListRow(&dialog, 1);

        const auto swapPhone = [&] {
            detach();
            dialog.onPhoneConnect(false);
            QTRY_VERIFY(managerIdle(&dialog));
            if (comesBack) {
                attach();
                addTone(QStringLiteral("Other A"));
                addTone(QStringLiteral("Other B"));
                dialog.onPhoneConnect(true);
                QTRY_VERIFY(managerIdle(&dialog));
                setListRow(&dialog, 1);
            }
        };
        const QString fresh = writeLocal(QStringLiteral("fresh.m4a"), "fresh content");
        const QString saved = tmp->filePath(QStringLiteral("saved.m4r"));
        const auto standard
                = qScopeGuard([] { CFileChooser::instance() = CFileChooser::standard(); });
        CFileChooser::instance().openFile = [&](QWidget *, const QString &, const QString &) {
            swapPhone();
            return fresh;
        };
        CFileChooser::instance().saveFile = [&](QWidget *, const QString &, const QString &) {
            swapPhone();
            return saved;
        };
        std::function<void()> answerYes = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return QTimer::singleShot(0, answerYes);
            swapPhone();
            box->button(QMessageBox::Yes)->click();
        };
        if (button == QLatin1String("btnRemove"))
            QTimer::singleShot(0, answerYes);

        QTest::mouseClick(child<QPushButton>(&dialog, button.toLatin1().constData()),
                          Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        const QStringList left = comesBack ? QStringList {"Other A", "Other B"} : QStringList();
        QCOMPARE(listed(&dialog), left);
        QStringList onPhone;
        for (const auto &tone : phoneTones())
            onPhone.append(tone.first);
        QCOMPARE(onPhone, left);
        for (int i = 0; i < left.size(); ++i)
            QCOMPARE(phoneFile(i), toneBytes(i));
        QVERIFY(!QFile::exists(saved));
    }

    void replaceWritesThePhoneFile()
    {
        setOutputFolder(QDir::toNativeSeparators(outFolder()));
        attach();
        addTone(QStringLiteral("One"));
        addTone(QStringLiteral("Two"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        setListRow(&dialog, 1);
        ChooserStub chooser;

        QTest::mouseClick(child<QPushButton>(&dialog, "btnReplace"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(chooser.asked, 1);
        QCOMPARE(phoneFile(1), toneBytes(1));

        chooser.answer = writeLocal(QStringLiteral("new.m4a"), "fresh content");
        QTest::mouseClick(child<QPushButton>(&dialog, "btnReplace"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(chooser.start, outFolder());
        QCOMPARE(chooser.filter, QStringLiteral("Ringtone Formats(*.m4a;*.m4r)"));
        QCOMPARE(phoneFile(1), QByteArray("fresh content"));
        QCOMPARE(phoneFile(0), toneBytes(0));
        QCOMPARE(listed(&dialog), QStringList({"One", "Two"}));
    }

    void saveProposesAUniqueName()
    {
        setOutputFolder(outFolder());
        attach();
        addTone(QStringLiteral("Tone"));
        writeLocal(QStringLiteral("out/Tone.m4r"), "already here");
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        ChooserStub chooser;

        QTest::mouseClick(child<QPushButton>(&dialog, "btnIPhoneToPc"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(chooser.start, outFolder() + QStringLiteral("/Tone(1).m4r"));
        QCOMPARE(chooser.filter, QStringLiteral("Ringtone Formats(*.m4a;*.m4r)"));
        QCOMPARE(QDir(outFolder()).entryList(QDir::Files), QStringList {"Tone.m4r"});

        chooser.answer = chooser.start;
        QTest::mouseClick(child<QPushButton>(&dialog, "btnIPhoneToPc"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QFile saved(outFolder() + QStringLiteral("/Tone(1).m4r"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), toneBytes(0));
    }

    void saveProposalStaysInTheFolder_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("plain") << "Ring ring"
                               << "Ring ring.m4r";
        QTest::newRow("parent-path") << "../../escape"
                                     << "....escape.m4r";
        QTest::newRow("absolute") << "/etc/passwd"
                                  << "etcpasswd.m4r";
        QTest::newRow("backslashes") << "..\\..\\x"
                                     << "....x.m4r";
        QTest::newRow("only-separators") << "//"
                                         << "";
        QTest::newRow("only-dots") << ".."
                                   << "";
        QTest::newRow("forbidden-and-spaces") << " <?> "
                                              << "";
    }

    void saveProposalStaysInTheFolder()
    {
        QFETCH(QString, title);
        QFETCH(QString, proposed);
        setOutputFolder(outFolder());
        attach();
        addTone(title);
        if (proposed.isEmpty())
            proposed = phoneTones()[0].second;
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        ChooserStub chooser;
        QTest::mouseClick(child<QPushButton>(&dialog, "btnIPhoneToPc"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(QFileInfo(chooser.start).absolutePath(), outFolder());
        QCOMPARE(chooser.start, outFolder() + QLatin1Char('/') + proposed);
    }

    void saveWithoutOutputFolderProposesTheBareName()
    {
        attach();
        addTone(QStringLiteral("Tone"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        ChooserStub chooser;
        QTest::mouseClick(child<QPushButton>(&dialog, "btnIPhoneToPc"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(chooser.start, QStringLiteral("Tone.m4r"));
    }

    void addCopiesEveryChosenFile()
    {
        attach();
        addTone(QStringLiteral("Old"));
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        dialog.onPhoneConnect(true);
        QTRY_VERIFY(managerIdle(&dialog));
        setListRow(&dialog, 0);
        ChooserStub chooser;
        chooser.answers = {writeLocal(QStringLiteral("Alpha.m4a"), "alpha"),
                           writeLocal(QStringLiteral("Beta.m4r"), "beta")};
        QTest::mouseClick(child<QPushButton>(&dialog, "btnPcToIPhone"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));

        QCOMPARE(listed(&dialog), QStringList({"Old", "Alpha", "Beta"}));
        QCOMPARE(phoneFile(2), QByteArray("beta"));
        QCOMPARE(listRow(&dialog), 0);
        QCOMPARE(child<QLineEdit>(&dialog, "editName")->text(), QStringLiteral("Old"));
        QVERIFY(child<QPushButton>(&dialog, "btnPcToIPhone")->isEnabled());

        chooser.answers.clear();
        QTest::mouseClick(child<QPushButton>(&dialog, "btnPcToIPhone"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(phoneTones().size(), 3);
    }

    // Only regular files are sent: probing or copying a pipe would wait for a writer forever.
    void addSkipsWhatIsNotAFile()
    {
        attach();
        ManageDialog dialog;
        QTRY_VERIFY(managerIdle(&dialog));
        dialog.onPhoneConnect(true);
        QTRY_VERIFY(managerIdle(&dialog));
        const QString pipe = tmp->filePath(QStringLiteral("Pipe.m4r"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString folder = tmp->filePath(QStringLiteral("Folder.m4a"));
        QVERIFY(QDir().mkpath(folder));
        ChooserStub chooser;
        chooser.answers = {pipe, folder, writeLocal(QStringLiteral("Real.m4a"), "real")};
        QTest::mouseClick(child<QPushButton>(&dialog, "btnPcToIPhone"), Qt::LeftButton);
        QTRY_VERIFY(managerIdle(&dialog));
        QCOMPARE(listed(&dialog), QStringList({"Real"}));
        QCOMPARE(phoneFile(0), QByteArray("real"));
    }

    void dialogFilterSeparatesPatternsWithSpaces_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two-patterns") << "Ringtone Formats(*.m4a;*.m4r)"
                                      << "Ringtone Formats(*.m4a *.m4r)";
        QTest::newRow("semicolon-in-name") << "Tones; all(*.m4a;*.m4r)"
                                           << "Tones; all(*.m4a *.m4r)";
        QTest::newRow("two-filters") << "A(*.a;*.b);;B(*.c)"
                                     << "A(*.a *.b);;B(*.c)";
        QTest::newRow("no-patterns") << "Everything"
                                     << "Everything";
    }

    void dialogFilterSeparatesPatternsWithSpaces()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(dialogFilter(filter), expected);
    }
};

QTEST_MAIN(TestManageDialog)
#include "tst_managedialog.moc"
