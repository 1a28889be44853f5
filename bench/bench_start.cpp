// Program start to the first exposed window: the converter against a bare
// Qt Widgets window, each started as a process of its own, taking turns so
// that caches and load on the machine weigh on both alike.

#include "bench/bench_stats.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Seconds from the spawn to the child's "shown" line; negative on failure.
double startToShown(const char* program) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    // Qt's start-up notes would drown the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = ::posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    double seconds = -1;
    if (spawned == 0) {
        std::string seen;
        char buffer[64];
        for (ssize_t n; seen.find("shown") == std::string::npos &&
                        (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
            seen.append(buffer, static_cast<std::size_t>(n));
        }
        if (seen.find("shown") != std::string::npos) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            seconds = -1;
        }
    }
    ::close(pipeEnds[0]);
    return seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::vector<double> converter;
    std::vector<double> minimal;
    for (int i = 0; i < runs; ++i) {
        const double c = startToShown(ZENTADIAL_START_CONVERTER);
        const double m = startToShown(ZENTADIAL_START_MINIMAL);
        if (c < 0 || m < 0) {
            std::fprintf(stderr, "a start-up program failed or never showed its window\n");
            return 1;
        }
        converter.push_back(c * 1000);
        minimal.push_back(m * 1000);
    }
    const double c = zentadial::bench::median(converter);
    const double m = zentadial::bench::median(minimal);
    std::printf("start to first window: converter median %.1f ms, bare Qt window median %.1f ms "
                "(%d starts each, %s)\n",
                c, m, runs, std::getenv("QT_QPA_PLATFORM"));
    std::printf("start-up: median ratio %.2f (converter / bare Qt window)\n", c / m);
    return 0;
}
