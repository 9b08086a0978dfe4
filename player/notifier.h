#ifndef SONVIX_NOTIFIER_H
#define SONVIX_NOTIFIER_H

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace sonvix {

// Runs posted tasks in order on a thread of its own, so that the caller's callback is never
// entered from inside one of the caller's calls, nor from the audio thread.
class Notifier
{
public:
    Notifier();
    ~Notifier();
    Notifier(const Notifier &) = delete;
    Notifier &operator=(const Notifier &) = delete;

    void post(std::function<void()> task);

private:
    void run();

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> tasks;
    bool quit = false;
    std::thread thread;
};

} // namespace sonvix

#endif
