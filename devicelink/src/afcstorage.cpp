#include "afcstorage.h"

#include "clientlabel.h"
#include "waits.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <libimobiledevice/notification_proxy.h>
#include <thread>

namespace handvia {

namespace {

const char syncLock[] = "/com.apple.itunes.lock_sync";
const char syncFailedToStart[] = "com.apple.itunes-mobdev.syncFailedToStart";
// Asks the phone to read its ringtone list again.
const char ringtoneAdded[] = "com.apple.itunesstored.RingtoneAdded";
const uint32_t maxChunk = 1u << 20;

std::string absolute(const std::string &path)
{
    return '/' + path;
}

class AfcStream : public Stream
{
public:
    AfcStream(AfcStorage &storage, afc_client_t afc, uint64_t handle)
        : m_storage(storage)
        , m_afc(afc)
        , m_handle(handle)
    { }
    ~AfcStream() override { close(); }

    long read(char *data, size_t size) override
    {
        uint32_t count = 0;
        const uint32_t want = size > maxChunk ? maxChunk : static_cast<uint32_t>(size);
        if (m_storage.check(afc_file_read(m_afc, m_handle, data, want, &count)) != AFC_E_SUCCESS)
            return -1;
        return static_cast<long>(count);
    }

    bool write(const char *data, size_t size) override
    {
        while (size > 0) {
            const uint32_t chunk = size > maxChunk ? maxChunk : static_cast<uint32_t>(size);
            uint32_t written = 0;
            if (m_storage.check(afc_file_write(m_afc, m_handle, data, chunk, &written))
                        != AFC_E_SUCCESS
                || written == 0)
                return false;
            data += written;
            size -= written;
        }
        return true;
    }

