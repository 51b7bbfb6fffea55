#pragma once

#include <string>
#include <sys/stat.h>

// melt 7 exits with 0 after some failures: an input it could not load is left out (or, as the
// only input, nothing is rendered), and an encoder it does not know is replaced by a default.
// This watches its output and the file it should write to tell such runs apart.
class MeltRunCheck
{
public:
    // Notes the state of the output file before melt runs; empty when there is none to check.
    explicit MeltRunCheck(std::string outputFile);

    // Called with each line melt prints.
    void observe(const std::string &line);

    // Why a run that exited with 0 failed; empty when it did not.
    std::string failureReason() const;

private:
    std::string m_outputFile;
    struct stat m_before {};
    bool m_existedBefore = false;
    std::string m_reason;
};
