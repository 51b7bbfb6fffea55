#include "subtitles/srtreader.h"

#include <QRegularExpression>

namespace {

bool parseTiming(const QString &line, qint64 *start, qint64 *end)
{
    static const QRegularExpression timing(QStringLiteral(
        "^\\s*(\\d{1,6}):(\\d{1,2}):(\\d{1,2})[,.](\\d{1,3})\\s*-->\\s*(\\d{1,6}):(\\d{1,2}):(\\d{1,2})[,.](\\d{1,3})"
        "(?:\\s.*)?$"));
    const QRegularExpressionMatch match = timing.match(line);
    if (!match.hasMatch())
        return false;
    const auto milliseconds = [&match](int first) {
        return ((match.captured(first).toLongLong() * 60 + match.captured(first + 1).toLongLong()) * 60
                + match.captured(first + 2).toLongLong())
                   * 1000
               + match.captured(first + 3).toLongLong();
    };
    *start = milliseconds(1);
    *end = milliseconds(5);
    return true;
}

bool isCounter(const QString &line)
{
    static const QRegularExpression counter(QStringLiteral("^\\s*\\d+\\s*$"));
    return counter.match(line).hasMatch();
}

// Where the cue that starts at line "at" has its timing line; -1 when no cue starts there.
int timingLineOfCueAt(const QStringList &lines, int at)
{
    qint64 start = 0, end = 0;
    if (at < lines.size() && parseTiming(lines[at], &start, &end))
        return at;
    if (at + 1 < lines.size() && isCounter(lines[at]) && parseTiming(lines[at + 1], &start, &end))
        return at + 1;
    return -1;
}

// True when the empty lines from "at" on lead to the start of a cue or to the end.
bool cueEndsAt(const QStringList &lines, int at)
{
    while (at < lines.size() && lines[at].isEmpty())
        ++at;
    return at == lines.size() || timingLineOfCueAt(lines, at) >= 0;
}

}

QStringList srtLines(const QString &text)
{
    QStringList lines;
    int lineStart = 0;
    int at = 0;
    while (at < text.size()) {
        if (text[at] == QLatin1Char('\n')) {
            lines << text.mid(lineStart, at - lineStart);
            lineStart = ++at;
        } else if (text[at] == QLatin1Char('\r')) {
            int next = at;
            while (next < text.size() && text[next] == QLatin1Char('\r'))
                ++next;
            lines << text.mid(lineStart, at - lineStart);
            if (next < text.size() && text[next] == QLatin1Char('\n')) {
                at = next + 1; // CR ... CR LF: one line end
            } else {
                // CR alone ends lines; a run of them leaves empty lines behind.
                for (int extra = at + 1; extra < next; ++extra)
                    lines << QString();
                at = next;
            }
            lineStart = at;
        } else {
            ++at;
        }
    }
    if (lineStart < text.size())
        lines << text.mid(lineStart);
    return lines;
}

QVector<SubtitleEvent> readSrtCues(const QString &text)
{
    const QStringList lines = srtLines(text);
    QVector<SubtitleEvent> cues;
    int at = 0;
    // Text before the first cue is not part of any.
    while (at < lines.size() && timingLineOfCueAt(lines, at) < 0)
        ++at;
    while (at < lines.size()) {
        const int timingLine = timingLineOfCueAt(lines, at);
        SubtitleEvent cue;
        parseTiming(lines[timingLine], &cue.Start, &cue.End);
        QStringList textLines;
        at = timingLine + 1;
        while (at < lines.size() && !(lines[at].isEmpty() && cueEndsAt(lines, at)))
            textLines << lines[at++];
        while (at < lines.size() && lines[at].isEmpty())
            ++at;
        cue.Text = textLines.join(QLatin1String("\\N"));
        cues.append(cue);
    }
    return cues;
}
