// The encoder behind the conversion job: cuts, shapes and encodes one stretch of audio.
#include "failure.h"
#include "options.h"
#include "transcoder.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/prctl.h>
#endif

extern "C" {
#include <libavutil/log.h>
}

// The encoder never outlives the program that started it: the parent's death sends SIGTERM,
// on which the unfinished output is removed.
void endWithParent()
{
#ifdef __linux__
    prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
}

int main(int argc, char **argv)
{
    endWithParent();
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
        std::fprintf(stderr, "Error: %s\n", failure.what());
        return failure.code();
    } catch (const std::exception &exception) {
        std::fprintf(stderr, "Error: %s\n", exception.what());
        return Failure::Runtime;
    }
    return 0;
}
