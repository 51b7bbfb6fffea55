#include "engines/programlocator.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isExecutableFile(const std::string &path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Compared by device and inode, so links to this launcher are recognised too.
bool isThisLauncher(const std::string &path)
{
    struct stat self {};
    struct stat other {};
    return stat("/proc/self/exe", &self) == 0 && stat(path.c_str(), &other) == 0 && self.st_dev == other.st_dev
        && self.st_ino == other.st_ino;
}

std::string searchPath(const std::string &name)
{
    const char *path = std::getenv("PATH");
    const std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::string::size_type begin = 0;
    while (begin <= folders.size()) {
        std::string::size_type end = folders.find(':', begin);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = end > begin ? folders.substr(begin, end - begin) : ".";
        const std::string candidate = folder + "/" + name;
        if (isExecutableFile(candidate) && !isThisLauncher(candidate))
            return candidate;
        begin = end + 1;
    }
    return {};
}

}

std::string ProgramLocator::find(const std::string &name, const char *environmentVariable)
{
    const char *chosen = std::getenv(environmentVariable);
    if (chosen && *chosen) {
        const std::string program = chosen;
        if (program.find('/') == std::string::npos)
            return searchPath(program);
        return isExecutableFile(program) && !isThisLauncher(program) ? program : std::string();
    }
    return searchPath(name);
}
