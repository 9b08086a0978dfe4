// The encoder behind the conversion job: cuts, shapes and encodes one stretch of audio.
#include "failure.h"
#include "options.h"
#include "transcoder.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#ifdef __linux__
#include <sys/prctl.h>
#endif

extern "C" {
#include <libavutil/log.h>
}

// The encoder never outlives the program that started it: the parent's death sends SIGTERM,
// on which the unfinished output is removed. A parent that died before the signal was armed
// (while this program was still being loaded) sends nothing; the program names itself in
// VARDEL_PARENT_PID, so a parent that is already another process ends the run at once.
bool endWithParent()
{
#ifdef __linux__
    prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    const char *expected = std::getenv("VARDEL_PARENT_PID");
    if (!expected || *expected == '\0')
        return true;
    return std::strtoll(expected, nullptr, 10) == static_cast<long long>(getppid());
}

int main(int argc, char **argv)
{
    if (!endWithParent())
        return Failure::Runtime;
    // A reader that goes away must not kill the run before it cleans up.
    std::signal(SIGPIPE, SIG_IGN);
    // Over a file-size limit the write fails instead, and the run ends on its error path.
    std::signal(SIGXFSZ, SIG_IGN);
    // The libraries' own warnings would break the one-line error and progress contract.
    av_log_set_level(AV_LOG_QUIET);
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        transcode(parseOptions(args));
    } catch (const Failure &failure) {
        std::fprintf(stderr, "Error: %s\n", oneLine(failure.what()).c_str());
        return failure.code();
    } catch (const std::exception &exception) {
        std::fprintf(stderr, "Error: %s\n", oneLine(exception.what()).c_str());
        return Failure::Runtime;
    }
    return 0;
}
