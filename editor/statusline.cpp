#include "statusline.h"

#include "app/desktopopener.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QUrl>

namespace {

// The file's name is what the user looks for: the folder gives way first.
QString elidedPlace(const QString &place, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(place) <= width)
        return place;
    const int slash = place.lastIndexOf(QLatin1Char('/'));
    const QString name = place.mid(slash + 1);
    const int folderWidth = width - metrics.horizontalAdvance(QLatin1Char('/') + name);
    if (slash <= 0 || folderWidth < metrics.horizontalAdvance(QStringLiteral("~/…")))
        return metrics.elidedText(place, Qt::ElideMiddle, width);
    return metrics.elidedText(place.left(slash), Qt::ElideMiddle, folderWidth) + QLatin1Char('/')
            + name;
}

} // namespace

QColor StatusLine::linkColour()
{
    return QColor(140, 200, 255);
}

QString shownPlace(const QString &file)
{
    const QString path = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    const QString home = QDir::cleanPath(QDir::homePath());
    if (home != QLatin1String("/") && path.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

StatusLine::StatusLine(QLabel *label)
    : QObject(label)
    , label(label)
{
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setOpenExternalLinks(false);
    // The style's link blue is dark on the skin's navy: a light blue reads at over 4.5:1.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Link, linkColour());
    label->setPalette(palette);
    connect(label, &QLabel::linkActivated, this, &StatusLine::openFolder);
}

// A text longer than the line is cut at its end; the tooltip then holds it whole.
void StatusLine::show(const QString &text)
{
    label->setTextFormat(Qt::PlainText);
    const QFontMetrics metrics = label->fontMetrics();
    const bool fits = metrics.horizontalAdvance(text) <= label->width();
    label->setText(fits ? text : metrics.elidedText(text, Qt::ElideRight, label->width()));
    label->setToolTip(fits ? QString() : text);
}

void StatusLine::keepEarlier(const QString &earlier)
{
    const QString whole = label->toolTip().isEmpty() ? label->text() : label->toolTip();
    label->setToolTip(whole + QLatin1Char('\n') + earlier);
}

void StatusLine::showSaved(const QString &text, const QString &savedAs, const QString &file)
{
    const QString place = shownPlace(file);
    const QString whole = text + QLatin1Char(' ') + savedAs.arg(place);
    // The label draws rich text a little wider than the metrics say: keep a small margin.
    const QFontMetrics metrics = label->fontMetrics();
    const QString around = text + QLatin1Char(' ') + savedAs.arg(QString());
    const int room = label->contentsRect().width() - metrics.horizontalAdvance(around) - 8;
    const QString shown = elidedPlace(place, metrics, room);
    const QString folder = QUrl::fromLocalFile(QFileInfo(file).absolutePath()).toString();
    // The colour is named in the link too: the skin's style sheet keeps the label's palette.
    const QString link
            = QStringLiteral("<a href=\"%1\" style=\"color:%3\">%2</a>")
                      .arg(folder.toHtmlEscaped(), shown.toHtmlEscaped(), linkColour().name());
    label->setTextFormat(Qt::RichText);
    label->setText(text.toHtmlEscaped() + QLatin1Char(' ') + savedAs.toHtmlEscaped().arg(link));
    label->setToolTip(whole);
}

void StatusLine::openFolder(const QString &link)
{
    DesktopOpener::instance()->open(QUrl(link));
}
