#include "maindialog.h"
#include "ui_maindialog.h"

#include "accessiblesliders.h"
#include "app/desktopopener.h"
#include "app/qxlanguage.h"
#include "app/settings.h"
#include "app/skinpicture.h"
#include "app/windowdrag.h"
#include "jobbutton.h"
#include "previewstop.h"
#include "progressbars.h"
#include "statusline.h"
#include "timefieldtab.h"
#include "wifisendbutton.h"

#include <QBitmap>
#include <QMenu>
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
    setUpJobControls();
    setAcceptDrops(true);
    new WindowDrag(this);
    installAccessibleSliders();
    buildMenu();

    // The background's fully transparent pixels give the window its outline: seen through where
    // a compositor blends windows (Wayland has no other way), cut out by the mask elsewhere.
    const QPixmap background(QString::fromLatin1(backgroundImage));
    setAttribute(Qt::WA_TranslucentBackground);
    setMask(background.createMaskFromColor(QColor(Qt::transparent)));

    ui->sliderBar->setCornerCut(10);
    ui->sliderBar->setClip(0, 0);
    ui->sliderBar->hide();
    ui->progressBar->hide();
    connectWidgets();
    connectCommitRetry();
    setUpKeyboard();
    buildShapeControls();
    nameControls();
    buildLoudnessControls();
    buildSuggestControls();
    buildToneKindControls();
    wifiSend = new WifiSendButton(this, ui->btnGenerate);
    previewStop = new PreviewStop(this, player);
    setTabOrder(ui->btnPlayClip, previewStop->button());
    setTabOrder(previewStop->button(), ui->sliderVolume);
    placeForDirection();
    showKeysInToolTips();

    ui->editStartTime->setTimeRange(QTime(0, 0), QTime(0, 0));
    ui->editEndTime->setTimeRange(QTime(0, 0), QTime(0, 0));
    ui->labelLengthValue->setText(QStringLiteral("00:00:00.000"));
    ui->btnPlay->setEnabled(false);
    ui->btnPause->setEnabled(false);
    ui->btnPlayClip->setEnabled(false);
    ui->btnGenerate->setEnabled(false);
    ui->checkExport->setEnabled(false);
    ui->sliderBar->setRange(0.0, 1000.0);
    ui->sliderBar->setEnabled(false);
    showGenerateState();
    stateShown = editState();

    device.listen();

    QxLanguage::instance()->loadLanguage(readSetting(QStringLiteral("UiLanguage"), QString()));
    ui->editOutputFolder->setText(readSetting(QStringLiteral("OutputFolder"), documentsFolder()));
    detectITunes();
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
    languageMenu = QxLanguage::instance()->createLanguageMenu(this);
    menu->addMenu(languageMenu);
    menu->addSeparator();
    menu->addAction(actHelp);
    menu->addAction(actHome);
    menu->addAction(actAbout);
    ui->btnMenu->setMenu(menu);

    connect(actManage, &QAction::triggered, this, &MainDialog::onBtnManage);
    connect(actHelp, &QAction::triggered, this, &MainDialog::onBtnHelp);
    connect(actHome, &QAction::triggered, this, &MainDialog::onBtnHome);
    connect(actAbout, &QAction::triggered, this, &MainDialog::onBtnAbout);
    connect(ui->btnMinimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(ui->btnClose, &QPushButton::clicked, this, &QWidget::close);
}

