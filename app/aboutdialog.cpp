#include "aboutdialog.h"

#include "app/desktopopener.h"
#include "app/keyboardlink.h"
#include "app/skinpicture.h"
#include "app/weblinks.h"
#include "app/windowdrag.h"

#include <QBitmap>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

namespace {

QString backgroundPath()
{
    return QStringLiteral(":/images/about_bg.png");
}

// Rich text colours anchors from the application palette, not the label's, and its pure blue
// hardly shows on the dark picture; so each link carries its own light colour.
QString withLightLinks(QString html)
{
    return html.replace(QLatin1String("<a "), QLatin1String("<a style=\"color: #78d7ff;\" "));
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    // The mask alone leaves a system frame outside it on X11 and Wayland.
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    new WindowDrag(this);

    const QSize size = QImage(backgroundPath()).size();
    resize(size);
    QPixmap shape(size);
    shape.fill(Qt::black);
    setMask(QBitmap::fromPixmap(shape));

    homeLabel = addLabel(QRect(20, 195, 360, 22),
                         tr("Home Page: <a href=\"%1\">%1</a>").arg(productPageUrl()));
    supportLabel = addLabel(QRect(20, 215, 360, 22),
                            tr("Support: <a href=\"%1\">%1</a>").arg(supportUrl()));
    noticeLabel = addLabel(QRect(20, 235, 370, 22),
                           tr("Vardel is made by <a href=\"%1\">Marvolen</a>.").arg(siteUrl()));
    versionLabel = addLabel(QRect(150, 145, 240, 22), tr("Version: ") + productVersion());
    // Below the disc, left of the version: the program's licence and those of its libraries.
    licencesLabel = addLabel(QRect(20, 165, 130, 22),
                             tr("<a href=\"%1\">Licences</a>")
                                     .arg(QUrl::fromLocalFile(licencesPagePath()).toString()));

    // Tab walks the links down the box from the first, and Enter opens the one with the focus.
    for (QLabel *link : {licencesLabel, homeLabel, supportLabel, noticeLabel})
        KeyboardLink::attach(link);
    setTabOrder(licencesLabel, homeLabel);
    setTabOrder(homeLabel, supportLabel);
    setTabOrder(supportLabel, noticeLabel);
    licencesLabel->setFocus();
    // Frameless, the box shows no title; assistive tools still read it as the window's name.
    setWindowTitle(tr("About Vardel"));

    connect(homeLabel, &QLabel::linkActivated, this, &AboutDialog::openUrl);
    connect(supportLabel, &QLabel::linkActivated, this, &AboutDialog::openUrl);
    connect(noticeLabel, &QLabel::linkActivated, this, &AboutDialog::openUrl);
    connect(licencesLabel, &QLabel::linkActivated, this, &AboutDialog::openUrl);
    versionLabel->setAlignment(Qt::AlignRight);
}

AboutDialog::~AboutDialog() = default;

QLabel *AboutDialog::addLabel(const QRect &geometry, const QString &text)
{
    auto *label = new QLabel(withLightLinks(text), this);
    label->setGeometry(geometry);
    return label;
}

void AboutDialog::openUrl(const QString &url)
{
    DesktopOpener::instance()->open(QUrl(url));
}

// Any release closes the box, so a plain click and the end of a drag both dismiss it.
void AboutDialog::mouseReleaseEvent(QMouseEvent *)
{
    accept();
}

void AboutDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    filterFractionalScaling(painter, devicePixelRatioF());
    painter.drawPixmap(0, 0, skinPixmap(backgroundPath(), devicePixelRatioF()));
}
