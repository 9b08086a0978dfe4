// Storage on a USB iPhone through its AFC service. Commits are announced through the
// notification proxy and held under the sync lock, as sync tools do.
#ifndef HANDVIA_AFCSTORAGE_H
#define HANDVIA_AFCSTORAGE_H

#include "storage.h"

#include <atomic>
#include <libimobiledevice/afc.h>
#include <libimobiledevice/libimobiledevice.h>
#include <libimobiledevice/lockdown.h>

namespace handvia {

class AfcStorage : public Storage
{
public:
    // Takes ownership of both handles.
    AfcStorage(idevice_t device, afc_client_t afc);
    ~AfcStorage() override;
    AfcStorage(const AfcStorage &) = delete;
    AfcStorage &operator=(const AfcStorage &) = delete;

    std::unique_ptr<Stream> openRead(const std::string &path) override;
    std::unique_ptr<Stream> openWrite(const std::string &path) override;
    bool rename(const std::string &from, const std::string &to) override;
    bool remove(const std::string &path) override;
    bool makeDir(const std::string &path) override;
    Stamp stamp(const std::string &path) override;
    bool list(const std::string &path, std::vector<std::string> &names) override;
    bool beginSync() override;
    void endSync() override;
    bool tryLockWriters() override;
    void unlockWriters() override;
    bool broken() const override { return m_broken; }

    // Notes errors that mean the connection is gone.
    afc_error_t check(afc_error_t error);

private:
    std::unique_ptr<Stream> open(const std::string &path, afc_file_mode_t mode);
    bool lockWriters(int waitMs);
    void post(const char *notification);
    void endLockdown();

    idevice_t m_device;
    afc_client_t m_afc;
    lockdownd_client_t m_lockdown = nullptr;
    uint64_t m_lock = 0;
    bool m_lockOpen = false;
    std::atomic<bool> m_broken {false};
};

} // namespace handvia

#endif
