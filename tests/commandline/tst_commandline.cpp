#include "app/commandline.h"

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
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
