#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

// melt 7 exits with 0 after some failures: an input it could not load is left out (or, as the
// only input, nothing is rendered), and an encoder it does not know is replaced by a default.
// This watches its output and the file it should write to tell such runs apart, and notices
// when melt hangs before it renders anything.
class MeltRunCheck
{
public:
    // Notes the state of the output file before melt runs; empty when there is none to check.
    explicit MeltRunCheck(std::string outputFile);

    // Called with each line melt prints.
    void observe(const std::string &line);

    // melt's consumer thread can end before melt records that it started, when it has little
    // to set up (an audio-only output); melt then waits forever with its main thread alone.
    // True once melt has been like that for five seconds, its output opened and nothing rendered.
    bool stalled(pid_t melt);
    // The same race can instead let melt exit with 0 at once: nothing rendered, nothing written,
    // and no other reason known.
    bool renderedNothing() const;
    // Forgets what the last run showed, and the empty file it left, before melt is started again.
    void restart();

    // Why a run that exited with 0 failed; empty when it did not.
    std::string failureReason() const;

private:
    // The output exists and is no longer the file that was there before melt ran.
    bool outputWritten(struct stat *after) const;

    std::string m_outputFile;
    struct stat m_before {};
    bool m_existedBefore = false;
    std::string m_reason;
    bool m_rendering = false;
    std::optional<std::chrono::steady_clock::time_point> m_stuckSince;
};
