#include "player.h"

#include "waits.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace sonvix {

namespace {

// Enough decoded audio to ride over a slow read; a seek discards it anyway.
constexpr double QueueSeconds = 0.5;
// Longest seek or fade accepted, so that frame counts stay far from overflow.
constexpr double MaxSeconds = 1e7;
// The window's loudest setting is a little under 5; more would only be limited.
constexpr double MaxVolume = 5.0;

bool validSeconds(double seconds)
{
    return std::isfinite(seconds) && seconds >= 0;
}

} // namespace

Player &Player::instance()
{
    static Player player;
    return player;
}

Player::~Player()
{
    if (!ready)
        return;
    setCallback(nullptr, nullptr);
    notifier.reset();
    closeOutput();
    {
        std::lock_guard<std::mutex> lock(mutex);
        quit = true;
    }
    decoderWake.notify_one();
    decoder.join();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int Player::init()
{
    std::lock_guard<std::mutex> api(apiMutex);
    if (ready)
        return 0;
    // The host program owns SIGINT and SIGTERM; SDL would otherwise swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        return NoDevice;
    if (probeDevice() < 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return NoDevice;
    }
    notifier = std::make_unique<Notifier>();
    decoder = std::thread(&Player::decodeLoop, this);
    ready = true;
    return 0;
}

// Learns the device's format and lets it go again: the device is opened only while something
// plays, since an open device, even paused, keeps the sound server fed with silence.
int Player::probeDevice()
{
    period = deviceFrames();
    SDL_AudioSpec wanted = wantedSpec();
    SDL_AudioSpec obtained {};
    const SDL_AudioDeviceID probe = SDL_OpenAudioDevice(nullptr,
                                                        0,
                                                        &wanted,
                                                        &obtained,
                                                        SDL_AUDIO_ALLOW_FREQUENCY_CHANGE
                                                                | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (probe == 0)
        return NoDevice;
    SDL_CloseAudioDevice(probe);
    rate = obtained.freq;
    channels = obtained.channels;
    period = obtained.samples;
    queue.setChannels(channels);
    shaper = std::make_unique<Shaper>(channels, rate);
    return 0;
}

SDL_AudioSpec Player::wantedSpec()
{
    SDL_AudioSpec wanted {};
    wanted.freq = rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Uint8(channels);
    wanted.samples = Uint16(period);
    wanted.callback = &Player::audioCallback;
    wanted.userdata = this;
    return wanted;
}

// Opened in the format first probed, which SDL converts to if the device has changed since, so
// that the decoded audio and its frame counts stay as they are.
bool Player::openOutput()
{
    if (device != 0)
        return true;
    SDL_AudioSpec wanted = wantedSpec();
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    return device != 0;
}

void Player::closeOutput()
{
    if (device != 0)
        SDL_CloseAudioDevice(device);
    device = 0;
}

// Waits for a report that is being delivered: once this returns, the old receiver is never
// entered again and may be destroyed. A callback may itself set the callback (same thread).
int Player::setCallback(sonvix_callback cb, void *user)
{
    if (!ready)
        return NoDevice;
    std::lock_guard<std::recursive_mutex> delivering(deliveryMutex);
    std::lock_guard<std::mutex> lock(mutex);
    callback = cb;
    callbackUser = user;
    return 0;
}

int Player::open(const char *path)
{
    if (!ready)
        return NoDevice;
    if (!path) {
        unload();
        return BadArgument;
    }
    std::unique_ptr<Source> source = Source::open(path, rate, channels);
    if (!source) {
        unload();
        return CannotOpen;
    }
    std::lock_guard<std::mutex> api(apiMutex);
    {
        std::lock_guard<std::mutex> lock(mutex);
        // A file opened but not yet taken by the decoder is closed once the locks are released.
        source.swap(pendingSource);
        restartAt(0);
        setClip(Clip());
        seekFrame = -1;
        loaded = true;
        if (state != SONVIX_STOPPED)
            report(SONVIX_STOPPED);
        state = SONVIX_STOPPED;
    }
    syncDevice();
    return 0;
}

// A refused file still replaces the last one: the caller has moved on from it, and a later
// play must not bring it back.
void Player::unload()
{
    std::lock_guard<std::mutex> api(apiMutex);
    {
        std::lock_guard<std::mutex> lock(mutex);
        restartAt(0);
        setClip(Clip());
        loaded = false;
        if (state != SONVIX_STOPPED)
            report(SONVIX_STOPPED);
        state = SONVIX_STOPPED;
    }
    syncDevice();
}

int Player::play()
{
    if (!ready)
        return NoDevice;
    std::lock_guard<std::mutex> api(apiMutex);
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!loaded)
            return NoFile;
    }
    if (!openOutput())
        return NoDevice;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (state != SONVIX_PLAYING)
            startRunning(state == SONVIX_STOPPED);
    }
    syncDevice();
    return 0;
}

