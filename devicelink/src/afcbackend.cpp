#include "afcstorage.h"
#include "backend.h"
#include "events.h"

#include <condition_variable>
#include <deque>
#include <libimobiledevice/lockdown.h>
#include <mutex>
#include <thread>

namespace handvia {

namespace {

const char clientLabel[] = "handvia";

struct DeviceChange
{
    bool added;
    std::string udid;
};

// One worker thread owns the connection: it opens AFC when a phone arrives and drops it when
// the phone goes, so the program's calls never wait for a handshake.
class AfcBackend : public Backend
{
public:
    explicit AfcBackend(EventThread &events)
        : m_events(events)
    {
        m_worker = std::thread([this] { run(); });
        m_subscribed
                = idevice_event_subscribe(&AfcBackend::onDeviceEvent, this) == IDEVICE_E_SUCCESS;
    }

    ~AfcBackend() override
    {
        if (m_subscribed)
            idevice_event_unsubscribe();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        m_worker.join();
    }

    std::shared_ptr<Storage> storage() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_storage;
    }

    uint64_t epoch() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_epoch;
    }

    void announce() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_storage)
            m_events.post(connectEvent);
    }

private:
    static void onDeviceEvent(const idevice_event_t *event, void *self)
    {
        if (!event || !event->udid || event->conn_type != CONNECTION_USBMUXD)
            return;
        auto *backend = static_cast<AfcBackend *>(self);
        const bool added = event->event != IDEVICE_DEVICE_REMOVE;
        {
            std::lock_guard<std::mutex> lock(backend->m_mutex);
            backend->m_changes.push_back({added, event->udid});
        }
        backend->m_wake.notify_all();
    }

    void run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_stopping || !m_changes.empty(); });
            if (m_stopping)
                break;
            const DeviceChange change = m_changes.front();
            m_changes.pop_front();
            lock.unlock();
            if (change.added)
                attach(change.udid);
            else
                detach(change.udid);
            lock.lock();
        }
        m_storage.reset();
    }

    void attach(const std::string &udid)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_storage)
                return; // the first phone stays the one we serve
        }
        std::shared_ptr<Storage> storage = open(udid);
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!storage) {
            m_events.post(HANDVIA_CONNECT_FAILED);
            return;
        }
        m_storage = std::move(storage);
        m_udid = udid;
        ++m_epoch;
        m_events.post(connectEvent);
    }

    void detach(const std::string &udid)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_storage || udid != m_udid)
            return;
        m_storage.reset();
        ++m_epoch;
        m_events.post(disconnectEvent);
    }

    // A locked, untrusted or never paired phone fails the lockdown handshake here.
    static std::shared_ptr<Storage> open(const std::string &udid)
    {
        idevice_t device = nullptr;
        if (idevice_new_with_options(&device, udid.c_str(), IDEVICE_LOOKUP_USBMUX)
            != IDEVICE_E_SUCCESS)
            return nullptr;
        lockdownd_client_t lockdown = nullptr;
        lockdownd_service_descriptor_t service = nullptr;
        afc_client_t afc = nullptr;
        if (lockdownd_client_new_with_handshake(device, &lockdown, clientLabel)
                    == LOCKDOWN_E_SUCCESS
            && lockdownd_start_service(lockdown, "com.apple.afc", &service) == LOCKDOWN_E_SUCCESS)
            afc_client_new(device, service, &afc);
        if (service)
            lockdownd_service_descriptor_free(service);
        if (lockdown)
            lockdownd_client_free(lockdown);
        if (!afc) {
            idevice_free(device);
            return nullptr;
        }
        return std::make_shared<AfcStorage>(device, afc);
    }

    EventThread &m_events;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<DeviceChange> m_changes;
    std::shared_ptr<Storage> m_storage;
    std::string m_udid;
    uint64_t m_epoch = 0;
    bool m_stopping = false;
    bool m_subscribed = false;
    std::thread m_worker;
};

} // namespace

std::unique_ptr<Backend> makeAfcBackend(EventThread &events)
{
    return std::make_unique<AfcBackend>(events);
}

} // namespace handvia
