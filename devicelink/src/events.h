// The library's own thread: hands connection events to the program's callback, one at a time
// and never from inside a table call, and runs the connection check about once a second.
#ifndef HANDVIA_EVENTS_H
#define HANDVIA_EVENTS_H

#include "handvia.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace handvia {

class EventThread
{
public:
    EventThread() = default;
    ~EventThread();
    EventThread(const EventThread &) = delete;
    EventThread &operator=(const EventThread &) = delete;

    void start(std::function<void()> poll);
    // Joins the thread; events posted later are dropped.
    void stop();
    void post(const std::string &text);
    void discardPending();
    void setCallback(handvia_event_callback callback);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::string> m_queue;
    handvia_event_callback m_callback = nullptr;
    std::function<void()> m_poll;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace handvia

#endif
