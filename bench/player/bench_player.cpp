// Measures the preview player and prints the figures; never fails. Latencies are taken at the
// buffers handed to SDL; CPU time is compared with the distribution's ffplay playing the same
// file through the same SDL driver.
#include "sonvix.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rate = 44100;
constexpr int CounterSeconds = 20;

// Each frame names its own index, so the reader knows which part of the file it hears.
void writeCounterWav(const std::string &path)
{
    const uint32_t frames = CounterSeconds * Rate;
    std::vector<int16_t> samples;
    for (uint32_t n = 0; n < frames; ++n) {
        samples.push_back(int16_t(n % 30000 + 1));
        samples.push_back(int16_t(n / 30000 + 1));
    }
    const uint32_t bytes = frames * 4;
    const uint32_t header[] = {0x46464952,
                               36 + bytes,
                               0x45564157,
                               0x20746d66,
                               16,
                               0x00020001,
                               Rate,
                               Rate * 4,
                               0x00100004,
                               0x61746164,
                               bytes};
    FILE *file = std::fopen(path.c_str(), "wb");
    std::fwrite(header, sizeof header, 1, file);
    std::fwrite(samples.data(), 2, samples.size(), file);
    std::fclose(file);
}

int64_t frameIndex(const int16_t *frame)
{
    return int64_t(frame[1] - 1) * 30000 + (frame[0] - 1);
}

// Every buffer the player hands to SDL passes through here: the bench puts its own callback in
// front of the player's by defining SDL_OpenAudioDevice, which the library then calls.
class Probe
{
public:
    static Probe &instance()
    {
        static Probe probe;
        return probe;
    }

    // -1: any sound; otherwise the frame with that index. Milliseconds, or -1 on a time-out.
    double measure(int64_t wanted, const std::function<void()> &action)
    {
        std::unique_lock<std::mutex> lock(mutex);
        target = wanted;
        latency = -1;
        watching = true;
        start = Clock::now();
        lock.unlock();
        action();
        lock.lock();
        done.wait_for(lock, std::chrono::seconds(5), [this] { return !watching; });
        watching = false;
        return latency;
    }

    SDL_AudioCallback wrap(const SDL_AudioSpec &spec)
    {
        inner = spec.callback;
        innerUser = spec.userdata;
        return &Probe::callback;
    }

private:
    static void callback(void *, Uint8 *stream, int length)
    {
        Probe &probe = instance();
        probe.inner(probe.innerUser, stream, length);
        probe.inspect(reinterpret_cast<const int16_t *>(stream), length / 4);
    }

    void inspect(const int16_t *frames, int count)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!watching)
            return;
        for (int i = 0; i < count; ++i) {
            const int16_t *frame = frames + 2 * i;
            const bool sound = frame[0] != 0 || frame[1] != 0;
            if (sound && (target < 0 || frameIndex(frame) == target)) {
                latency = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                watching = false;
                done.notify_all();
                return;
            }
        }
    }

    SDL_AudioCallback inner = nullptr;
    void *innerUser = nullptr;
    std::mutex mutex;
    std::condition_variable done;
    bool watching = false;
    int64_t target = -1;
    double latency = -1;
    Clock::time_point start;
};

void printLatencies(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %6.1f ms  max %6.1f ms  (goal < 50 ms, %zu runs)\n",
                what,
                values[values.size() / 2],
                values.back(),
                values.size());
}

void measureLatencies(const std::string &dir)
{
    const std::string wav = dir + "/counter.wav";
    writeCounterWav(wav);
    if (sonvix_init() < 0 || sonvix_open(wav.c_str(), 0, 0) < 0) {
        std::printf("player could not start\n");
        return;
    }
    std::vector<double> play, seek;
    for (int run = 0; run < 10; ++run) {
        sonvix_stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        play.push_back(Probe::instance().measure(-1, [] { sonvix_play(); }));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const double target = 1.0 + (run * 7 % 17);
        seek.push_back(Probe::instance().measure(std::llround(target * Rate),
                                                 [target] { sonvix_seek(target); }));
    }
    sonvix_stop();
    printLatencies("sonvix_play -> first buffer:", play);
    printLatencies("sonvix_seek -> first new buffer:", seek);
}

// CPU time (user + system) of a child process, in seconds.
double childCpu(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &argument : command)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
            + usage.ru_stime.tv_usec / 1e6;
}

int playForTenSeconds(const char *path)
{
    if (sonvix_init() < 0 || sonvix_open(path, 0, 0) < 0 || sonvix_play() < 0)
        return 1;
    std::this_thread::sleep_for(std::chrono::seconds(10));
    return 0;
}

void measureCpu(const std::string &dir, const std::string &self)
{
    const std::string mp3 = dir + "/four-minutes.mp3";
    childCpu({"/usr/bin/ffmpeg",
              "-v",
              "error",
              "-y",
              "-f",
              "lavfi",
              "-i",
              "sine=frequency=440:duration=240",
              "-ac",
              "2",
              "-b:a",
              "192k",
              mp3});
    const double ours = childCpu({self, "--play", mp3});
    const double reference
            = childCpu({"/usr/bin/ffplay", "-v", "quiet", "-nodisp", "-autoexit", "-t", "10", mp3});
    std::printf("CPU, 10 s of a 4-minute MP3:        sonvix %.3f s  ffplay %.3f s  ratio %.2f "
                "(goal <= 1.0)\n",
                ours,
                reference,
                reference > 0 ? ours / reference : 0.0);
}

} // namespace

extern "C" SDL_AudioDeviceID SDL_OpenAudioDevice(const char *device,
                                                 int capture,
                                                 const SDL_AudioSpec *desired,
                                                 SDL_AudioSpec *obtained,
                                                 int changes)
{
    using Open
            = SDL_AudioDeviceID (*)(const char *, int, const SDL_AudioSpec *, SDL_AudioSpec *, int);
    static const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "SDL_OpenAudioDevice"));
    SDL_AudioSpec spec = *desired;
    spec.callback = Probe::instance().wrap(*desired);
    return real(device, capture, &spec, obtained, changes);
}

int main(int argc, char **argv)
{
    // Both players run on SDL's dummy driver: real-time pacing, no sound card needed.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (argc == 3 && std::string(argv[1]) == "--play")
        return playForTenSeconds(argv[2]);
    char pattern[] = "/tmp/bench_player.XXXXXX";
    const std::string dir = mkdtemp(pattern);
    measureCpu(dir, argv[0]);
    measureLatencies(dir);
    childCpu({"/bin/rm", "-rf", dir});
    return 0;
}
