// The least a runner that probes its input in its own process can cost: an empty core
// application that probes the file and, given a command, starts it and waits for it. Nothing
// is read, planned or reported; bench_batch prints its cost beside the runner's.
// Usage: bench_batch_floor FILE [PROGRAM ARGUMENTS...]
#include "common/mediaprobe.h"

#include <QCoreApplication>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2 || !probeMedia(QString::fromLocal8Bit(argv[1])).opened)
        return 1;
    if (argc < 3)
        return 0;
    // Engines run at nice 10.
    setpriority(PRIO_PROCESS, 0, 10);
    pid_t child = 0;
    if (posix_spawn(&child, argv[2], nullptr, nullptr, argv + 2, environ) != 0)
        return 1;
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
