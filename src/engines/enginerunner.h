#pragma once

#include "engines/linerelay.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Runs one system program as the child of a launcher: relays its error output as line-feed
// lines, forwards termination requests and makes sure the child never outlives the launcher.
class EngineRunner
{
public:
    struct Result
    {
        bool started = false;
        int exitCode = 0;      // valid when signal is 0
        int signal = 0;        // the signal that ended the child, 0 for a normal exit
        bool stopRequested = false;
        bool stalled = false;  // the stall check found the child stuck, and it was killed
    };

    // Asked twice a second, while the child prints nothing, whether it is stuck for good.
    using StallCheck = std::function<bool(pid_t child)>;

    // Call first in main(): the launcher leads its own process group, which its child joins,
    // so priority changes and signals aimed at the group reach both; and it ends with its parent.
    static void prepareLauncher();

    // Runs program with arguments and waits for it. Standard input is the null device;
    // standard output is shared with the launcher.
    static Result run(const std::string &program, const std::vector<std::string> &arguments,
                      const LineRelay::LineObserver &observer = {}, const StallCheck &stalled = {});

    // Ends the launcher the way the child ended: the child's exit code, a termination request as
    // 128 + the signal, and a crash of the child as the same signal on the launcher.
    [[noreturn]] static void exitLike(const Result &result, const std::string &programName);

    // Writes one line to standard error at once.
    static void report(const std::string &line);
};
