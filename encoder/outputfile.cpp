#include "outputfile.h"

#include "failure.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The path the signal handler removes; a fixed buffer because the handler may not allocate.
char g_pendingPath[4096];

void removePendingAndExit(int signal)
{
    if (g_pendingPath[0] != '\0')
        unlink(g_pendingPath);
    _exit(128 + signal);
}

void watchSignals()
{
    struct sigaction action = {};
    action.sa_handler = removePendingAndExit;
    sigemptyset(&action.sa_mask);
    // Every signal whose default would end the run without a word; SIGKILL can't be caught:
    // the program sweeps what such a run leaves by the pid in its name.
    for (int signal :
         {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU})
        sigaction(signal, &action, nullptr);
}

// Callers block the signals around it.
void copyPending(const std::string &path)
{
    if (path.size() < sizeof g_pendingPath)
        std::memcpy(g_pendingPath, path.c_str(), path.size() + 1);
    else
        g_pendingPath[0] = '\0';
}

void setPending(const std::string &path)
{
    sigset_t all, previous;
    sigfillset(&all);
    sigprocmask(SIG_BLOCK, &all, &previous);
    copyPending(path);
    sigprocmask(SIG_SETMASK, &previous, nullptr);
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

Failure writeFailure(const std::string &path, int error)
{
    return Failure("cannot write output '" + path + "': " + std::strerror(error));
}

// ".encoding-" + ten digits of the writer's pid + "-" + six characters of mkstemp.
long writerOfTemporary(const char *name)
{
    const char prefix[] = ".encoding-";
    const size_t length = sizeof prefix - 1;
    if (std::strncmp(name, prefix, length) != 0 || std::strlen(name) != length + 17
        || name[length + 10] != '-')
        return 0;
    long pid = 0;
    for (size_t i = length; i < length + 10; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    for (size_t i = length + 11; i < length + 17; ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return 0;
    }
    return pid;
}

// A run killed outright leaves its temporary file: those of encoders that are gone are removed,
// as the program does before it starts one, so that a run on its own cleans up too.
void sweepLeftovers(const std::string &folder)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        const long pid = writerOfTemporary(entry->d_name);
        // Never a negative pid_t, which would name a process group.
        if (pid > 0 && pid <= INT_MAX && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            unlink((folder + '/' + entry->d_name).c_str());
    }
    closedir(dir);
}

bool exists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

} // namespace

OutputFile::OutputFile(const std::string &path, bool overwrite)
    : m_path(path)
    , m_overwrite(overwrite)
{ }

OutputFile::~OutputFile()
{
    if (m_fd >= 0)
        close(m_fd);
    if (!m_temporary.empty() && !m_committed) {
        unlink(m_temporary.c_str());
        setPending(std::string());
    }
}

void OutputFile::create()
{
    if (toStandardOutput()) {
        watchSignals();
        m_fd = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
        if (m_fd < 0)
            throw writeFailure(m_path, errno);
        return;
    }
    if (!m_overwrite && exists(m_path))
        throw Failure("output '" + m_path + "' already exists (use -y to overwrite)");
    struct stat info;
    if (stat(m_path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        throw Failure("output '" + m_path + "' is a folder");
    watchSignals();
    sweepLeftovers(folderOf(m_path));
    // A name of fixed length, so that any name the folder accepts can be written; the pid in it
    // tells the program which unfinished files belong to encoders that are gone.
    char pid[16];
    std::snprintf(pid, sizeof pid, "%010ld", static_cast<long>(getpid()));
    const std::string pattern = folderOf(m_path) + "/.encoding-" + pid + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    // No signal may come between the file's creation and its record for the handler.
    sigset_t all, previous;
    sigfillset(&all);
    sigprocmask(SIG_BLOCK, &all, &previous);
    m_fd = mkostemp(buffer.data(), O_CLOEXEC);
    const int error = errno;
    if (m_fd >= 0)
        copyPending(buffer.data());
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (m_fd < 0)
        throw writeFailure(m_path, error);
    m_temporary = buffer.data();
    // mkstemp makes the file private; the result should get the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(m_fd, 0666 & ~mask);
}

int OutputFile::takeDescriptor()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

void OutputFile::commit()
{
    if (toStandardOutput()) {
        m_committed = true;
        return;
    }
    int result;
    if (m_overwrite) {
        result = std::rename(m_temporary.c_str(), m_path.c_str());
    } else {
        // A hard link fails when the name appeared meanwhile; that keeps the other file intact.
        result = link(m_temporary.c_str(), m_path.c_str());
        if (result == 0)
            unlink(m_temporary.c_str());
        else if (errno != EEXIST && !exists(m_path))
            result = std::rename(m_temporary.c_str(), m_path.c_str());
    }
    if (result != 0)
        throw writeFailure(m_path, errno);
    m_committed = true;
    setPending(std::string());
}
