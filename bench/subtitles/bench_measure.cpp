// bench_measure <report> <program> [arguments...]
// Runs the program and writes its wall time in milliseconds and its peak resident size in KiB
// to the report file. It is a small process of its own because Linux starts a child's peak from
// the resident size of the process that started it: measured straight from a big benchmark, a
// small program would look as big as the benchmark.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return 2;
    clock_gettime(CLOCK_MONOTONIC, &end);
    const double ms = double(end.tv_sec - start.tv_sec) * 1e3 + double(end.tv_nsec - start.tv_nsec) / 1e6;
    FILE *report = std::fopen(argv[1], "w");
    if (!report)
        return 2;
    std::fprintf(report, "%.3f %ld\n", ms, usage.ru_maxrss);
    std::fclose(report);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}