void MainDialog::connectWidgets()
{
    connect(ui->labelManage, &QLabel::linkActivated, this, &MainDialog::onBtnManage);
    connect(ui->labelAbout, &QLabel::linkActivated, this, &MainDialog::onBtnAbout);
    connect(ui->labelHelp, &QLabel::linkActivated, this, &MainDialog::onBtnHelp);
    connect(ui->labelHome, &QLabel::linkActivated, this, &MainDialog::onBtnHome);

    connect(ui->btnBrowseIn, &QPushButton::clicked, this, &MainDialog::onBtnBrowseIn);
    connect(ui->btnBrowseOut, &QPushButton::clicked, this, &MainDialog::onBtnBrowseOut);
    connect(ui->btnPlay, &QPushButton::clicked, this, &MainDialog::onBtnPlay);
    connect(ui->btnPause, &QPushButton::clicked, this, &MainDialog::onBtnPause);
    connect(ui->btnPlayClip, &QPushButton::clicked, this, &MainDialog::onBtnPlayClip);
    connect(ui->btnGenerate, &QPushButton::clicked, this, &MainDialog::onBtnGenerate);
    connect(ui->sliderBar, &CClipSlider::posChanged, this, &MainDialog::onSliderMoved);
    connect(ui->sliderBar, &CClipSlider::clipChanged, this, &MainDialog::onClipChanged);
    connect(ui->sliderBar, &CClipSlider::clipEditFinished, this, &MainDialog::onEditFinished);
    connect(ui->sliderBar, &CClipSlider::viewChanged, this, &MainDialog::showWaveView);
    ui->sliderBar->setPlayPositionSource([this] { return markPosition(); });
    connect(ui->editStartTime, &QTimeEdit::timeChanged, this, &MainDialog::onStartTimeChanged);
    connect(ui->editEndTime, &QTimeEdit::timeChanged, this, &MainDialog::onEndTimeChanged);
    connect(ui->sliderVolume, &CVolumeSlider::sliderMoved, this, &MainDialog::onVolumeSliderMoved);
    connect(ui->sliderVolume, &CVolumeSlider::sliderMoved, this, &MainDialog::onVolumeEdited);
    connect(ui->sliderVolume, &CVolumeSlider::editFinished, this, &MainDialog::onEditFinished);
    connect(ui->spinFadein, &QSpinBox::valueChanged, this, &MainDialog::onFadeInChanged);
    connect(ui->spinFadein, &QSpinBox::editingFinished, this, &MainDialog::onEditFinished);
    connect(ui->editStartTime, &QTimeEdit::editingFinished, this, &MainDialog::onEditFinished);
    connect(ui->editEndTime, &QTimeEdit::editingFinished, this, &MainDialog::onEditFinished);
    // A typed time counts once it is entered (Enter, Tab, leaving the field, an arrow key),
    // never digit by digit: half a typed time would push the other edge about.
    for (QTimeEdit *field : {ui->editStartTime, ui->editEndTime}) {
        field->setKeyboardTracking(false);
        new TimeFieldTab(field);
    }
    // Default connections: reports raised on a library thread are queued to this one.
    connect(&player, &PreviewPlayer::stateChanged, this, &MainDialog::onPlayStateChanged);
    connect(&device, &DeviceLink::eventRaised, this, &MainDialog::onDeviceEvent);
    connect(&converter, &CAVConverter::finished, this, &MainDialog::onAVConverterFinished);
    connect(DesktopOpener::instance(), &DesktopOpener::failed, this, &MainDialog::onOpenFailed);
}

void MainDialog::setStatus(const char *text, const char *lead, const QString &detail)
{
    statusSource = text;
    statusLead = lead;
    statusArg = detail;
    savedRingtone.clear();
    showStatus();
}

void MainDialog::showStatus()
{
    QString text = statusSource ? tr(statusSource) : QString();
    if (text.contains(QLatin1String("%1")))
        text = text.arg(statusArg);
    if (statusLead)
        text = tr(statusLead) + QLatin1Char(' ') + text;
    if (savedRingtone.isEmpty())
        statusLine->show(text);
    else
        statusLine->showSaved(text, tr("Saved as %1"), savedRingtone);
}

void MainDialog::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == playTimerId) {
        advancePlayHead();
    } else if (event->timerId() == jobTimerId) {
        showJobProgress();
    } else {
        QDialog::timerEvent(event);
    }
    update();
}

// The bars' fore pictures lie exactly over their back pictures and cover them from the
// bottom up to the level of the hidden progress bar; nothing is scaled.
void MainDialog::paintEvent(QPaintEvent *)
{
    const int v = ui->progressBar->value();
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    filterFractionalScaling(painter, ratio);
    painter.drawPixmap(0, 0, skinPixmap(QString::fromLatin1(backgroundImage), ratio));

    painter.drawPixmap(0, 82, skinPixmap(QStringLiteral(":/images/left_back.png"), ratio));
    const BarPiece left = leftBarPiece(v);
    const QPixmap leftFore = skinPixmap(QStringLiteral(":/images/left_fore.png"), ratio);
    painter.drawPixmap(left.at, leftFore, picturePart(leftFore, left.source));

    painter.drawPixmap(644, 208, skinPixmap(QStringLiteral(":/images/right_back.png"), ratio));
    const BarPiece right = rightBarPiece(v);
    const QPixmap rightFore = skinPixmap(QStringLiteral(":/images/right_fore.png"), ratio);
    painter.drawPixmap(right.at, rightFore, picturePart(rightFore, right.source));

    painter.save();
    painter.translate(666, 82);
    painter.rotate(discAngle);
    painter.translate(-666, -82);
    painter.drawPixmap(QRect(584, 0, 166, 166),
                       skinPixmap(QStringLiteral(":/images/disc.png"), ratio));
    painter.restore();
}

void MainDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        placeForDirection();
    if (event->type() != QEvent::LanguageChange)
        return;
    writeSetting(QStringLiteral("UiLanguage"), QxLanguage::instance()->currentLanguage());
    ui->retranslateUi(this);
    showKeysInToolTips();
    retranslateShapeControls();
    nameControls();
    retranslateLoudnessControls();
    retranslateSuggestControls();
    retranslateToneKindControls();
    previewStop->retranslate();
    actManage->setText(tr("&Manage..."));
    actHelp->setText(tr("&Help"));
    actHome->setText(tr("&HomePage"));
    actAbout->setText(tr("&About"));
    languageMenu->setTitle(tr("Language"));
    if (statusSource)
        showStatus();
    onVolumeSliderMoved(ui->sliderVolume->position());
    markLength(ui->labelLengthValue->property("tooLong").toBool());
    showGenerateState();
    jobButton->retranslate();
    setWindowTitle(productTitle());
}
