#include "previewplayer.h"

#include <sonvix.h>

#include <dlfcn.h>

namespace {

// Called on the library's thread; the signal carries the state over.
int reportState(int state, void *user)
{
    emit static_cast<PreviewPlayer *>(user)->stateChanged(PreviewPlayer::State(state));
    return 0;
}

PreviewPlayer::Result result(int code)
{
    if (code == SONVIX_E_NO_DEVICE)
        return PreviewPlayer::NoOutput;
    return code < 0 ? PreviewPlayer::Failed : PreviewPlayer::Done;
}

} // namespace

int PreviewPlayer::pollMs()
{
    constexpr int standard = 500;
#ifdef VARDEL_TEST_WAITS
    static const int wanted = qEnvironmentVariableIntValue("VARDEL_TEST_PLAY_POLL_MS");
    if (wanted > 0)
        return wanted;
#endif
    return standard;
}

PreviewPlayer::PreviewPlayer(QObject *parent)
    : QObject(parent)
{
    // Looked up where the program runs: the library there may be older than the program.
    m_fadeOut = reinterpret_cast<int (*)(double, double)>(dlsym(RTLD_DEFAULT, "sonvix_fadeout"));
    m_loop = reinterpret_cast<int (*)(double, double)>(dlsym(RTLD_DEFAULT, "sonvix_loop"));
    sonvix_init();
    sonvix_set_callback(reportState, this);
}

// The player keeps playing until the process ends, but reports to nobody once this is gone.
PreviewPlayer::~PreviewPlayer()
{
    sonvix_set_callback(nullptr, nullptr);
}

void PreviewPlayer::open(const QString &nativePath)
{
    sonvix_open(nativePath.toUtf8().constData(), 0, 0);
}

PreviewPlayer::Result PreviewPlayer::play()
{
    return result(sonvix_play());
}

PreviewPlayer::Result PreviewPlayer::pause()
{
    return result(sonvix_pause());
}

void PreviewPlayer::stop()
{
    sonvix_stop();
}

void PreviewPlayer::seek(double seconds)
{
    sonvix_seek(seconds);
}

double PreviewPlayer::position() const
{
    return sonvix_get_position();
}

void PreviewPlayer::setVolume(double factor)
{
    sonvix_set_volume(factor);
}

void PreviewPlayer::setFadeIn(double seconds)
{
    sonvix_fadein(seconds);
}

void PreviewPlayer::setFadeOut(double seconds, double clipEnd)
{
    if (m_fadeOut)
        m_fadeOut(seconds, clipEnd);
}

void PreviewPlayer::setLoop(double begin, double end)
{
    if (m_loop)
        m_loop(begin, end);
}
