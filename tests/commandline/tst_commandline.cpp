#include "core/commandline.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpNamesTheProgramAndFile();
    void suggest_data();
    void suggest();
    void serve_data();
    void serve();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("exitCode");

    const QString here = QDir::currentPath();
    const auto run = CommandLine::Run;
    QTest::newRow("nothing") << QStringList {"vardel"} << run << "" << 0;
    QTest::newRow("file") << QStringList {"vardel", "/m/a b.mp3"} << run << "/m/a b.mp3" << 0;
    QTest::newRow("relative file")
            << QStringList {"vardel", "x.ogg"} << run << here + "/x.ogg" << 0;
    QTest::newRow("file url") << QStringList {"vardel", "file:///m/a%20b.mp3"} << run
                              << "/m/a b.mp3" << 0;
    QTest::newRow("dash file after --")
            << QStringList {"vardel", "--", "-odd.wav"} << run << here + "/-odd.wav" << 0;
    QTest::newRow("first file wins")
            << QStringList {"vardel", "/a.mp3", "/b.mp3"} << run << "/a.mp3" << 0;
    QTest::newRow("toolkit options pass")
            << QStringList {"vardel", "-platform", "offscreen", "-reverse", "/a.mp3"} << run
            << "/a.mp3" << 0;
    QTest::newRow("--help") << QStringList {"vardel", "--help"} << CommandLine::ShowHelp << "" << 0;
    QTest::newRow("-h with a file")
            << QStringList {"vardel", "/a.mp3", "-h"} << CommandLine::ShowHelp << "" << 0;
    QTest::newRow("--help-all") << QStringList {"vardel", "--help-all"} << CommandLine::ShowHelp
                                << "" << 0;
    QTest::newRow("--version") << QStringList {"vardel", "--version"} << CommandLine::ShowVersion
                               << "" << 0;
    QTest::newRow("unknown option")
            << QStringList {"vardel", "--frobnicate"} << CommandLine::Refuse << "" << 2;
    QTest::newRow("unknown short option after a file")
            << QStringList {"vardel", "/a.mp3", "-x"} << CommandLine::Refuse << "" << 2;
    QTest::newRow("toolkit option without its value")
            << QStringList {"vardel", "-platform"} << CommandLine::Refuse << "" << 2;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);

    const CommandLine command = parseCommandLine(arguments);
    QCOMPARE(command.action, action);
    QTEST(command.file, "file");
    QTEST(command.exitCode, "exitCode");
    switch (action) {
    case CommandLine::Run:
    case CommandLine::Suggest:
    case CommandLine::Serve:
        break;
    case CommandLine::ShowVersion:
        QCOMPARE(command.output, QStringLiteral("Vardel 1.0.0\n"));
        break;
    case CommandLine::ShowHelp:
        QVERIFY(command.error.isEmpty());
        QVERIFY(command.output.startsWith(QLatin1String("Usage: vardel [options] [FILE]\n")));
        break;
    case CommandLine::Refuse:
        QVERIFY(command.output.isEmpty());
        QVERIFY(command.error.contains(QLatin1String("\nUsage: vardel [options] [FILE]\n")));
        break;
    }
}

// The toolkit's options stay out of the help a user reads.
void TestCommandLine::helpNamesTheProgramAndFile()
{
    const QString help = parseCommandLine({"vardel", "--help"}).output;
    QVERIFY2(help.contains(QLatin1String("--version")), qPrintable(help));
    QVERIFY2(help.contains(QLatin1String("FILE")), qPrintable(help));
    QVERIFY2(!help.contains(QLatin1String("platform")), qPrintable(help));
    QVERIFY2(help.contains(QLatin1String("--suggest <FILE>")), qPrintable(help));
}

void TestCommandLine::suggest_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("count");

    const auto suggest = CommandLine::Suggest;
    const auto refuse = CommandLine::Refuse;
    const QString here = QDir::currentPath();
    QTest::newRow("defaults") << QStringList {"vardel", "--suggest", "/m/a.mp3"} << suggest
                              << "/m/a.mp3" << 30.0 << 3;
    QTest::newRow("length and count")
            << QStringList {"vardel", "--suggest", "/m/a.mp3", "--length", "12.5", "--count", "5"}
            << suggest << "/m/a.mp3" << 12.5 << 5;
    QTest::newRow("options first, relative file")
            << QStringList {"vardel", "--count=1", "--length=40", "--suggest=x.ogg"} << suggest
            << here + "/x.ogg" << 40.0 << 1;
    QTest::newRow("file url") << QStringList {"vardel", "--suggest", "file:///m/a%20b.mp3"}
                              << suggest << "/m/a b.mp3" << 30.0 << 3;
    QTest::newRow("file that looks like an option")
            << QStringList {"vardel", "--suggest", "-odd.wav"} << suggest << here + "/-odd.wav"
            << 30.0 << 3;
    QTest::newRow("help wins") << QStringList {"vardel", "--suggest", "/a.mp3", "--help"}
                               << CommandLine::ShowHelp << "" << 30.0 << 3;
    QTest::newRow("no file") << QStringList {"vardel", "--suggest"} << refuse << "" << 30.0 << 3;
    QTest::newRow("length without suggest")
            << QStringList {"vardel", "--length", "20", "/a.mp3"} << refuse << "" << 30.0 << 3;
    QTest::newRow("count without suggest")
            << QStringList {"vardel", "--count", "2"} << refuse << "" << 30.0 << 3;
    QTest::newRow("length not a number")
            << QStringList {"vardel", "--suggest", "/a.mp3", "--length", "long"} << refuse << ""
            << 30.0 << 3;
    QTest::newRow("length below a second")
            << QStringList {"vardel", "--suggest", "/a.mp3", "--length", "0.5"} << refuse << ""
            << 30.0 << 3;
    QTest::newRow("length infinite")
            << QStringList {"vardel", "--suggest", "/a.mp3", "--length", "inf"} << refuse << ""
            << 30.0 << 3;
    QTest::newRow("count zero") << QStringList {"vardel", "--suggest", "/a.mp3", "--count", "0"}
                                << refuse << "" << 30.0 << 3;
    QTest::newRow("count a fraction")
            << QStringList {"vardel", "--suggest", "/a.mp3", "--count", "2.5"} << refuse << ""
            << 30.0 << 3;
    QTest::newRow("count too many")
            << QStringList {"vardel", "--suggest", "/a.mp3", "--count", "101"} << refuse << ""
            << 30.0 << 3;
}

