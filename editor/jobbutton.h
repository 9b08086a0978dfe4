#ifndef JOBBUTTON_H
#define JOBBUTTON_H

#include <QString>

class QPushButton;

// The Generate button doubles as the stop button of the ringtone job it started: while the
// job runs it shows the skin's stop sign and says what a press does; afterwards it looks and
// reads as before. The property "stopsJob" tells which of the two it is.
class JobButton
{
public:
    explicit JobButton(QPushButton *button);

    void setRunning(bool running);
    bool isRunning() const { return running; }
    // After the window's texts were translated anew: the stop texts follow the language.
    void retranslate();

private:
    void showStop();

    QPushButton *button;
    bool running = false;
    QString idleSheet;
    QString idleTip;
    QString idleName;
};

#endif
