// melt: runs the system's melt with the application's command line, and reports as failures the
// runs that melt itself ends with success although it did not do the work.
#include "engines/enginerunner.h"
#include "engines/mediaframerate.h"
#include "engines/meltarguments.h"
#include "engines/meltruncheck.h"
#include "engines/programlocator.h"

int main(int argc, char *argv[])
{
    EngineRunner::prepareLauncher();
    const std::string program = ProgramLocator::find("melt", "BRINDLE_MELT");
    if (program.empty()) {
        EngineRunner::report("melt: the MLT melt program was not found on the PATH; install it or name it in BRINDLE_MELT");
        return 127;
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const MeltArguments::FrameRate rate = mediaFrameRate(MeltArguments::firstProducer(arguments));
    const std::vector<std::string> translated = MeltArguments::translate(arguments, rate);
    MeltRunCheck check(MeltArguments::outputFile(arguments));
    // A melt that hangs, or ends, before it renders has done nothing yet: it is started again.
    constexpr int kAttempts = 3;
    EngineRunner::Result result;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        result = EngineRunner::run(
            program, translated, [&check](const std::string &line) { check.observe(line); },
            [&check](pid_t melt) { return check.stalled(melt); });
        if (result.stopRequested)
            break;
        const bool quitEarly = result.started && result.signal == 0 && result.exitCode == 0 && check.renderedNothing();
        if (!result.stalled && !quitEarly)
            break;
        if (attempt == kAttempts)
            break;
        EngineRunner::report(result.stalled ? "melt hung before it rendered anything; starting it again"
                                            : "melt ended before it rendered anything; starting it again");
        check.restart();
    }
    if (result.stalled && !result.stopRequested) {
        EngineRunner::report("melt failed: it hung " + std::to_string(kAttempts) + " times before it rendered anything");
        result.signal = 0;
        result.exitCode = 1;
    } else if (result.started && result.signal == 0 && result.exitCode == 0 && !result.stopRequested) {
        const std::string reason = check.failureReason();
        if (!reason.empty()) {
            EngineRunner::report("melt failed: " + reason);
            result.exitCode = 1;
        }
    }
    EngineRunner::exitLike(result, "melt");
}