// A refused option names itself in the first line, the usage follows, and the exit code is 2.
void TestCommandLine::suggest()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);

    const CommandLine command = parseCommandLine(arguments);
    QCOMPARE(command.action, action);
    QTEST(command.file, "file");
    if (action == CommandLine::Refuse) {
        QCOMPARE(command.exitCode, 2);
        QVERIFY2(command.error.contains(QLatin1String("\nUsage: vardel")),
                 qPrintable(command.error));
        return;
    }
    QCOMPARE(command.exitCode, 0);
    QTEST(command.suggestLength, "length");
    QTEST(command.suggestCount, "count");
}

void TestCommandLine::serve_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("usage"); // a refusal that prints the usage after its line

    const auto serve = CommandLine::Serve;
    const auto refuse = CommandLine::Refuse;
    const QString here = QDir::currentPath();
    QTest::newRow("defaults") << QStringList {"vardel", "--serve", "/t/Bell.m4r"} << serve
                              << "/t/Bell.m4r"
                              << "" << 0 << 15 << false;
    QTest::newRow("everything") << QStringList {"vardel",
                                                "--serve",
                                                "b.m4r",
                                                "--address",
                                                "192.168.1.20",
                                                "--port",
                                                "8080",
                                                "--minutes",
                                                "3"}
                                << serve << here + "/b.m4r"
                                << "192.168.1.20" << 8080 << 3 << false;
    QTest::newRow("a day") << QStringList {"vardel", "--serve=/b.m4a", "--minutes=1440"} << serve
                           << "/b.m4a"
                           << "" << 0 << 1440 << false;
    QTest::newRow("port zero") << QStringList {"vardel", "--serve", "/b", "--port", "0"} << refuse
                               << ""
                               << "" << 0 << 15 << false;
    QTest::newRow("port too high")
            << QStringList {"vardel", "--serve", "/b", "--port", "65536"} << refuse << ""
            << "" << 0 << 15 << false;
    QTest::newRow("port a word") << QStringList {"vardel", "--serve", "/b", "--port", "http"}
                                 << refuse << ""
                                 << "" << 0 << 15 << false;
    QTest::newRow("minutes zero") << QStringList {"vardel", "--serve", "/b", "--minutes", "0"}
                                  << refuse << ""
                                  << "" << 0 << 15 << false;
    QTest::newRow("minutes past a day")
            << QStringList {"vardel", "--serve", "/b", "--minutes", "1441"} << refuse << ""
            << "" << 0 << 15 << false;
    QTest::newRow("empty address")
            << QStringList {"vardel", "--serve", "/b", "--address", " "} << refuse << ""
            << "" << 0 << 15 << false;
    QTest::newRow("port without serve")
            << QStringList {"vardel", "--port", "80", "/b"} << refuse << ""
            << "" << 0 << 15 << true;
    QTest::newRow("serve and suggest")
            << QStringList {"vardel", "--serve", "/b", "--suggest", "/c"} << refuse << ""
            << "" << 0 << 15 << true;
    QTest::newRow("no file") << QStringList {"vardel", "--serve"} << refuse << ""
                             << "" << 0 << 15 << true;
}

// A value of --serve's own that does not fit is named in one line, without the usage; a
// misplaced or unknown option prints the usage as always. Both exit with 2.
void TestCommandLine::serve()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);

    const CommandLine command = parseCommandLine(arguments);
    QCOMPARE(command.action, action);
    QTEST(command.file, "file");
    if (action == CommandLine::Refuse) {
        QCOMPARE(command.exitCode, 2);
        QFETCH(bool, usage);
        QCOMPARE(command.error.contains(QLatin1String("Usage: vardel")), usage);
        if (!usage)
            QCOMPARE(command.error.count(QLatin1Char('\n')), 1);
        return;
    }
    QCOMPARE(command.exitCode, 0);
    QTEST(command.serveAddress, "address");
    QTEST(command.servePort, "port");
    QTEST(command.serveMinutes, "minutes");
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
