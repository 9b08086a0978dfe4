#ifndef KEYBOARDLINK_H
#define KEYBOARDLINK_H

#include <QObject>

class QLabel;

// A label that holds one link, made to act as a link for every user: one Tab stop with a ring
// drawn while it has the keyboard focus, Enter follows it, and a screen reader reads a link
// with a press action, named by its words without the inline picture's placeholder.
class KeyboardLink : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardLink)

public:
    // The helper lives as the label's child; the label keeps its linkActivated signal.
    static void attach(QLabel *label);

    // What a screen reader says for the label: its words, without markup or pictures.
    static QString spokenText(const QLabel *label);
    // The first link's target in the label's text; empty when it holds none.
    static QString target(const QLabel *label);
    // Follows the link, as a click on it would.
    static void follow(QLabel *label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KeyboardLink(QLabel *label);
};

#endif
