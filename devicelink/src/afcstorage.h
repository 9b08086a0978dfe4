// Storage on a USB iPhone through its AFC service.
#ifndef HANDVIA_AFCSTORAGE_H
#define HANDVIA_AFCSTORAGE_H

#include "storage.h"

#include <libimobiledevice/afc.h>
#include <libimobiledevice/libimobiledevice.h>

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
    bool beginSync() override;
    void endSync() override;

private:
    std::unique_ptr<Stream> open(const std::string &path, afc_file_mode_t mode);

    idevice_t m_device;
    afc_client_t m_afc;
    uint64_t m_lock = 0;
};

} // namespace handvia

#endif
