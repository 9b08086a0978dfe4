// Storage in a local folder standing for the phone's media root (e.g. mounted with ifuse).
#ifndef HANDVIA_FOLDERSTORAGE_H
#define HANDVIA_FOLDERSTORAGE_H

#include "storage.h"

namespace handvia {

class FolderStorage : public Storage
{
public:
    explicit FolderStorage(std::string root);

    std::unique_ptr<Stream> openRead(const std::string &path) override;
    std::unique_ptr<Stream> openWrite(const std::string &path) override;
    bool rename(const std::string &from, const std::string &to) override;
    bool remove(const std::string &path) override;
    bool makeDir(const std::string &path) override;
    Stamp stamp(const std::string &path) override;
    bool list(const std::string &path, std::vector<std::string> &names) override;
    bool beginSync() override;
    void endSync() override { unlockWriters(); }
    bool tryLockWriters() override;
    void unlockWriters() override;

private:
    bool lockWriters(int waitMs);
    // The full path, or empty when a component on the way is a symbolic link that could lead
    // out of the root.
    std::string resolve(const std::string &path) const;

    std::string m_root;
    int m_lockFd = -1;
};

} // namespace handvia

#endif
