#include "afcstorage.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace handvia {

namespace {

const char syncLock[] = "/com.apple.itunes.lock_sync";

std::string absolute(const std::string &path)
{
    return '/' + path;
}

class AfcStream : public Stream
{
public:
    AfcStream(afc_client_t afc, uint64_t handle)
        : m_afc(afc)
        , m_handle(handle)
    { }
    ~AfcStream() override { close(); }

    long read(char *data, size_t size) override
    {
        uint32_t count = 0;
        const uint32_t want = size > (1u << 20) ? (1u << 20) : static_cast<uint32_t>(size);
        if (afc_file_read(m_afc, m_handle, data, want, &count) != AFC_E_SUCCESS)
            return -1;
        return static_cast<long>(count);
    }

    bool write(const char *data, size_t size) override
    {
        while (size > 0) {
            const uint32_t chunk = size > (1u << 20) ? (1u << 20) : static_cast<uint32_t>(size);
            uint32_t written = 0;
            if (afc_file_write(m_afc, m_handle, data, chunk, &written) != AFC_E_SUCCESS
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
        return afc_file_close(m_afc, m_handle) == AFC_E_SUCCESS;
    }

private:
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
    afc_client_free(m_afc);
    idevice_free(m_device);
}

std::unique_ptr<Stream> AfcStorage::open(const std::string &path, afc_file_mode_t mode)
{
    uint64_t handle = 0;
    if (afc_file_open(m_afc, absolute(path).c_str(), mode, &handle) != AFC_E_SUCCESS)
        return nullptr;
    return std::make_unique<AfcStream>(m_afc, handle);
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
    return afc_rename_path(m_afc, absolute(from).c_str(), absolute(to).c_str()) == AFC_E_SUCCESS;
}

bool AfcStorage::remove(const std::string &path)
{
    return afc_remove_path(m_afc, absolute(path).c_str()) == AFC_E_SUCCESS;
}

bool AfcStorage::makeDir(const std::string &path)
{
    // The service creates missing parents itself and accepts an existing folder.
    return afc_make_directory(m_afc, absolute(path).c_str()) == AFC_E_SUCCESS;
}

Stamp AfcStorage::stamp(const std::string &path)
{
    Stamp result;
    char **info = nullptr;
    if (afc_get_file_info(m_afc, absolute(path).c_str(), &info) != AFC_E_SUCCESS || !info)
        return result;
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

bool AfcStorage::beginSync()
{
    if (afc_file_open(m_afc, syncLock, AFC_FOPEN_RW, &m_lock) != AFC_E_SUCCESS)
        return false;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (afc_file_lock(m_afc, m_lock, AFC_LOCK_EX) == AFC_E_SUCCESS)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    afc_file_close(m_afc, m_lock);
    return false;
}

void AfcStorage::endSync()
{
    afc_file_lock(m_afc, m_lock, AFC_LOCK_UN);
    afc_file_close(m_afc, m_lock);
}

} // namespace handvia
