// The SRT reader on arbitrary bytes, then the writers on what it read, and the
// burn-in's direct conversion, which must write what the document writes.
#include "fuzzsupport.h"
#include "subtitles/subtitleparser.h"

#include <QFile>

#include <cstdlib>

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SubtitleParser document;
    const QString input = FuzzSupport::writeInput(data, size, ".srt");
    if (!document.read(input))
        std::abort();

    // What we write must read back with every line.
    const QString srt = FuzzSupport::scratchPath(".srt");
    const QString ass = FuzzSupport::scratchPath(".ass");
    SubtitleParser again;
    if (!document.writeSrt(srt) || !document.writeAss(ass) || !again.read(ass)
        || again.events.size() != document.events.size())
        std::abort();

    const QString direct = FuzzSupport::scratchPath("-direct.ass");
    if (!SubtitleParser().writeAssFromSrt(input, direct) || contents(direct) != contents(ass))
        std::abort();
    return 0;
}
