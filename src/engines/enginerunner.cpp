#include "engines/enginerunner.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_child = 0;
volatile sig_atomic_t g_stopSignal = 0;

const int kForwardedSignals[] = {SIGTERM, SIGINT, SIGHUP};

void forwardStop(int signal)
{
    g_stopSignal = signal;
    if (g_child > 0)
        kill(g_child, signal);
}

void writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

sigset_t forwardedSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kForwardedSignals)
        sigaddset(&set, signal);
    return set;
}

[[noreturn]] void execChild(const std::string &program, const std::vector<std::string> &arguments, int errorFd,
                            pid_t launcher)
{
    // The launcher may be killed outright; the child must not run on as an orphan.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != launcher)
        _exit(127);
    for (int signal : kForwardedSignals)
        std::signal(signal, SIG_DFL);
    const sigset_t set = forwardedSignalSet();
    sigprocmask(SIG_UNBLOCK, &set, nullptr);

    const int nullFd = open("/dev/null", O_RDONLY);
    if (nullFd >= 0) {
        dup2(nullFd, STDIN_FILENO);
        close(nullFd);
    }
    dup2(errorFd, STDERR_FILENO);
    close(errorFd);

    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());

    const std::string message = "cannot start " + program + ": " + std::strerror(errno) + "\n";
    writeAll(STDERR_FILENO, message.data(), message.size());
    _exit(127);
}

// Relays until the child closes its error output; true when the stall check had it killed.
bool relay(int fd, pid_t child, const LineRelay::LineObserver &observer, const EngineRunner::StallCheck &stalled)
{
    LineRelay relay(observer);
    char buffer[16384];
    std::string out;
    bool killed = false;
    for (;;) {
        if (stalled && !killed) {
            pollfd waiting {fd, POLLIN, 0};
            const int ready = poll(&waiting, 1, 500);
            if (ready < 0 && errno != EINTR)
                break;
            if (ready <= 0) {
                if (ready == 0 && !g_stopSignal && stalled(child)) {
                    kill(child, SIGKILL);
                    killed = true;
                }
                continue;
            }
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        out.clear();
        relay.feed(buffer, static_cast<std::size_t>(got), out);
        writeAll(STDERR_FILENO, out.data(), out.size());
    }
    relay.finish();
    return killed;
}

}

void EngineRunner::prepareLauncher()
{
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction action {};
    action.sa_handler = forwardStop;
    sigemptyset(&action.sa_mask);
    for (int signal : kForwardedSignals)
        sigaction(signal, &action, nullptr);
}

EngineRunner::Result EngineRunner::run(const std::string &program, const std::vector<std::string> &arguments,
                                       const LineRelay::LineObserver &observer, const StallCheck &stalled)
{
    Result result;
    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0) {
        report("cannot create a pipe: " + std::string(std::strerror(errno)));
        return result;
    }

    // Blocked around fork, so a stop request is either seen by the child's parent with the
    // child's pid known, or handled below before the child gets going.
    const sigset_t set = forwardedSignalSet();
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &set, &previous);
    const pid_t launcher = getpid();
    const pid_t child = fork();
    if (child == 0) {
        close(errorPipe[0]);
        execChild(program, arguments, errorPipe[1], launcher);
    }
    close(errorPipe[1]);
    if (child < 0) {
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        close(errorPipe[0]);
        report("cannot start " + program + ": " + std::strerror(errno));
        return result;
    }
    result.started = true;
    g_child = child;
    if (g_stopSignal)
        kill(child, g_stopSignal);
    sigprocmask(SIG_SETMASK, &previous, nullptr);

    result.stalled = relay(errorPipe[0], child, observer, stalled);
    close(errorPipe[0]);

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    g_child = 0;
    result.stopRequested = g_stopSignal != 0;
    if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    else
        result.exitCode = WEXITSTATUS(status);
    return result;
}

void EngineRunner::exitLike(const Result &result, const std::string &programName)
{
    if (!result.started)
        std::exit(127);
    if (result.stopRequested) {
        report(programName + " was stopped before it finished");
        std::exit(result.exitCode != 0 ? result.exitCode : 128 + g_stopSignal);
    }
    if (result.signal == 0)
        std::exit(result.exitCode);

    report(programName + " ended with signal " + std::to_string(result.signal) + " (" + strsignal(result.signal)
           + ")");
    // Shown to the caller as a crash, like the child's; without a core file of the launcher.
    const struct rlimit noCore {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::signal(result.signal, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, result.signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    raise(result.signal);
    std::exit(128 + result.signal);
}

void EngineRunner::report(const std::string &line)
{
    const std::string text = line + "\n";
    writeAll(STDERR_FILENO, text.data(), text.size());
}
