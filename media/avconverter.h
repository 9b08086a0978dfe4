#ifndef AVCONVERTER_H
#define AVCONVERTER_H

#include <QObject>
#include <QProcess>
#include <QStringList>

// Runs the external encoder for one decode or one ringtone at a time and follows its progress
// from the "time=" figures it prints.
class CAVConverter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAVConverter)

public:
    // The job types by name; start() and jobType() also take and give them as plain ints.
    enum JobType { Decode = 0, Ringtone = 1 };

    CAVConverter();
    ~CAVConverter() override;

    void reset();
    void setInput(const QString &path);
    void setOutput(const QString &path);
    QString output() const { return m_outputFile; }
    int jobType() const { return m_jobType; }
    double encodedTime() const { return m_encodedTime; }
    // True only after the encoder ran and exited normally with code 0.
    bool succeeded() const { return m_succeeded; }
    // False when the encoder program of the last job could not be started at all.
    bool started() const { return m_started; }
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    void addStart(double seconds);
    void addLength(double seconds);
    void addVolume(int volume);
    void addFadeIn(int fadeIn);
    // Seconds of fade-out at the end; the caller adds it only when above 0.
    void addFadeOut(int fadeOut);
    // The name tag of an MPEG-4 ringtone, as players and the phone show it.
    void addTitle(const QString &title);

    void start(int type);
    // Asks a running encoder to stop; it removes its unfinished output and finished() follows.
    // One that does not stop in a few seconds is killed.
    void cancel();

    // The encoder program; by default "ffmpeg" in the application's folder.
    QString program() const;
    void setProgram(const QString &path) { m_program = path; }

signals:
    void finished();

public slots:
    void onStdoutReady();

private:
    void onProcessFinished(int exitCode, QProcess::ExitStatus status);
    void onProcessError(QProcess::ProcessError error);

    double m_encodedTime = 0.0;
    QStringList m_inputOptions;
    QString m_inputFile;
    QStringList m_outputOptions;
    QString m_outputFile;
    int m_jobType = 0;
    QProcess m_process;
    QString m_program;
    bool m_succeeded = false;
    bool m_started = false;
};

#endif
