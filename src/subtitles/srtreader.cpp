#include "subtitles/srtreader.h"

#include "common/textencoding.h"

#include <QIODevice>
#include <QTextCodec>
#include <QTextDecoder>

#include <memory>

namespace {

// Small pieces: a short file never pays for buffers longer than itself.
constexpr qint64 kPieceBytes = 16 * 1024;
// Later than any film, early enough that microseconds fit comfortably in 64 bits.
constexpr qint64 kLatestMs = 1000000LL * 3600 * 1000 - 1;
// Larger numbers stop growing; the time they make is clamped anyway.
constexpr qint64 kNumberLimit = 1000000000LL;

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Reads the times of a timing line.
class TimingScanner
{
public:
    TimingScanner(const QChar *line, int length) : m_at(line), m_end(line + length) {}

    bool scan(qint64 *start, qint64 *end)
    {
        return time(start) && arrow() && time(end);
    }

private:
    // Blanks, an optional sign and at least one digit. Only the first maxDigits digits count.
    bool number(qint64 *value, int maxDigits = 10)
    {
        while (m_at < m_end && m_at->isSpace())
            ++m_at;
        const bool negative = m_at < m_end && *m_at == QLatin1Char('-');
        if (m_at < m_end && (negative || *m_at == QLatin1Char('+')))
            ++m_at;
        const QChar *first = m_at;
        qint64 result = 0;
        for (; m_at < m_end && isDigit(*m_at); ++m_at) {
            if (m_at - first < maxDigits && result < kNumberLimit)
                result = result * 10 + (m_at->unicode() - '0');
        }
        *value = negative ? -result : result;
        return m_at != first;
    }

    bool separator(QLatin1Char wanted)
    {
        if (m_at == m_end || *m_at != wanted)
            return false;
        ++m_at;
        return true;
    }

    bool anySeparator()
    {
        if (m_at == m_end)
            return false;
        ++m_at;
        return true;
    }

    bool time(qint64 *milliseconds)
    {
        qint64 hours = 0, minutes = 0, seconds = 0, fraction = 0;
        const QLatin1Char colon(':');
        if (!(number(&hours) && separator(colon) && number(&minutes) && separator(colon) && number(&seconds)
              && anySeparator() && number(&fraction, 3)))
            return false;
        *milliseconds = qBound<qint64>(0, ((hours * 60 + minutes) * 60 + seconds) * 1000 + fraction, kLatestMs);
        return true;
    }

    bool arrow()
    {
        while (m_at < m_end && m_at->isSpace())
            ++m_at;
        if (m_end - m_at < 3 || m_at[0] != QLatin1Char('-') || m_at[1] != QLatin1Char('-')
            || m_at[2] != QLatin1Char('>'))
            return false;
        m_at += 3;
        return true;
    }

    const QChar *m_at;
    const QChar *m_end;
};

bool isCounter(const QChar *line, int length)
{
    const QChar *at = line, *end = line + length;
    while (at < end && at->isSpace())
        ++at;
    const QChar *digits = at;
    while (at < end && at->isDigit())
        ++at;
    if (at == digits)
        return false;
    while (at < end && at->isSpace())
        ++at;
    return at == end;
}

}

SrtCueParser::SrtCueParser(CueSink sink) : m_sink(std::move(sink)) {}

void SrtCueParser::add(const QChar *text, int length)
{
    const QChar *at = text, *end = text + length;
    const QChar lf(QLatin1Char('\n')), cr(QLatin1Char('\r'));
    if (m_carriageReturns > 0) {
        // The line before them is whole; what follows the CRs says how many lines they end.
        for (; at < end && *at == cr; ++at)
            ++m_carriageReturns;
        if (at == end)
            return;
        const bool crlf = *at == lf;
        if (crlf)
            ++at;
        takeLine(m_partialLine.constData(), m_partialLine.size());
        for (int extra = crlf ? 0 : m_carriageReturns - 1; extra > 0; --extra)
            takeLine(nullptr, 0);
        m_partialLine.resize(0);
        m_carriageReturns = 0;
    }
    while (at < end) {
        const QChar *lineStart = at;
        while (at < end && *at != lf && *at != cr)
            ++at;
        const int lineLength = int(at - lineStart);
        if (at == end) {
            m_partialLine.append(lineStart, lineLength);
            return;
        }
        int emptyLinesAfter = 0;
        if (*at == lf) {
            ++at;
        } else {
            const QChar *run = at;
            while (at < end && *at == cr)
                ++at;
            if (at == end) {
                m_partialLine.append(lineStart, lineLength);
                m_carriageReturns = int(at - run);
                return;
            }
            // CR ... CR LF is one line end; CRs alone each end a line.
            if (*at == lf)
                ++at;
            else
                emptyLinesAfter = int(at - run) - 1;
        }
        if (m_partialLine.isEmpty()) {
            takeLine(lineStart, lineLength);
        } else {
            m_partialLine.append(lineStart, lineLength);
            takeLine(m_partialLine.constData(), m_partialLine.size());
            m_partialLine.resize(0);
        }
        for (; emptyLinesAfter > 0; --emptyLinesAfter)
            takeLine(nullptr, 0);
    }
}

