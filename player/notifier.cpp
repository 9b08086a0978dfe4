#include "notifier.h"

namespace sonvix {

Notifier::Notifier()
    : thread(&Notifier::run, this)
{ }

Notifier::~Notifier()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        quit = true;
    }
    wake.notify_one();
    thread.join();
}

void Notifier::post(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        tasks.push_back(std::move(task));
    }
    wake.notify_one();
}

void Notifier::run()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return quit || !tasks.empty(); });
        if (tasks.empty())
            return;
        std::function<void()> task = std::move(tasks.front());
        tasks.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
}

} // namespace sonvix
