#ifndef STATUSLINE_H
#define STATUSLINE_H

#include <QColor>
#include <QObject>
#include <QString>

class QLabel;

// The window's status line. A plain text is shown as it is; a made ringtone's text ends with
// the place it was saved, a link that opens its folder in the file manager. A place too long
// for the line loses the middle of its folder, and the tooltip then holds the whole text.
class StatusLine : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusLine)

public:
    explicit StatusLine(QLabel *label);

    static QColor linkColour();

    void show(const QString &text);
    // Keeps an earlier message, already told, below the shown text in the tooltip.
    void keepEarlier(const QString &earlier);
    // `savedAs` holds "%1" where the place of `file` goes.
    void showSaved(const QString &text, const QString &savedAs, const QString &file);

private:
    void openFolder(const QString &link);

    QLabel *label;
};

// How a saved file is named to the user: from the home folder as "~/...", else in full.
QString shownPlace(const QString &file);

#endif
