#include "folderstorage.h"

#include "waits.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace handvia {

namespace {

const char lockDir[] = "iTunes_Control/iTunes";
const char lockPath[] = "iTunes_Control/iTunes/.handvia.lock";

} // namespace

FolderStorage::FolderStorage(std::string root)
    : m_root(std::move(root))
{ }

std::string FolderStorage::resolve(const std::string &path) const
{
    std::string full = m_root;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        full += '/';
        full.append(path, start, end - start);
        struct stat info;
        if (lstat(full.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            return {};
        start = end + 1;
    }
    return full;
}

std::unique_ptr<Stream> FolderStorage::openRead(const std::string &path)
{
    const std::string full = resolve(path);
    struct stat info;
    if (full.empty() || stat(full.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    return openLocalRead(full);
}

std::unique_ptr<Stream> FolderStorage::openWrite(const std::string &path)
{
    const std::string full = resolve(path);
    return full.empty() ? nullptr : openLocalWrite(full);
}

bool FolderStorage::rename(const std::string &from, const std::string &to)
{
    const std::string source = resolve(from);
    const std::string target = resolve(to);
    return !source.empty() && !target.empty() && std::rename(source.c_str(), target.c_str()) == 0;
}

bool FolderStorage::remove(const std::string &path)
{
    const std::string full = resolve(path);
    return !full.empty() && ::unlink(full.c_str()) == 0;
}

bool FolderStorage::makeDir(const std::string &path)
{
    size_t end = 0;
    while (end != std::string::npos) {
        end = path.find('/', end + 1);
        const std::string full = resolve(path.substr(0, end));
        struct stat info;
        if (full.empty())
            return false;
        if (stat(full.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                return false;
        } else if (mkdir(full.c_str(), 0755) != 0 && errno != EEXIST) {
            return false; // another writer may have made it just now
        }
    }
    return true;
}

Stamp FolderStorage::stamp(const std::string &path)
{
    Stamp result;
    const std::string full = resolve(path);
    struct stat info;
    if (full.empty() || stat(full.c_str(), &info) != 0) {
        result.failed = full.empty() || (errno != ENOENT && errno != ENOTDIR);
        return result;
    }
    result.exists = true;
    result.size = static_cast<uint64_t>(info.st_size);
    result.modified = static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u
            + static_cast<uint64_t>(info.st_mtim.tv_nsec);
    result.identity = static_cast<uint64_t>(info.st_ino);
    return result;
}

} // namespace handvia

namespace handvia {

bool FolderStorage::list(const std::string &path, std::vector<std::string> &names)
{
    names.clear();
    const std::string full = resolve(path);
    DIR *dir = full.empty() ? nullptr : opendir(full.c_str());
    if (!dir)
        return false;
    while (const dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return true;
}

bool FolderStorage::lockWriters(int waitMs)
{
    if (m_lockFd >= 0 || !makeDir(lockDir))
        return false;
    const std::string full = resolve(lockPath);
    const int fd = full.empty() ? -1 : ::open(full.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    // Retries only while another writer holds it.
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline
            || waitsAbandoned()) {
            ::close(fd);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    m_lockFd = fd;
    return true;
}

bool FolderStorage::beginSync()
{
    return lockWriters(static_cast<int>(syncLockWait().count()));
}

bool FolderStorage::tryLockWriters()
{
    return lockWriters(0);
}

void FolderStorage::unlockWriters()
{
    if (m_lockFd < 0)
        return;
    flock(m_lockFd, LOCK_UN);
    ::close(m_lockFd);
    m_lockFd = -1;
}

} // namespace handvia
