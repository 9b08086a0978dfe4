#include "maindialog.h"
#include "ui_maindialog.h"

#include <QBitmap>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

const char *const backgroundImage = ":/images/main_bg.png";

} // namespace

MainDialog::MainDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowMinimizeButtonHint | Qt::FramelessWindowHint)
    , ui(new Ui::MainDialog)
{
    ui->setupUi(this);
    buildMenu();
    connect(ui->btnMinimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(ui->btnClose, &QPushButton::clicked, this, &QWidget::close);

    // The background's fully transparent pixels give the window its outline.
    const QPixmap background(QString::fromLatin1(backgroundImage));
    setMask(background.createMaskFromColor(QColor(Qt::transparent)));

    connect(ui->labelManage, &QLabel::linkActivated, this, &MainDialog::onBtnManage);
    connect(ui->labelAbout, &QLabel::linkActivated, this, &MainDialog::onBtnAbout);
    connect(ui->labelHelp, &QLabel::linkActivated, this, &MainDialog::onBtnHelp);
    connect(ui->labelHome, &QLabel::linkActivated, this, &MainDialog::onBtnHome);

    ui->sliderBar->hide();
    ui->progressBar->hide();
    ui->labelLengthValue->setText(QStringLiteral("00:00:00.000"));
}

MainDialog::~MainDialog()
{
    delete ui;
}

void MainDialog::buildMenu()
{
    actManage = new QAction(QIcon(QStringLiteral(":/images/tool.png")), tr("&Manage..."), this);
    actHelp = new QAction(QIcon(QStringLiteral(":/images/help.png")), tr("&Help"), this);
    actHome = new QAction(QIcon(QStringLiteral(":/images/home.png")), tr("&HomePage"), this);
    actAbout = new QAction(QIcon(QStringLiteral(":/images/about.png")), tr("&About"), this);

    auto *menu = new QMenu(tr(""), this);
    menu->setWindowOpacity(0.8);
    menu->addAction(actManage);
    languageMenu = menu->addMenu(tr("Language"));
    menu->addSeparator();
    menu->addAction(actHelp);
    menu->addAction(actHome);
    menu->addAction(actAbout);
    ui->btnMenu->setMenu(menu);

    connect(actManage, &QAction::triggered, this, &MainDialog::onBtnManage);
    connect(actHelp, &QAction::triggered, this, &MainDialog::onBtnHelp);
    connect(actHome, &QAction::triggered, this, &MainDialog::onBtnHome);
    connect(actAbout, &QAction::triggered, this, &MainDialog::onBtnAbout);
}

void MainDialog::retranslateMenu()
{
    actManage->setText(tr("&Manage..."));
    actHelp->setText(tr("&Help"));
    actHome->setText(tr("&HomePage"));
    actAbout->setText(tr("&About"));
    languageMenu->setTitle(tr("Language"));
}

void MainDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
    }
}

void MainDialog::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && dragOffset != QPoint(-1, -1)) {
        move(event->globalPosition().toPoint() - dragOffset);
        event->accept();
    }
}

void MainDialog::mouseReleaseEvent(QMouseEvent *)
{
    dragOffset = QPoint(-1, -1);
}

// The bars' fore pictures lie exactly over their back pictures and cover them from the
// bottom up to the level of the hidden progress bar; nothing is scaled.
void MainDialog::paintEvent(QPaintEvent *)
{
    const int v = ui->progressBar->value();
    QPainter painter(this);
    painter.drawPixmap(0, 0, QPixmap(QString::fromLatin1(backgroundImage)));

    painter.drawPixmap(0, 82, QPixmap(QStringLiteral(":/images/left_back.png")));
    painter.drawPixmap(QPoint(0, 490 - 4 * v),
                       QPixmap(QStringLiteral(":/images/left_fore.png")),
                       QRect(0, 4 * (102 - v), 26, 425));

    const int r = 287 * v / 100;
    painter.drawPixmap(644, 208, QPixmap(QStringLiteral(":/images/right_back.png")));
    painter.drawPixmap(QPoint(644, 495 - r),
                       QPixmap(QStringLiteral(":/images/right_fore.png")),
                       QRect(0, 287 - r, 27, 299));

    painter.save();
    painter.translate(666, 82);
    painter.rotate(discAngle);
    painter.translate(-666, -82);
    painter.drawPixmap(QRect(584, 0, 166, 166), QPixmap(QStringLiteral(":/images/disc.png")));
    painter.restore();
}

void MainDialog::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    retranslateMenu();
    setWindowTitle(QStringLiteral("Marvolen Vardel"));
}

void MainDialog::onBtnManage() { }

void MainDialog::onBtnHelp() { }

void MainDialog::onBtnHome() { }

void MainDialog::onBtnAbout() { }
