// The SRT reader on arbitrary bytes, then the writers on what it read.
#include "fuzzsupport.h"
#include "subtitles/subtitleparser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SubtitleParser document;
    if (!document.read(FuzzSupport::writeInput(data, size, ".srt")))
        std::abort();

    // What we write must read back with every line.
    const QString srt = FuzzSupport::scratchPath(".srt");
    const QString ass = FuzzSupport::scratchPath(".ass");
    SubtitleParser again;
    if (!document.writeSrt(srt) || !document.writeAss(ass) || !again.read(ass)
        || again.events.size() != document.events.size())
        std::abort();
    return 0;
}
