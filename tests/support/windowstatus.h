// What the window tests read of the main window: its status line and its Generate button.
#ifndef WINDOWSTATUS_H
#define WINDOWSTATUS_H

#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>

namespace windowstatus {

// The status line as read: a saved ringtone's link shows as its text.
inline QString status(const QWidget *window)
{
    const auto *label = window->findChild<QLabel *>(QStringLiteral("labelStatus"));
    if (label->textFormat() != Qt::RichText)
        return label->text();
    return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
}

// The whole status text, also where the line shows it cut short.
inline QString wholeStatus(const QWidget *window)
{
    const QString tip = window->findChild<QLabel *>(QStringLiteral("labelStatus"))->toolTip();
    return tip.isEmpty() ? status(window) : tip;
}

// A job has ended once Generate is back: enabled, and no longer the job's stop button.
inline bool generateIsBack(const QWidget *window)
{
    const auto *generate = window->findChild<QPushButton *>(QStringLiteral("btnGenerate"));
    return generate->isEnabled() && !generate->property("stopsJob").toBool();
}

} // namespace windowstatus

#endif