int Player::pause()
{
    if (!ready)
        return NoDevice;
    std::lock_guard<std::mutex> api(apiMutex);
    bool resuming;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!loaded)
            return NoFile;
        resuming = state == SONVIX_PAUSED;
    }
    if (resuming && !openOutput())
        return NoDevice;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (state == SONVIX_PLAYING) {
            state = SONVIX_PAUSED;
            report(SONVIX_PAUSED);
        } else if (state == SONVIX_PAUSED) {
            startRunning(false);
        }
    }
    syncDevice();
    return 0;
}

int Player::stop()
{
    if (!ready)
        return NoDevice;
    std::lock_guard<std::mutex> api(apiMutex);
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!loaded)
            return 0;
        restartAt(0);
        setClip(Clip());
        if (state != SONVIX_STOPPED)
            report(SONVIX_STOPPED);
        state = SONVIX_STOPPED;
    }
    syncDevice();
    return 0;
}

int Player::seek(double seconds)
{
    if (!ready)
        return NoDevice;
    if (std::isnan(seconds))
        return BadArgument;
    std::lock_guard<std::mutex> lock(mutex);
    if (!loaded)
        return NoFile;
    restartAt(std::llround(std::clamp(seconds, 0.0, MaxSeconds) * rate));
    return 0;
}

double Player::position()
{
    if (!ready)
        return NoDevice;
    std::lock_guard<std::mutex> lock(mutex);
    return double(state == SONVIX_PLAYING ? heardFrame() : nextFrame) / rate;
}

int Player::setVolume(double factor)
{
    if (!ready)
        return NoDevice;
    if (!validSeconds(factor) || factor > MaxVolume)
        return BadArgument;
    std::lock_guard<std::mutex> lock(mutex);
    shaper->setVolume(factor);
    return 0;
}

int Player::fadein(double seconds)
{
    if (!ready)
        return NoDevice;
    if (!validSeconds(seconds))
        return BadArgument;
    std::lock_guard<std::mutex> lock(mutex);
    fadePending = std::min(seconds, MaxSeconds);
    return 0;
}

int Player::fadeout(double seconds, double clipEnd)
{
    if (!ready)
        return NoDevice;
    if (!validSeconds(seconds) || !validSeconds(clipEnd))
        return BadArgument;
    std::lock_guard<std::mutex> lock(mutex);
    clipAsked = true;
    clipPending.fadeOut = std::min(seconds, MaxSeconds);
    clipPending.end = clipPending.fadeOut > 0 || clipPending.loopFrom >= 0
            ? std::llround(std::min(clipEnd, MaxSeconds) * rate)
            : -1;
    return 0;
}

int Player::loop(double begin, double end)
{
    if (!ready)
        return NoDevice;
    if (!validSeconds(begin) || !validSeconds(end))
        return BadArgument;
    std::lock_guard<std::mutex> lock(mutex);
    const int64_t from = std::llround(std::min(begin, MaxSeconds) * rate);
    const int64_t to = std::llround(std::min(end, MaxSeconds) * rate);
    clipAsked = true;
    clipPending.loopFrom = to > from ? from : -1;
    if (to > from)
        clipPending.end = to;
    else if (clipPending.fadeOut == 0)
        clipPending.end = -1;
    return 0;
}

void Player::restartAt(int64_t frame)
{
    ++serial;
    queue.clear();
    shaper->restart();
    ended = false;
    seekFrame = frame;
    nextFrame = segmentStart = heardFloor = frame;
    handedAt = Clock::now();
    decoderWake.notify_one();
}

// A start from stopped takes the clip asked for; a resume goes on with the one under way
// unless another was asked for while paused.
void Player::startRunning(bool fresh)
{
    if (fresh || clipAsked) {
        const bool hadClip = clip.end >= 0;
        setClip(clipPending);
        clipPending = Clip();
        clipAsked = false;
        // What was decoded ahead of the start may run past the clip's end, or stop at the old one.
        if (clip.end >= 0 || (!fresh && hadClip))
            restartAt(nextFrame);
    }
    state = SONVIX_PLAYING;
    segmentStart = heardFloor = nextFrame;
    handedAt = Clock::now();
    shaper->startFade(fadePending);
    fadePending = 0;
    report(SONVIX_PLAYING);
}

void Player::setClip(const Clip &next)
{
    clip = next;
    shaper->setClip(clip.fadeOut, clip.end, fadePending);
}

