#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QString>
#include <QStringList>

// What the command line asks of the program, decided before any window or display exists.
struct CommandLine
{
    enum Action { Run, ShowHelp, ShowVersion, Refuse };

    Action action = Run;
    QString file; // Run: the file to load after start-up, absolute; empty when none
    QString output; // ShowHelp, ShowVersion: the text for standard output
    QString error; // Refuse: the message for standard error, the usage after it
    int exitCode = 0; // for every action but Run
};

// arguments[0] is the program. The toolkit's own options (-platform, -style...) are let
// through for QApplication.
CommandLine parseCommandLine(const QStringList &arguments);

// "Vardel 1.0.0": the name and the three-part release number.
QString versionText();

#endif
