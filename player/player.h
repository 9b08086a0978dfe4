#ifndef SONVIX_PLAYER_H
#define SONVIX_PLAYER_H

#include "notifier.h"
#include "pcmqueue.h"
#include "shaper.h"
#include "source.h"

#include "sonvix.h"

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace sonvix {

enum Error {
    NoDevice = SONVIX_E_NO_DEVICE,
    BadArgument = SONVIX_E_BAD_ARGUMENT,
    CannotOpen = SONVIX_E_CANNOT_OPEN,
    NoFile = SONVIX_E_NO_FILE
};

// The one player of the process. Calls arrive on any thread; decoding runs on `decoder`, output
// on SDL's audio thread, reports on the notifier's thread.
class Player
{
public:
    static Player &instance();
    ~Player();
    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    int init();
    int setCallback(sonvix_callback cb, void *user);
    int open(const char *path);
    int play();
    int pause();
    int stop();
    int seek(double seconds);
    double position();
    int setVolume(double factor);
    int fadein(double seconds);
    int fadeout(double seconds, double clipEnd);
    int loop(double begin, double end);

private:
    using Clock = std::chrono::steady_clock;

    Player() = default;
    int probeDevice();
    SDL_AudioSpec wantedSpec();
    // These run with `apiMutex` held, never `mutex`: closing waits for the audio thread.
    bool openOutput();
    void closeOutput();
    void unload();
    static void audioCallback(void *self, Uint8 *stream, int length);
    void fill(int16_t *out, int frames);
    void decodeLoop();
    bool decodeStep(std::unique_lock<std::mutex> &lock, Source &source);

    // What a clip preview asks of the next start: its end and fade-out, and where a loop
    // begins again (-1: no loop).
    struct Clip
    {
        double fadeOut = 0;
        int64_t end = -1; // -1: the end of the file
        int64_t loopFrom = -1;
    };

    // These run with `mutex` held.
    void restartAt(int64_t frame);
    void startRunning(bool fresh);
    void setClip(const Clip &clip);
    int64_t clipped(PcmChunk &chunk) const;
    void finish();
    void report(int newState);
    int64_t heardFrame();

    // Runs with `apiMutex` held, never `mutex`: SDL's device lock comes first on its thread.
    void syncDevice();

    // Serialises the calls, so that device pauses follow the state changes in order.
    std::mutex apiMutex;
    std::atomic<bool> ready {false};
    SDL_AudioDeviceID device = 0; // 0 while nothing plays
    int rate = 44100;
    int channels = 2;
    int period = 1024; // frames per device buffer
    std::unique_ptr<Notifier> notifier;
    std::thread decoder;

    // Everything below is shared by the callers, the decoder and the audio thread.
    std::mutex mutex;
    std::condition_variable decoderWake;
    // Held while a report is delivered and while the callback changes.
    std::recursive_mutex deliveryMutex;
    sonvix_callback callback = nullptr;
    void *callbackUser = nullptr;
    int state = SONVIX_STOPPED;
    bool loaded = false;
    bool quit = false;
    uint64_t serial = 0; // bumped whenever queued audio becomes stale
    std::unique_ptr<Source> pendingSource;
    int64_t seekFrame = -1;
    PcmQueue queue;
    bool ended = false; // the decoder reached the end for the current serial
    int64_t nextFrame = 0; // file position of the next frame handed to the device
    int64_t segmentStart = 0;
    int64_t heardFloor = 0;
    Clock::time_point handedAt;
    double fadePending = 0;
    Clip clipPending;
    bool clipAsked = false; // a clip asked for since the last start
    Clip clip; // of the playback under way
    std::unique_ptr<Shaper> shaper; // made once the device's format is known
};

} // namespace sonvix

#endif
