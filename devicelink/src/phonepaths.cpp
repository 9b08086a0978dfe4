#include "phonepaths.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace handvia {

const char ringtoneDir[] = "iTunes_Control/Ringtones";
const char databaseDir[] = "iTunes_Control/iTunes";
const char databasePath[] = "iTunes_Control/iTunes/Ringtones.plist";

namespace {

const char writerMark[] = ".handvia-";
const char databaseName[] = "Ringtones.plist";

std::string writerTag(long writer, const char *suffix)
{
    return writerMark + std::to_string(writer > 0 ? writer : static_cast<long>(getpid())) + suffix;
}

long writerOf(const std::string &name, const std::string &prefix, const std::string &suffix)
{
    const size_t mark = name.rfind(writerMark);
    if (name.compare(0, prefix.size(), prefix) != 0 || mark == std::string::npos
        || name.size() < suffix.size()
        || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string digits
            = name.substr(mark + sizeof writerMark - 1,
                          name.size() - suffix.size() - mark - (sizeof writerMark - 1));
    char *end = nullptr;
    const long pid = std::strtol(digits.c_str(), &end, 10);
    return !digits.empty() && *end == '\0' && pid > 0 ? pid : 0;
}

} // namespace

std::string ringtonePath(const std::string &fileName)
{
    return std::string(ringtoneDir) + '/' + fileName;
}

std::string unreadableDatabasePath(long long seconds, int attempt)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local {};
    char stamp[32] = "";
    if (localtime_r(&time, &local))
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return std::string(databaseDir) + "/Ringtones.unreadable-" + stamp
            + (attempt > 0 ? "-" + std::to_string(attempt) : std::string()) + ".plist";
}

std::string tempDatabasePath()
{
    return databasePath + writerTag(0, ".tmp");
}

std::string partPath(const std::string &fileName, long writer)
{
    return std::string(ringtoneDir) + "/." + fileName + writerTag(writer, ".part");
}

long writerOfTempDatabase(const std::string &name)
{
    return writerOf(name, databaseName, ".tmp");
}

long writerOfPart(const std::string &name)
{
    return writerOf(name, ".", ".part");
}

bool writerGone(long pid)
{
    return pid != getpid() && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace handvia