// Cuts a decoded chunk at the clip's end; returns the frames it keeps.
int64_t Player::clipped(PcmChunk &chunk) const
{
    int64_t frames = int64_t(chunk.samples.size()) / channels;
    if (clip.end >= 0 && chunk.firstFrame + frames > clip.end) {
        frames = std::max<int64_t>(0, clip.end - chunk.firstFrame);
        chunk.samples.resize(size_t(frames * channels));
    }
    return frames;
}

// The end of the file: stopped, and the next play starts from the beginning.
void Player::finish()
{
    state = SONVIX_STOPPED;
    restartAt(0);
    setClip(Clip());
    report(SONVIX_STOPPED);
    notifier->post([this] {
        std::lock_guard<std::mutex> api(apiMutex);
        syncDevice();
    });
}

void Player::report(int newState)
{
    notifier->post([this, newState] {
        std::lock_guard<std::recursive_mutex> delivering(deliveryMutex);
        sonvix_callback cb;
        void *user;
        {
            std::lock_guard<std::mutex> lock(mutex);
            cb = callback;
            user = callbackUser;
        }
        if (cb)
            cb(newState, user);
    });
}

// The device holds about two buffers: the one being heard and the one just handed over.
int64_t Player::heardFrame()
{
    const auto elapsed = std::chrono::duration<double>(Clock::now() - handedAt).count();
    const int64_t estimate = nextFrame - 2 * int64_t(period) + int64_t(elapsed * rate);
    heardFloor = std::clamp(estimate, std::max(segmentStart, heardFloor), nextFrame);
    return heardFloor;
}

void Player::syncDevice()
{
    bool running;
    {
        std::lock_guard<std::mutex> lock(mutex);
        running = state == SONVIX_PLAYING;
    }
    if (!running)
        closeOutput();
    else if (device != 0)
        SDL_PauseAudioDevice(device, 0);
}

void Player::audioCallback(void *self, Uint8 *stream, int length)
{
    Player *player = static_cast<Player *>(self);
    player->fill(reinterpret_cast<int16_t *>(stream),
                 length / int(sizeof(int16_t)) / player->channels);
}

void Player::fill(int16_t *out, int frames)
{
    std::lock_guard<std::mutex> lock(mutex);
    int handed = 0;
    const int64_t before = nextFrame;
    if (state == SONVIX_PLAYING)
        handed = shaper->fill(queue, ended, out, frames, nextFrame);
    std::memset(out + std::ptrdiff_t(handed) * channels,
                0,
                size_t(frames - handed) * channels * sizeof(int16_t));
    if (handed > 0)
        handedAt = Clock::now();
    // A loop went round: the play line starts again at the clip's beginning.
    if (nextFrame != before + handed)
        segmentStart = heardFloor = std::min(nextFrame, clip.loopFrom);
    if (state == SONVIX_PLAYING && handed < frames && ended)
        finish();
    decoderWake.notify_one();
}

void Player::decodeLoop()
{
    std::unique_ptr<Source> source;
    std::unique_lock<std::mutex> lock(mutex);
    while (!quit) {
        if (pendingSource) {
            std::unique_ptr<Source> old = std::move(source);
            source = std::move(pendingSource);
            lock.unlock();
            old.reset();
            lock.lock();
        } else if (!source || !decodeStep(lock, *source)) {
            decoderWake.wait(lock);
        }
    }
}

// One seek or one decoded chunk, done without the lock; false when there is nothing to do.
bool Player::decodeStep(std::unique_lock<std::mutex> &lock, Source &source)
{
    const uint64_t job = serial;
    if (seekFrame >= 0) {
        const int64_t frame = seekFrame;
        seekFrame = -1;
        lock.unlock();
        const bool sought = source.seek(frame);
        lock.lock();
        ended = ended || (job == serial && !sought);
        return true;
    }
    if (ended || queue.frames() >= int64_t(QueueSeconds * rate))
        return false;
    const Clip bounds = clip;
    lock.unlock();
    PcmChunk chunk;
    bool more = source.decode(chunk);
    if (more && bounds.end >= 0) {
        const int64_t frames = int64_t(chunk.samples.size()) / channels;
        more = chunk.firstFrame + frames < bounds.end;
    }
    // A loop's next pass is decoded while the last is still playing, so the seam has no gap.
    const bool again = !more && bounds.loopFrom >= 0 && source.seek(bounds.loopFrom);
    lock.lock();
    if (job != serial)
        return true;
    if (clipped(chunk) > 0)
        queue.push(std::move(chunk));
    if (again) {
        PcmChunk seam;
        seam.seam = true;
        seam.firstFrame = bounds.loopFrom;
        queue.push(std::move(seam));
    } else if (!more) {
        ended = true;
    }
    return true;
}

} // namespace sonvix
