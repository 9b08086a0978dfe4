#include "afcstorage.h"
#include "backend.h"
#include "clientlabel.h"
#include "events.h"
#include "handvia.h"
#include "restart.h"
#include "waits.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace handvia {

namespace {

struct DeviceChange
{
    bool added;
    std::string udid;
};

// The refusals that the user can mend on the phone: unlock it or answer the trust dialog.
bool needsUser(lockdownd_error_t error)
{
    return error == LOCKDOWN_E_PASSWORD_PROTECTED || error == LOCKDOWN_E_USER_DENIED_PAIRING
            || error == LOCKDOWN_E_PAIRING_DIALOG_RESPONSE_PENDING
            || error == LOCKDOWN_E_INVALID_HOST_ID;
}

// Whether the phone daemon answers on its socket; a TCP address is taken on trust.
bool usbmuxdAnswers()
{
    const char *env = std::getenv("USBMUXD_SOCKET_ADDRESS");
    std::string path = env && *env ? env : "/var/run/usbmuxd";
    if (path.rfind("UNIX:", 0) == 0)
        path = path.substr(5);
    else if (path[0] != '/')
        return true;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    close(fd);
    return answers;
}

int stateOf(lockdownd_error_t error, std::string &text)
{
    switch (error) {
    case LOCKDOWN_E_PASSWORD_PROTECTED:
        return HANDVIA_PHONE_LOCKED;
    case LOCKDOWN_E_PAIRING_DIALOG_RESPONSE_PENDING:
        return HANDVIA_PHONE_TRUST_PENDING;
    case LOCKDOWN_E_USER_DENIED_PAIRING:
        return HANDVIA_PHONE_TRUST_REFUSED;
    case LOCKDOWN_E_SSL_ERROR:
        text = "the secure connection to the phone failed (lockdown error " + std::to_string(error)
                + ")";
        return HANDVIA_PHONE_OTHER;
    default:
        text = "the phone refused the connection (lockdown error " + std::to_string(error) + ")";
        return HANDVIA_PHONE_OTHER;
    }
}

// A locked, untrusted or never paired phone fails the lockdown handshake here.
std::shared_ptr<AfcStorage> openPhone(const std::string &udid, lockdownd_error_t &error)
{
    error = LOCKDOWN_E_MUX_ERROR;
    idevice_t device = nullptr;
    if (idevice_new_with_options(&device, udid.c_str(), IDEVICE_LOOKUP_USBMUX) != IDEVICE_E_SUCCESS)
        return nullptr;
    lockdownd_client_t lockdown = nullptr;
    lockdownd_service_descriptor_t service = nullptr;
    afc_client_t afc = nullptr;
    error = lockdownd_client_new_with_handshake(device, &lockdown, clientLabel);
    if (error == LOCKDOWN_E_SUCCESS)
        error = lockdownd_start_service(lockdown, "com.apple.afc", &service);
    if (error == LOCKDOWN_E_SUCCESS && afc_client_new(device, service, &afc) != AFC_E_SUCCESS)
        error = LOCKDOWN_E_MUX_ERROR;
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

// A worker thread owns the connection: it opens AFC when a phone arrives and drops it when the
// phone goes, so neither the program's calls nor the event thread wait for a handshake.
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

    // A connection that died without a detach is replaced here, keeping the epoch: the phone
    // never went away, so staged changes stay valid.
    std::shared_ptr<Storage> storage() override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_storage || !m_storage->broken())
            return m_storage;
        const std::string udid = m_udid;
        lock.unlock();
        lockdownd_error_t error;
        std::shared_ptr<AfcStorage> fresh = openPhone(udid, error);
        lock.lock();
        if (m_storage && m_storage->broken() && m_udid == udid && fresh)
            m_storage = fresh;
        return m_storage && !m_storage->broken() ? m_storage : nullptr;
    }

    uint64_t epoch() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_epoch;
    }

    std::string identity() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return "usb:" + m_udid;
    }

    void announce() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_storage)
            post(connectEvent);
    }

    void retire() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_retired = true;
    }

    int state(std::string &text) override
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_storage && !m_storage->broken())
                return HANDVIA_PHONE_READY;
            if (!m_attached.empty())
                return m_tried ? stateOf(m_lastError, text) : HANDVIA_PHONE_NONE;
        }
        return usbmuxdAnswers() ? HANDVIA_PHONE_NONE : HANDVIA_PHONE_NO_USBMUXD;
    }

    // Only a phone that is served: a refused one would not answer.
    int restart() override
    {
        std::string udid;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_storage || m_storage->broken())
                return -1;
            udid = m_udid;
        }
        return restartPhone(udid) ? 0 : -1;
    }

