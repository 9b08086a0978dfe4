#include "previewstop.h"

#include "editor/skinsheet.h"

#include <QPushButton>

namespace {

// Right of Play Clip, where Suggest stands left of Play: the row mirrors about Pause.
const QRect stopRect(571, 344, 36, 36);

} // namespace

PreviewStop::PreviewStop(QWidget *window, PreviewPlayer &player)
    : QObject(window)
    , m_player(player)
    , m_button(new QPushButton(window))
{
    m_button->setObjectName(QStringLiteral("btnStop"));
    m_button->setGeometry(stopRect);
    m_button->setStyleSheet(skinButtonSheet(QStringLiteral("halt")));
    m_button->setAutoDefault(false);
    m_button->setEnabled(false);
    connect(m_button, &QPushButton::clicked, this, &PreviewStop::stop);
    connect(&m_player, &PreviewPlayer::stateChanged, this, &PreviewStop::follow);
    retranslate();
}

bool PreviewStop::stop()
{
    if (!m_button->isEnabled())
        return false;
    m_player.stop();
    return true;
}

void PreviewStop::retranslate()
{
    m_button->setToolTip(QStringLiteral("%1 (%2)").arg(tr("Stop the preview"),
                                                       key().toString(QKeySequence::NativeText)));
    m_button->setAccessibleName(tr("Stop"));
}

void PreviewStop::follow(PreviewPlayer::State state)
{
    m_button->setEnabled(state != PreviewPlayer::Stopped);
}