    bool close() override
    {
        if (!m_open)
            return true;
        m_open = false;
        return m_storage.check(afc_file_close(m_afc, m_handle)) == AFC_E_SUCCESS;
    }

private:
    AfcStorage &m_storage;
    afc_client_t m_afc;
    uint64_t m_handle;
    bool m_open = true;
};

} // namespace

AfcStorage::AfcStorage(idevice_t device, afc_client_t afc)
    : m_device(device)
    , m_afc(afc)
{ }

AfcStorage::~AfcStorage()
{
    endLockdown();
    afc_client_free(m_afc);
    idevice_free(m_device);
}

afc_error_t AfcStorage::check(afc_error_t error)
{
    switch (error) {
    case AFC_E_MUX_ERROR:
    case AFC_E_NOT_ENOUGH_DATA:
    case AFC_E_OP_HEADER_INVALID:
    case AFC_E_SERVICE_NOT_CONNECTED:
        m_broken = true;
        break;
    default:
        break;
    }
    return error;
}

std::unique_ptr<Stream> AfcStorage::open(const std::string &path, afc_file_mode_t mode)
{
    uint64_t handle = 0;
    if (check(afc_file_open(m_afc, absolute(path).c_str(), mode, &handle)) != AFC_E_SUCCESS)
        return nullptr;
    return std::make_unique<AfcStream>(*this, m_afc, handle);
}

std::unique_ptr<Stream> AfcStorage::openRead(const std::string &path)
{
    return open(path, AFC_FOPEN_RDONLY);
}

std::unique_ptr<Stream> AfcStorage::openWrite(const std::string &path)
{
    return open(path, AFC_FOPEN_WRONLY);
}

bool AfcStorage::rename(const std::string &from, const std::string &to)
{
    return check(afc_rename_path(m_afc, absolute(from).c_str(), absolute(to).c_str()))
            == AFC_E_SUCCESS;
}

bool AfcStorage::remove(const std::string &path)
{
    return check(afc_remove_path(m_afc, absolute(path).c_str())) == AFC_E_SUCCESS;
}

bool AfcStorage::makeDir(const std::string &path)
{
    // The service creates missing parents itself and accepts an existing folder.
    return check(afc_make_directory(m_afc, absolute(path).c_str())) == AFC_E_SUCCESS;
}

Stamp AfcStorage::stamp(const std::string &path)
{
    Stamp result;
    char **info = nullptr;
    const afc_error_t error = check(afc_get_file_info(m_afc, absolute(path).c_str(), &info));
    if (error != AFC_E_SUCCESS || !info) {
        result.failed = error != AFC_E_OBJECT_NOT_FOUND;
        return result;
    }
    result.exists = true;
    for (int i = 0; info[i] && info[i + 1]; i += 2) {
        if (std::strcmp(info[i], "st_size") == 0)
            result.size = std::strtoull(info[i + 1], nullptr, 10);
        else if (std::strcmp(info[i], "st_mtime") == 0)
            result.modified = std::strtoull(info[i + 1], nullptr, 10);
    }
    afc_dictionary_free(info);
    return result;
}

bool AfcStorage::list(const std::string &path, std::vector<std::string> &names)
{
    names.clear();
    char **entries = nullptr;
    if (check(afc_read_directory(m_afc, absolute(path).c_str(), &entries)) != AFC_E_SUCCESS)
        return false;
    for (int i = 0; entries && entries[i]; ++i) {
        if (std::strcmp(entries[i], ".") != 0 && std::strcmp(entries[i], "..") != 0)
            names.push_back(entries[i]);
    }
    afc_dictionary_free(entries);
    return true;
}

// Each post needs a proxy connection of its own: the library's post also shuts the proxy down.
void AfcStorage::post(const char *notification)
{
    lockdownd_service_descriptor_t service = nullptr;
    if (!m_lockdown
        || lockdownd_start_service(m_lockdown, NP_SERVICE_NAME, &service) != LOCKDOWN_E_SUCCESS)
        return;
    np_client_t proxy = nullptr;
    if (np_client_new(m_device, service, &proxy) == NP_E_SUCCESS) {
        np_post_notification(proxy, notification);
        np_client_free(proxy);
    }
    lockdownd_service_descriptor_free(service);
}

void AfcStorage::endLockdown()
{
    if (m_lockdown)
        lockdownd_client_free(m_lockdown);
    m_lockdown = nullptr;
}

bool AfcStorage::lockWriters(int waitMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    // Retries only while another client holds it.
    for (;;) {
        const afc_error_t error = check(afc_file_lock(m_afc, m_lock, AFC_LOCK_EX));
        if (error == AFC_E_SUCCESS)
            return true;
        if (error != AFC_E_OP_WOULD_BLOCK || std::chrono::steady_clock::now() >= deadline
            || waitsAbandoned())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

bool AfcStorage::tryLockWriters()
{
    if (m_lockOpen || check(afc_file_open(m_afc, syncLock, AFC_FOPEN_RW, &m_lock)) != AFC_E_SUCCESS)
        return false;
    m_lockOpen = true;
    if (lockWriters(0))
        return true;
    afc_file_close(m_afc, m_lock);
    m_lockOpen = false;
    return false;
}

void AfcStorage::unlockWriters()
{
    if (!m_lockOpen)
        return;
    check(afc_file_lock(m_afc, m_lock, AFC_LOCK_UN));
    check(afc_file_close(m_afc, m_lock));
    m_lockOpen = false;
}

bool AfcStorage::beginSync()
{
    if (m_lockOpen
        || lockdownd_client_new_with_handshake(m_device, &m_lockdown, clientLabel)
                != LOCKDOWN_E_SUCCESS) {
        m_lockdown = nullptr;
        return false;
    }
    post(NP_SYNC_WILL_START);
    if (check(afc_file_open(m_afc, syncLock, AFC_FOPEN_RW, &m_lock)) == AFC_E_SUCCESS) {
        m_lockOpen = true;
        post(NP_SYNC_LOCK_REQUEST);
        if (lockWriters(static_cast<int>(syncLockWait().count()))) {
            post(NP_SYNC_DID_START);
            return true;
        }
        afc_file_close(m_afc, m_lock);
        m_lockOpen = false;
    }
    post(syncFailedToStart);
    endLockdown();
    return false;
}

void AfcStorage::endSync()
{
    unlockWriters();
    post(NP_SYNC_DID_FINISH);
    post(ringtoneAdded);
    endLockdown();
}

} // namespace handvia
