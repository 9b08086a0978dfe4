#include "waits.h"

#include <atomic>
#include <cstdlib>

namespace handvia {

namespace {

std::atomic<bool> abandoned {false};

std::chrono::milliseconds wait(const char *testVariable, std::chrono::milliseconds standard)
{
#ifdef HANDVIA_TEST_WAITS
    if (const char *value = std::getenv(testVariable)) {
        char *end = nullptr;
        const long ms = std::strtol(value, &end, 10);
        if (end != value && *end == '\0' && ms > 0)
            return std::chrono::milliseconds(ms);
    }
#else
    (void)testVariable;
#endif
    return standard;
}

} // namespace

std::chrono::milliseconds syncLockWait()
{
    static const auto ms = wait("HANDVIA_TEST_LOCK_WAIT_MS", std::chrono::seconds(10));
    return ms;
}

std::chrono::milliseconds phoneRetryInterval()
{
    static const auto ms = wait("HANDVIA_TEST_RETRY_MS", std::chrono::seconds(3));
    return ms;
}

void setWaitsAbandoned(bool on)
{
    abandoned = on;
}

bool waitsAbandoned()
{
    return abandoned;
}

} // namespace handvia
