#include "journal.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace handvia {

namespace {

// The folder for state kept between runs, made when missing; empty when there is none.
std::string stateFolder()
{
    const char *state = std::getenv("XDG_STATE_HOME");
    const char *home = std::getenv("HOME");
    std::string base;
    if (state && *state == '/')
        base = state;
    else if (home && *home == '/')
        base = std::string(home) + "/.local/state";
    else
        return {};
    std::string path;
    for (const std::string &part : {base, std::string("/vardel"), std::string("/phones")}) {
        path += part;
        size_t at = 1;
        while (at != std::string::npos) {
            at = path.find('/', at + 1);
            if (mkdir(path.substr(0, at).c_str(), 0700) != 0 && errno != EEXIST)
                return {};
        }
    }
    return path;
}

// 64-bit FNV-1a: a file name for any identity, with no characters a path cannot hold.
std::string nameOf(const std::string &phone)
{
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : phone)
        hash = (hash ^ c) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// Processes of this user share the journal: each change holds a lock beside it.
class JournalLock
{
public:
    explicit JournalLock(const std::string &path)
        : m_fd(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        while (m_fd >= 0 && flock(m_fd, LOCK_EX) != 0 && errno == EINTR) { }
    }
    ~JournalLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    JournalLock(const JournalLock &) = delete;
    JournalLock &operator=(const JournalLock &) = delete;

private:
    int m_fd;
};

std::vector<JournalRecord> readRecords(const std::string &path)
{
    std::vector<JournalRecord> records;
    std::FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return records;
    char line[512];
    while (std::fgets(line, sizeof line, file)) {
        char *end = nullptr;
        const long writer = std::strtol(line, &end, 10);
        std::string name = end && *end == ' ' ? end + 1 : "";
        if (!name.empty() && name.back() == '\n')
            name.pop_back();
        if (writer > 0 && !name.empty())
            records.push_back({writer, name});
    }
    std::fclose(file);
    return records;
}

// Written beside and renamed in, so a crash leaves the old list or the new one.
bool writeRecords(const std::string &path, const std::vector<JournalRecord> &records)
{
    const std::string temp = path + ".tmp";
    std::FILE *file = std::fopen(temp.c_str(), "w");
    if (!file)
        return false;
    for (const JournalRecord &record : records)
        std::fprintf(file, "%ld %s\n", record.writer, record.fileName.c_str());
    const bool written = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && written && std::rename(temp.c_str(), path.c_str()) == 0;
}

} // namespace

Journal::Journal(const std::string &phone)
{
    const std::string folder = stateFolder();
    if (!folder.empty())
        m_path = folder + '/' + nameOf(phone) + ".journal";
}

bool Journal::record(const std::string &fileName)
{
    if (m_path.empty())
        return false;
    JournalLock lock(m_path);
    std::vector<JournalRecord> records = readRecords(m_path);
    records.push_back({static_cast<long>(getpid()), fileName});
    return writeRecords(m_path, records);
}

void Journal::forget(const std::vector<JournalRecord> &gone)
{
    if (m_path.empty() || gone.empty())
        return;
    JournalLock lock(m_path);
    std::vector<JournalRecord> records = readRecords(m_path);
    records.erase(std::remove_if(records.begin(),
                                 records.end(),
                                 [&](const JournalRecord &r) {
                                     return std::any_of(
                                             gone.begin(), gone.end(), [&](const JournalRecord &g) {
                                                 return g.writer == r.writer
                                                         && g.fileName == r.fileName;
                                             });
                                 }),
                  records.end());
    writeRecords(m_path, records);
}

std::vector<JournalRecord> Journal::records() const
{
    if (m_path.empty())
        return {};
    JournalLock lock(m_path);
    return readRecords(m_path);
}

} // namespace handvia
