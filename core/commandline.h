#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QString>
#include <QStringList>

// What the command line asks of the program, decided before any window or display exists.
struct CommandLine
{
    enum Action { Run, ShowHelp, ShowVersion, Suggest, Serve, Refuse };

    // A ringtone's usual length, and the candidates a user compares.
    static constexpr double defaultSuggestLength = 30.0;
    static constexpr int defaultSuggestCount = 3;
    // Long enough to walk to the phone and back; the window serves while its dialog is open.
    static constexpr int defaultServeMinutes = 15;

    Action action = Run;
    // Run: the file to load after start-up; Suggest: the file to analyse; Serve: the tone to
    // serve. Absolute; empty when none.
    QString file;
    double suggestLength = defaultSuggestLength; // seconds
    int suggestCount = defaultSuggestCount;
    QString serveAddress; // empty: the private address of the default route's interface
    int servePort = 0; // 0: none asked for
    int serveMinutes = defaultServeMinutes;
    QString output; // ShowHelp, ShowVersion: the text for standard output
    QString error; // Refuse: the message for standard error, the usage after it
    int exitCode = 0; // for every action but Run
};

// arguments[0] is the program. The toolkit's own options (-platform, -style...) are let
// through for QApplication.
CommandLine parseCommandLine(const QStringList &arguments);

// The file that the desktop entry (Exec=vardel %f) or a terminal hands the program:
// the first argument that is not an option, or the one after "--"; a file: URL becomes its
// local path, a relative path an absolute one. Empty when there is none. arguments[0] is
// the program.
QString commandLineFile(const QStringList &arguments);

// "Vardel 1.0.0": the name and the three-part release number.
QString versionText();

#endif
