#include "backend.h"
#include "events.h"
#include "folderstorage.h"
#include "handvia.h"

#include <mutex>
#include <sys/stat.h>

namespace handvia {

const char connectEvent[] = "connect";
const char disconnectEvent[] = "disconnect";

namespace {

class FolderBackend : public Backend
{
public:
    FolderBackend(const std::string &root, EventThread &events)
        : m_root(root)
        , m_storage(std::make_shared<FolderStorage>(root))
        , m_events(events)
    {
        m_connected = ready();
    }

    std::shared_ptr<Storage> storage() override
    {
        poll();
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_connected ? m_storage : nullptr;
    }

    uint64_t epoch() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_epoch;
    }

    std::string identity() override { return "folder:" + m_root; }

    void announce() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        update();
        if (m_connected && !m_retired)
            m_events.post(connectEvent);
    }

    // Called from the event thread as well as from table calls.
    void poll() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (update() && !m_retired)
            m_events.post(m_connected ? connectEvent : disconnectEvent);
    }

    void retire() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_retired = true;
    }

    int state(std::string &) override
    {
        poll();
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_connected ? HANDVIA_PHONE_READY : HANDVIA_PHONE_NONE;
    }

private:
    bool ready() const
    {
        struct stat info;
        const std::string control = m_root + "/iTunes_Control";
        return stat(control.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    }

    bool update()
    {
        const bool now = ready();
        if (now == m_connected)
            return false;
        m_connected = now;
        ++m_epoch;
        return true;
    }

    std::string m_root;
    std::shared_ptr<Storage> m_storage;
    EventThread &m_events;
    std::mutex m_mutex;
    bool m_connected = false;
    bool m_retired = false;
    uint64_t m_epoch = 0;
};

} // namespace

std::unique_ptr<Backend> makeFolderBackend(const std::string &root, EventThread &events)
{
    return std::make_unique<FolderBackend>(root, events);
}

} // namespace handvia
