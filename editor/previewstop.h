#ifndef PREVIEWSTOP_H
#define PREVIEWSTOP_H

#include "previewplayer.h"

#include <QKeySequence>
#include <QObject>

class QPushButton;
class QWidget;

// The preview's Stop: a button right of Play Clip and the Esc key. It ends a preview that plays
// or is paused, a looping one included, so that the next Play or Play Clip starts afresh.
class PreviewStop : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreviewStop)

public:
    PreviewStop(QWidget *window, PreviewPlayer &player);

    QPushButton *button() const { return m_button; }
    static QKeySequence key() { return QKeySequence(Qt::Key_Escape); }
    // False when no preview was under way, so that the key can mean something else then.
    bool stop();
    void retranslate();

private:
    void follow(PreviewPlayer::State state);

    PreviewPlayer &m_player;
    QPushButton *m_button;
};

#endif
