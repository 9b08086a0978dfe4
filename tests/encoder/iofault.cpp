// Preloaded into the encoder by its tests, standing in for a failing disk and counting writes:
// with VARDEL_FAIL_READ_AFTER=n, reads from regular files fail with EIO once n bytes were read;
// with VARDEL_COUNT_WRITES=path, the process's count of write system calls goes to path at exit.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long long g_readBytes = 0;

bool isRegularFile(int fd)
{
    struct stat info;
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// The kernel's own count, so writes that the C library makes internally are counted too.
__attribute__((destructor)) void reportWrites()
{
    const char *target = std::getenv("VARDEL_COUNT_WRITES");
    if (!target)
        return;
    std::FILE *io = std::fopen("/proc/self/io", "r");
    if (!io)
        return;
    char line[128];
    long long count = -1;
    while (std::fgets(line, sizeof line, io))
        std::sscanf(line, "syscw: %lld", &count);
    std::fclose(io);
    if (std::FILE *out = std::fopen(target, "w")) {
        std::fprintf(out, "%lld\n", count);
        std::fclose(out);
    }
}

} // namespace

extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    using Read = ssize_t (*)(int, void *, size_t);
    static const Read next = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
    static const char *limit = std::getenv("VARDEL_FAIL_READ_AFTER");
    if (limit && isRegularFile(fd)) {
        if (g_readBytes >= std::atoll(limit)) {
            errno = EIO;
            return -1;
        }
        const ssize_t got = next(fd, buffer, size);
        if (got > 0)
            g_readBytes += got;
        return got;
    }
    return next(fd, buffer, size);
}
