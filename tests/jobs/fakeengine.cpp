// A scripted engine for the job tests. Each argument is one step:
//   "sleep:<ms>"  pause
//   "exit:<code>" end with that code
//   "crash"       end by SIGSEGV
//   "hang"        ignore SIGTERM and wait to be killed
//   anything else is written to standard error as it stands, with \r and \n escapes.
#include <csignal>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        if (step.rfind("sleep:", 0) == 0) {
            usleep(static_cast<useconds_t>(std::atoi(step.c_str() + 6)) * 1000);
        } else if (step.rfind("exit:", 0) == 0) {
            return std::atoi(step.c_str() + 5);
        } else if (step == "crash") {
            std::signal(SIGSEGV, SIG_DFL);
            raise(SIGSEGV);
        } else if (step == "hang") {
            std::signal(SIGTERM, SIG_IGN);
            for (;;)
                pause();
        } else {
            std::string text;
            for (std::size_t k = 0; k < step.size(); ++k) {
                if (step[k] == '\\' && k + 1 < step.size() && (step[k + 1] == 'r' || step[k + 1] == 'n')) {
                    text += step[++k] == 'r' ? '\r' : '\n';
                } else {
                    text += step[k];
                }
            }
            if (write(STDERR_FILENO, text.data(), text.size()) < 0)
                return 99;
        }
    }
    return 0;
}
