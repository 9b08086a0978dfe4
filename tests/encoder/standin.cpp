// Stands in for the encoder: writes its arguments, one a line, to $STANDIN_ARGS, copies the
// file $STANDIN_OUTPUT to standard error in a single write and exits with $STANDIN_EXIT.
// With $STANDIN_HOLD set it then starts an unfinished file beside its output, as the encoder
// does, and waits to be stopped: SIGTERM removes the file again (exit 255), SIGKILL leaves it.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

std::string unfinished;

void stopped(int)
{
    unlink(unfinished.c_str());
    _exit(255);
}

void holdUntilStopped(const std::string &output)
{
    const std::string::size_type slash = output.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : output.substr(0, slash);
    unfinished = folder + "/.encoding-" + std::to_string(getpid()) + "-standin";
    std::signal(SIGTERM, stopped);
    std::ofstream(unfinished, std::ios::binary) << "unfinished";
    for (;;)
        pause();
}

} // namespace

int main(int argc, char **argv)
{
    if (const char *argsPath = std::getenv("STANDIN_ARGS")) {
        std::ofstream args(argsPath, std::ios::binary);
        for (int i = 1; i < argc; ++i)
            args << argv[i] << '\n';
    }
    if (const char *outputPath = std::getenv("STANDIN_OUTPUT")) {
        std::ifstream in(outputPath, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        if (!text.empty() && write(2, text.data(), text.size()) < 0)
            return 99;
    }
    if (std::getenv("STANDIN_HOLD") && argc > 1)
        holdUntilStopped(argv[argc - 1]);
    const char *code = std::getenv("STANDIN_EXIT");
    return code ? std::atoi(code) : 0;
}