void SrtCueParser::finish()
{
    if (m_carriageReturns > 0) {
        takeLine(m_partialLine.constData(), m_partialLine.size());
        for (int extra = m_carriageReturns - 1; extra > 0; --extra)
            takeLine(nullptr, 0);
    } else if (!m_partialLine.isEmpty()) {
        takeLine(m_partialLine.constData(), m_partialLine.size());
    }
    m_partialLine.clear();
    m_carriageReturns = 0;
    switch (m_state) {
    case State::BeforeFirstCue:
        break;
    case State::AfterCounter:
        // Empty lines and a number at the very end are the last cue's text.
        keepHeldLines();
        endCue();
        break;
    case State::InText:
    case State::AfterEmptyLines:
        endCue();
        break;
    }
    m_state = State::BeforeFirstCue;
}

void SrtCueParser::takeLine(const QChar *line, int length)
{
    qint64 start = 0, end = 0;
    switch (m_state) {
    case State::BeforeFirstCue:
        if (TimingScanner(line, length).scan(&start, &end))
            startCue(start, end);
        return;
    case State::InText:
        if (length == 0) {
            m_heldEmptyLines = 1;
            m_state = State::AfterEmptyLines;
        } else {
            appendLine(line, length);
        }
        return;
    case State::AfterEmptyLines:
        if (length == 0) {
            ++m_heldEmptyLines;
        } else if (TimingScanner(line, length).scan(&start, &end)) {
            endCue();
            startCue(start, end);
        } else if (isCounter(line, length)) {
            m_heldCounter = QString(line, length);
            m_state = State::AfterCounter;
        } else {
            keepHeldLines();
            appendLine(line, length);
        }
        return;
    case State::AfterCounter:
        if (TimingScanner(line, length).scan(&start, &end)) {
            endCue();
            startCue(start, end);
        } else {
            // Not a cue after all: what was held is text, and this line is read as text.
            keepHeldLines();
            takeLine(line, length);
        }
        return;
    }
}

void SrtCueParser::startCue(qint64 start, qint64 end)
{
    m_cue = SubtitleEvent();
    m_cue.Start = start;
    m_cue.End = end;
    m_text.resize(0);
    m_cueHasLine = false;
    m_state = State::InText;
}

void SrtCueParser::appendLine(const QChar *line, int length)
{
    if (m_cueHasLine)
        m_text.append(QLatin1String("\\N"));
    m_text.append(line, length);
    m_cueHasLine = true;
}

void SrtCueParser::keepHeldLines()
{
    for (; m_heldEmptyLines > 0; --m_heldEmptyLines)
        appendLine(nullptr, 0);
    if (m_state == State::AfterCounter)
        appendLine(m_heldCounter.constData(), m_heldCounter.size());
    m_heldCounter.clear();
    m_state = State::InText;
}

void SrtCueParser::endCue()
{
    // A copy of its own length: the working text keeps its capacity for the next cue.
    m_cue.Text = QString(m_text.constData(), m_text.size());
    m_heldEmptyLines = 0;
    m_heldCounter.clear();
    m_sink(std::move(m_cue));
}

bool readSrtCues(QIODevice *device, const SrtCueParser::CueSink &sink)
{
    int bomLength = 0;
    QTextCodec *codec = TextEncoding::codecForDevice(device, &bomLength);
    device->read(bomLength);
    // A second mark right behind the first (written by a tool that added its own) is dropped too.
    std::unique_ptr<QTextDecoder> decoder(codec->makeDecoder());
    SrtCueParser parser(sink);
    QByteArray piece(int(kPieceBytes), Qt::Uninitialized);
    for (;;) {
        const qint64 got = device->read(piece.data(), kPieceBytes);
        if (got <= 0)
            break;
        parser.add(decoder->toUnicode(piece.constData(), int(got)));
    }
    parser.finish();
    return bomLength > 0 || codec->mibEnum() == 106;
}
