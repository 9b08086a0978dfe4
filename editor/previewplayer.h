#ifndef PREVIEWPLAYER_H
#define PREVIEWPLAYER_H

#include <QObject>

// The Qt side of the preview player library: its states by name, its reports from the
// library's thread as a signal that Qt queues to the receiver's thread, and thin calls.
class PreviewPlayer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreviewPlayer)

public:
    enum State { Stopped = 0, Playing = 1, Paused = 2 };
    Q_ENUM(State)

    // Starts the library and becomes the one receiver of its reports.
    explicit PreviewPlayer(QObject *parent = nullptr);
    ~PreviewPlayer() override;

    void open(const QString &nativePath);
    // A start or resume that cannot reach any audio output says so, apart from every other
    // failure (a file the player cannot play reports no state, as before).
    enum Result { Done, NoOutput, Failed };
    Result play();
    Result pause();
    void stop();
    void seek(double seconds);
    double position() const;
    // How often the window reads the position while playing (500 ms); test builds let the
    // environment shorten it, so tests need not sit through it.
    static int pollMs();
    void setVolume(double factor);
    // Applies to the next start or resume.
    void setFadeIn(double seconds);

    // Calls an older player library lacks; the window disables what needs them.
    bool canFadeOut() const { return m_fadeOut != nullptr; }
    bool canLoop() const { return m_loop != nullptr; }
    // For the next start: a fade to silence over `seconds` before `clipEnd`, where playback ends.
    void setFadeOut(double seconds, double clipEnd);
    // For the next start: begin to end over and over, each pass shaped as the ringtone is.
    void setLoop(double begin, double end);

signals:
    void stateChanged(PreviewPlayer::State state);

private:
    int (*m_fadeOut)(double, double) = nullptr;
    int (*m_loop)(double, double) = nullptr;
};

#endif
