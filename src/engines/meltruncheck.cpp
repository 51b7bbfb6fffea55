#include "engines/meltruncheck.h"

#include <fstream>
#include <unistd.h>
#include <utility>

namespace {

// Long enough for a melt that is only slow to start on a busy machine.
constexpr std::chrono::seconds kStallTime {5};

int threadCount(pid_t process)
{
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    std::string field;
    while (status >> field) {
        if (field == "Threads:") {
            int count = 0;
            status >> count;
            return count;
        }
    }
    return 0;
}

}

MeltRunCheck::MeltRunCheck(std::string outputFile)
    : m_outputFile(std::move(outputFile))
{
    m_existedBefore = !m_outputFile.empty() && stat(m_outputFile.c_str(), &m_before) == 0;
}

void MeltRunCheck::observe(const std::string &line)
{
    if (line.find("Current Frame:") != std::string::npos)
        m_rendering = true;
    if (!m_reason.empty())
        return;
    if (line.find("Failed to load") != std::string::npos)
        m_reason = "an input could not be loaded: " + line;
    else if (line.find("[consumer avformat]") != std::string::npos && line.find("unrecognised") != std::string::npos)
        m_reason = "the output cannot be encoded as asked: " + line;
}

bool MeltRunCheck::stalled(pid_t melt)
{
    struct stat after {};
    if (m_rendering || !outputWritten(&after) || threadCount(melt) != 1) {
        m_stuckSince.reset();
        return false;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!m_stuckSince)
        m_stuckSince = now;
    return now - *m_stuckSince >= kStallTime;
}

bool MeltRunCheck::renderedNothing() const
{
    struct stat after {};
    return !m_rendering && m_reason.empty() && !m_outputFile.empty()
        && (stat(m_outputFile.c_str(), &after) != 0 || after.st_size == 0);
}

void MeltRunCheck::restart()
{
    // The empty file the last run opened would otherwise count as this run's output at once.
    struct stat left {};
    if (!m_outputFile.empty() && stat(m_outputFile.c_str(), &left) == 0 && left.st_size == 0)
        unlink(m_outputFile.c_str());
    m_existedBefore = !m_outputFile.empty() && stat(m_outputFile.c_str(), &m_before) == 0;
    m_reason.clear();
    m_rendering = false;
    m_stuckSince.reset();
}

bool MeltRunCheck::outputWritten(struct stat *after) const
{
    if (m_outputFile.empty() || stat(m_outputFile.c_str(), after) != 0)
        return false;
    return !m_existedBefore || after->st_mtim.tv_sec != m_before.st_mtim.tv_sec
        || after->st_mtim.tv_nsec != m_before.st_mtim.tv_nsec || after->st_size != m_before.st_size;
}

std::string MeltRunCheck::failureReason() const
{
    if (!m_reason.empty())
        return m_reason;
    if (m_outputFile.empty())
        return {};
    struct stat after {};
    if (stat(m_outputFile.c_str(), &after) != 0 || after.st_size == 0)
        return "no output was written to " + m_outputFile;
    return outputWritten(&after) ? std::string() : "the output " + m_outputFile + " was not written";
}
