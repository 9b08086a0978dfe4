#ifndef MAINDIALOG_H
#define MAINDIALOG_H

#include "app/mirroredrows.h"
#include "cliploudness.h"
#include "commitretry.h"
#include "device/devicelink.h"
#include "device/newlistoffer.h"
#include "editor/clipmodel.h"
#include "editor/edithistory.h"
#include "fileintake.h"
#include "media/avconverter.h"
#include "previewplayer.h"
#include "previewshape.h"
#include "rememberedshaping.h"
#include "suggestfinder.h"

#include <QDialog>
#include <QImage>
#include <QTime>
#include <QTimer>

#include <functional>
#include <memory>

class CWaveSummary;
class JobButton;
class PreviewStop;
class StatusLine;
class WifiSendButton;
struct InputCheck;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QMenu;
class QPushButton;
class QUrl;

namespace Ui {
class MainDialog;
}

// The main window: the ringtone editor and the controller of everything done in it.
class MainDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainDialog)

public:
    explicit MainDialog(QWidget *parent = nullptr);
    ~MainDialog() override;

    // Shows a status text (untranslated source), after `lead` if one is given.
    // A "%1" in the text is replaced by `detail`.
    void setStatus(const char *text, const char *lead = nullptr, const QString &detail = {});
    void loadFile(const QString &path);

signals:
    void phoneChanged(bool bConnect);

