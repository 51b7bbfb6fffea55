#include "engines/meltruncheck.h"

#include <utility>

MeltRunCheck::MeltRunCheck(std::string outputFile)
    : m_outputFile(std::move(outputFile))
{
    m_existedBefore = !m_outputFile.empty() && stat(m_outputFile.c_str(), &m_before) == 0;
}

void MeltRunCheck::observe(const std::string &line)
{
    if (!m_reason.empty())
        return;
    if (line.find("Failed to load") != std::string::npos)
        m_reason = "an input could not be loaded: " + line;
    else if (line.find("[consumer avformat]") != std::string::npos && line.find("unrecognised") != std::string::npos)
        m_reason = "the output cannot be encoded as asked: " + line;
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
    const bool untouched = m_existedBefore && after.st_mtim.tv_sec == m_before.st_mtim.tv_sec
        && after.st_mtim.tv_nsec == m_before.st_mtim.tv_nsec && after.st_size == m_before.st_size;
    return untouched ? "the output " + m_outputFile + " was not written" : std::string();
}
