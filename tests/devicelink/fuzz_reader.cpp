// libFuzzer entry: the form handed to the plist library and the objects written back.
#include "readercheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string fault
            = checkReaderBytes(std::string(reinterpret_cast<const char *>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
