// SPDX-License-Identifier: GPL-3.0-or-later
// geomira-startup-bench PROGRAM... : starts each program 15 times, interleaved,
// and prints the median time from launch to the first paint of its window and
// its median peak memory, with the ratios to the first program.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "median.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int runs = 15;

struct Sample {
    double milliseconds = 0;
    double peakMiB = 0;
};

long long now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Starts the program, which prints the clock at its first paint and exits.
bool measure(const char *program, Sample &sample)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    const long long start = now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0)
            dup2(quiet, STDERR_FILENO);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[64];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty())
        return false;
    sample.milliseconds = static_cast<double>(std::atoll(output.c_str()) - start) / 1e6;
    sample.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: geomira-startup-bench PROGRAM...\n");
        return 2;
    }
    const int programs = argc - 1;
    std::vector<std::vector<double>> times(programs), memory(programs);
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < programs; ++p) {
            Sample sample;
            if (!measure(argv[p + 1], sample)) {
                std::fprintf(stderr, "%s did not report its first paint (is there a display?)\n", argv[p + 1]);
                return 1;
            }
            times[p].push_back(sample.milliseconds);
            memory[p].push_back(sample.peakMiB);
        }
    }
    const double baseTime = median(times[0]);
    const double baseMemory = median(memory[0]);
    std::printf("median of %d runs: launch to first paint, peak memory\n", runs);
    for (int p = 0; p < programs; ++p) {
        const double t = median(times[p]);
        const double m = median(memory[p]);
        std::printf("%-40s %8.1f ms (x%.2f) %8.1f MiB (x%.2f)\n", argv[p + 1], t, t / baseTime, m, m / baseMemory);
    }
    return 0;
}
