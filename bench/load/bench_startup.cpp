// The first window's start-up: from the program's start to its window being mapped, Vardel
// against the smallest Qt Widgets window, alternating, on the X display in DISPLAY (run it
// under xvfb-run, no window manager). Prints the medians, their ratio, the shared libraries
// each has mapped once its window is up, and the dynamic loader's own statistics.
//   xvfb-run -a bench_startup [ROUNDS [VARDEL]]
// VARDEL: another build's program to time instead of this build's.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double ms = -1;
    size_t libraries = 0;
};

size_t librariesOf(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> names;
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos)
            names.insert(line.substr(slash));
    }
    return names.size();
}

pid_t spawn(const std::string &program,
            const std::vector<std::string> &extraEnv,
            const char *errorFile)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char *> envp;
    for (std::string &pair : env)
        envp.push_back(pair.data());
    envp.push_back(nullptr);
    std::string name = program;
    char *argv[] = {name.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// Starts the program and waits for the first top-level window it maps.
Run timeToMap(xcb_connection_t *x,
              xcb_window_t root,
              const std::string &program,
              const std::vector<std::string> &env)
{
    xcb_flush(x);
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = spawn(program, env, "/dev/null");
    if (pid < 0)
        return {};
    Run run;
    while (xcb_generic_event_t *event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                && reinterpret_cast<xcb_map_notify_event_t *>(event)->event == root;
        free(event);
        if (mapped) {
            run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now()
                                                               - started)
                             .count();
            break;
        }
    }
    run.libraries = librariesOf(pid);
    stop(pid);
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty()       ? -1
            : v.size() % 2 ? v[v.size() / 2]
                           : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The dynamic loader's statistics of one start, up to the window (two seconds are plenty).
void loaderStatistics(const std::string &program, const std::vector<std::string> &env)
{
    std::vector<std::string> withDebug = env;
    withDebug.emplace_back("LD_DEBUG=statistics");
    const char *file = "/tmp/bench_startup_ld.txt";
    const pid_t pid = spawn(program, withDebug, file);
    usleep(2000000);
    stop(pid);
    std::ifstream in(file);
    std::printf("  %s, LD_DEBUG=statistics:\n", program.c_str());
    for (std::string line; std::getline(in, line);) {
        if (line.find("total startup time") != std::string::npos
            || line.find("number of relocations:") != std::string::npos
            || line.find("objects loaded") != std::string::npos)
            std::printf("   %s\n", line.c_str());
    }
    std::remove(file);
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::printf("no X display\n");
        return 0;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    char home[] = "/tmp/bench_startup_XXXXXX";
    const std::string folder = mkdtemp(home);
    const std::vector<std::string> env = {"HOME=" + folder,
                                          "XDG_CONFIG_HOME=" + folder + "/config",
                                          "XDG_CACHE_HOME=" + folder + "/cache",
                                          "SDL_AUDIODRIVER=dummy"};
    const std::string vardel = argc > 2 ? argv[2] : std::string(VARDEL_BIN) + "/vardel";
    const std::string empty = EMPTY_WINDOW;
    std::vector<double> ours, theirs;
    size_t ourLibraries = 0, theirLibraries = 0;
    char load[64] = {};
    if (FILE *f = std::fopen("/proc/loadavg", "r")) {
        std::fgets(load, sizeof load, f);
        std::fclose(f);
    }
    // One unmeasured start each fills the disk cache.
    timeToMap(x, root, vardel, env);
    timeToMap(x, root, empty, env);
    for (int round = 0; round < rounds; ++round) {
        for (int side = 0; side < 2; ++side) {
            const bool oursNow = (round + side) % 2 == 0;
            const Run run = timeToMap(x, root, oursNow ? vardel : empty, env);
            (oursNow ? ours : theirs).push_back(run.ms);
            (oursNow ? ourLibraries : theirLibraries) = run.libraries;
        }
    }
    std::printf("start-up to the window mapped, %d rounds, load average at start %s"
                "    empty Qt window  %7.1f ms  %3zu libraries mapped\n"
                "    Vardel           %7.1f ms  %3zu libraries mapped  ratio %.2f\n",
                rounds,
                load,
                median(theirs),
                theirLibraries,
                median(ours),
                ourLibraries,
                median(ours) / median(theirs));
    loaderStatistics(vardel, env);
    loaderStatistics(empty, env);
    xcb_disconnect(x);
    return 0;
}