private:
    // Called with m_mutex held.
    void post(const char *event)
    {
        if (!m_retired)
            m_events.post(event);
    }

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

    // Retries while a phone is attached but not served, or its connection died.
    bool needsRetry() const { return m_storage ? m_storage->broken() : !m_attached.empty(); }

    void run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stopping) {
            if (m_changes.empty())
                m_wake.wait_for(lock, phoneRetryInterval());
            if (m_stopping)
                break;
            while (!m_changes.empty()) {
                const DeviceChange change = m_changes.front();
                m_changes.pop_front();
                if (change.added)
                    arrived(change.udid);
                else
                    left(change.udid);
            }
            if (needsRetry()) {
                lock.unlock();
                connectAny();
                lock.lock();
            }
        }
        m_storage.reset();
    }

    void arrived(const std::string &udid)
    {
        if (std::find(m_attached.begin(), m_attached.end(), udid) == m_attached.end())
            m_attached.push_back(udid);
        m_reported.erase(udid); // a new arrival may report its refusal again
        m_tried = false;
    }

    void left(const std::string &udid)
    {
        m_attached.erase(std::remove(m_attached.begin(), m_attached.end(), udid), m_attached.end());
        m_reported.erase(udid);
        if (!m_storage || udid != m_udid)
            return;
        m_storage.reset();
        m_udid.clear();
        ++m_epoch;
        post(disconnectEvent);
    }

    // Serves the first attached phone that opens; runs without the lock held.
    void connectAny()
    {
        std::vector<std::string> candidates;
        std::string current;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            current = m_storage ? m_udid : std::string();
            candidates = current.empty() ? m_attached : std::vector<std::string> {current};
        }
        for (const std::string &udid : candidates) {
            lockdownd_error_t error;
            std::shared_ptr<AfcStorage> storage = openPhone(udid, error);
            std::lock_guard<std::mutex> lock(m_mutex);
            if (std::find(m_attached.begin(), m_attached.end(), udid) == m_attached.end())
                continue; // went away meanwhile
            if (storage && !current.empty()) {
                if (m_storage && m_udid == current)
                    m_storage = storage; // a dead connection, replaced
                return;
            }
            m_tried = true;
            m_lastError = error;
            if (storage) {
                m_storage = storage;
                m_udid = udid;
                ++m_epoch;
                m_reported.erase(udid);
                post(connectEvent);
                return;
            }
            // Reported once per arrival; the retries stay quiet until the phone is usable.
            if (needsUser(error) && m_reported.insert(udid).second)
                post(HANDVIA_CONNECT_FAILED);
        }
    }

    EventThread &m_events;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<DeviceChange> m_changes;
    std::vector<std::string> m_attached; // in order of arrival
    std::set<std::string> m_reported;
    std::shared_ptr<AfcStorage> m_storage;
    std::string m_udid;
    uint64_t m_epoch = 0;
    lockdownd_error_t m_lastError = LOCKDOWN_E_SUCCESS; // of the last attempt to open a phone
    bool m_tried = false; // since the last arrival
    bool m_stopping = false;
    bool m_retired = false;
    bool m_subscribed = false;
    std::thread m_worker;
};

} // namespace

std::unique_ptr<Backend> makeAfcBackend(EventThread &events)
{
    return std::make_unique<AfcBackend>(events);
}

} // namespace handvia
