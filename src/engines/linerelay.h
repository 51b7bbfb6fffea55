#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Turns an engine's error output into line-feed lines. ffmpeg and melt end their progress
// updates with a bare carriage return; a reader that waits for line feeds would otherwise see
// nothing until the work is over.
class LineRelay
{
public:
    using LineObserver = std::function<void(const std::string &line)>;

    explicit LineRelay(LineObserver observer = {});

    // Appends the converted bytes to out and tells the observer of every line completed.
    void feed(const char *data, std::size_t size, std::string &out);
    // Hands a last line without an ending to the observer.
    void finish();

private:
    LineObserver m_observer;
    std::string m_line;
    bool m_afterCarriageReturn = false;
};
