#include "events.h"

#include <chrono>

namespace handvia {

EventThread::~EventThread()
{
    stop();
}

void EventThread::start(std::function<void()> poll)
{
    m_poll = std::move(poll);
    m_thread = std::thread([this] { run(); });
}

void EventThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void EventThread::post(const std::string &text)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping)
            return;
        m_queue.push_back(text);
    }
    m_wake.notify_all();
}

void EventThread::discardPending()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.clear();
}

void EventThread::setCallback(handvia_event_callback callback)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_callback = callback;
}

void EventThread::run()
{
    using Clock = std::chrono::steady_clock;
    auto nextPoll = Clock::now();
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        if (!m_queue.empty()) {
            const std::string text = std::move(m_queue.front());
            m_queue.pop_front();
            const handvia_event_callback callback = m_callback;
            lock.unlock();
            if (callback)
                callback(0, text.c_str());
            lock.lock();
        } else if (Clock::now() >= nextPoll) {
            lock.unlock();
            if (m_poll)
                m_poll();
            lock.lock();
            nextPoll = Clock::now() + std::chrono::seconds(1);
        } else {
            m_wake.wait_until(lock, nextPoll);
        }
    }
}

} // namespace handvia
