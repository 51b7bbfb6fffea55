// The ASS/SSA reader on arbitrary bytes, then a write and a second read.
#include "fuzzsupport.h"
#include "subtitles/subtitleparser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SubtitleParser document;
    if (!document.read(FuzzSupport::writeInput(data, size, ".ass")))
        return 0;

    // A document we could read must survive our own writer.
    const QString ass = FuzzSupport::scratchPath(".ass");
    SubtitleParser again;
    if (!document.writeAss(ass) || !document.writeStyles(FuzzSupport::scratchPath(".sty")) || !again.read(ass)
        || again.events.size() != document.events.size() || again.styles.size() != document.styles.size())
        std::abort();
    return 0;
}
