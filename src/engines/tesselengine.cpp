// TesselEngine: runs the system's ffmpeg with the application's command line.
#include "engines/enginerunner.h"
#include "engines/programlocator.h"
#include "engines/tesselarguments.h"

int main(int argc, char *argv[])
{
    EngineRunner::prepareLauncher();
    const std::string program = ProgramLocator::find("ffmpeg", "BRINDLE_FFMPEG");
    if (program.empty()) {
        EngineRunner::report("TesselEngine: ffmpeg was not found on the PATH; install it or name it in BRINDLE_FFMPEG");
        return 127;
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    EngineRunner::exitLike(EngineRunner::run(program, TesselArguments::translate(arguments)), "ffmpeg");
}