private slots:
    void onBtnBrowseIn();
    void onBtnBrowseOut();
    void onBtnPlay();
    void onBtnPause();
    void onBtnPlayClip();
    void onBtnGenerate();
    void onSliderMoved(double value);
    void onClipChanged(double begin, double end);
    void onStartTimeChanged(QTime time);
    void onEndTimeChanged(QTime time);
    void onVolumeSliderMoved(int position);
    void onVolumeEdited();
    void onFadeInChanged();
    void onEditFinished();
    void undoEdit();
    void redoEdit();
    void onPlayStateChanged(PreviewPlayer::State state);
    void onDeviceEvent(DeviceLink::Event event);
    void onAVConverterFinished();
    void onBtnManage();
    void onBtnHelp();
    void onBtnHome();
    void onBtnAbout();
    void onOpenFailed(const QUrl &url);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenu();
    void setUpKeyboard();
    void showKeysInToolTips();
    static QString generateToolTip();
    void connectWidgets();
    void detectITunes();
    void refuseInput(const QString &path, const InputCheck &check);
    void showClip();
    void showGenerateState();
    void placeTypedEdge(ClipModel::Edge edge, QTime time);
    void tellFit(ClipModel::Fit fit);
    void markLength(bool tooLong);
    enum class EditSource { None, Strip, StartField, EndField, FadeIn, FadeOut, Volume, Suggest };
    EditState editState() const;
    void beginEditStep(EditSource source);
    void endEditStep();
    void restoreEdit(const EditState &state);
    void markLoudness();
    // The fade-out and the loop preview (mainshape.cpp).
    void nameControls();
    void buildShapeControls();
    void placeForDirection();
    QCheckBox *addCheckBox(const QString &name, const QRect &rect);
    void retranslateShapeControls();
    void onFadeOutChanged();
    int fadeOutSeconds() const;
    PreviewShape previewShape() const;
    QString rememberedShapingNotice();
    void showLoaded(const QString &notice);
    // Sending as a ringtone or a text tone (maintonekind.cpp).
    void buildToneKindControls();
    void retranslateToneKindControls();
    bool sendsTextTone() const;
    // Commits that failed with their changes kept, sent again (mainphone.cpp).
    void connectCommitRetry();
    // The clip's loudness and the even-loudness option (mainloudness.cpp).
    void buildLoudnessControls();
    void retranslateLoudnessControls();
    void placeEvenLoudness();
    void scheduleLoudness();
    void measureLoudness();
    void showLoudness();
    void applyEvenLoudness();
    // The best-part suggestion (mainsuggest.cpp).
    void buildSuggestControls();
    void retranslateSuggestControls();
    void forgetSuggestions();
    void showSuggestState();
    void onBtnSuggest();
    void takeSuggestions(const SuggestFinder::Candidates &candidates);
    void applySuggestion(size_t index);
    void advancePlayHead();
    void tellMissingOutput(PreviewPlayer::Result result);
    void startJob(CAVConverter::JobType jobType);
    void showLoading();
    void showStatus();
    // The phone's state (mainphone.cpp).
    void tellPhoneState(const char *lead = nullptr,
                        std::function<void(DeviceLink::PhoneState)> then = {});
    void recheckUsbmuxd();
    static bool stateNeedsPairingHelp(DeviceLink::PhoneState state);
    void showPairingHelp();
    // Sending a made ringtone to the phone (maintransfer.cpp).
    void sendToPhone(const QString &ringtone, double seconds, bool textTone);
    void commitSent(DeviceLink::Result added, bool kindSet, double seconds);
    void showTransferResult(const char *failure, bool kindSet, double seconds);
    const char *shownTransferFailure() const;
    void startDecode();
    void finishRingtone(const QString &output);
    void endJob();
    void showWaveform(const QString &wavPath);
    void takeIntake(const WavIntake &intake);
    void showWaveView(double from, double to);
    QSize wavePixels() const;
    double markPosition() const;
    void exportRingtone(const QString &encoded);
    // The ringtone job's progress and its stop (mainjob.cpp).
    void setUpJobControls();
    void showJobProgress();
    void cancelRingtone();
    void showRingtoneStarted();
    void showSavedStatus(const QString &ringtone);

    Ui::MainDialog *ui;
    QAction *actManage = nullptr;
    QAction *actAbout = nullptr;
    QAction *actHelp = nullptr;
    QAction *actHome = nullptr;
    QMenu *languageMenu = nullptr;
    std::unique_ptr<MirroredRows> handPlaced;
    QLabel *labelFadeout = nullptr;
    QSpinBox *spinFadeout = nullptr;
    QCheckBox *checkLoop = nullptr;
    PreviewStop *previewStop = nullptr; // a child
    RememberedShaping rememberedShaping;
    QComboBox *comboToneKind = nullptr;
    QLabel *labelLoudness = nullptr;
    QCheckBox *checkEvenLoudness = nullptr;
    ClipLoudness clipMeter;
    FileIntake fileIntake;
    double clipLoudness = 0.0; // LUFS at unchanged volume before the limiter; NaN until known
    double madeLoudness = 0.0; // LUFS of the ringtone at madeGain, limiter included
    double madeGain = 0.0;
    QPushButton *btnSuggest = nullptr;
    WifiSendButton *wifiSend = nullptr; // the made ringtone to a phone over Wi-Fi
    SuggestFinder suggestFinder;
    SuggestFinder::Candidates suggestions; // for suggestedLengthMs, best first
    ClipModel::Ms suggestedLengthMs = 0;
    size_t suggestionIndex = 0; // the one last shown
    ClipModel suggestedClip; // the clip it set: a press while it stays shows the next
    double fileDuration = 0.0;
    // The clip, in whole milliseconds: what every view shows and what the encoder gets.
    ClipModel clipModel;
    EditHistory history;
    // The values as the last edit left them: where the next undo step begins.
    EditState stateShown;
    // Where the open step's changes come from: a field's changes make one step until it is left.
    EditSource editSource = EditSource::None;
    bool restoringEdit = false;
    QString durationText;
    PreviewPlayer::State playState = PreviewPlayer::Stopped;
    bool playingClip = false;
    bool loopingClip = false; // the clip preview goes round until stopped
    int playTimerId = 0;
    int jobTimerId = 0;
    bool syncingTimes = false;
    bool decodePending = false;
    // What the ringtone job takes from the moment Generate was pressed: another file may be
    // loaded while it runs.
    struct RingtoneJob
    {
        QString name; // as typed
        QString inputName; // base name of the input
        double length = 0.0; // seconds
        bool cancelled = false; // stopped by the user: nothing is kept or sent
        bool textTone = false; // sent to the phone as a text (alert) tone
    } ringtoneJob;
    CAVConverter converter;
    PreviewPlayer player;
    DeviceLink device;
    CommitRetry commitRetry {device, this}; // a child, so tests can reach its timer
    NewListOffer newListOffer {device, this};
    double discAngle = 0.0;
    const char *statusSource = nullptr;
    const char *statusLead = nullptr;
    QString statusArg; // fills the status text's "%1"
    QString savedRingtone; // a made ringtone whose place follows the status text
    StatusLine *statusLine = nullptr;
    std::unique_ptr<JobButton> jobButton;
    // The result of a ringtone job that a load waited for: it stays in front of the load's own
    // status until the load has ended, so a load never hides how the ringtone went.
    const char *waitedResult = nullptr;
    // Sends queue on the phone's link while Generate makes more: the status line tells the
    // last result only once none is left, and a failure before it is not hidden by it.
    int transfersInFlight = 0;
    const char *queuedFailure = nullptr;
    QString iTunesPath;
    // The whole file's picture as first drawn, and the summary that draws zoomed views.
    QImage wholeWaveImage;
    std::shared_ptr<const CWaveSummary> waveSummary;
};

#endif
