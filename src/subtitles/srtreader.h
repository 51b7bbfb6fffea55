#pragma once

#include "subtitles/subtitleevent.h"

#include <QString>

#include <functional>

class QIODevice;

// The cues of SRT text, handed over in pieces of any size and read line by
// line as the pieces arrive. A cue is an optional counter line, a timing line
// and text lines, which are joined by "\N". Only an empty line followed by the
// start of another cue (or the end) ends a cue: blanks, numbers and timing
// lines inside the text are text. Lines end in LF, CR LF, CR alone, or CR CR LF
// (a file whose line ends were converted twice).
//
// A timing line is "H:M:S,mmm --> H:M:S,mmm": any one character before the
// milliseconds (comma, full stop, colon...), blanks optional around the arrow
// and before each number, anything after the end time. One or two millisecond
// digits count as written; digits after the third are finer than a millisecond
// and are dropped.
class SrtCueParser
{
public:
    using CueSink = std::function<void(SubtitleEvent &&cue)>;

    explicit SrtCueParser(CueSink sink);

    void add(const QChar *text, int length);
    void add(const QString &text) { add(text.constData(), text.size()); }
    // Ends the text: the line and cue still open are handed over.
    void finish();

private:
    enum class State { BeforeFirstCue, InText, AfterEmptyLines, AfterCounter };

    void takeLine(const QChar *line, int length);
    void startCue(qint64 start, qint64 end);
    void appendLine(const QChar *line, int length);
    void keepHeldLines();
    void endCue();

    CueSink m_sink;
    State m_state = State::BeforeFirstCue;
    QString m_partialLine; // a line cut by the end of a piece
    int m_carriageReturns = 0; // CRs at the end of the last piece, after m_partialLine
    SubtitleEvent m_cue;
    QString m_text;
    bool m_cueHasLine = false;
    int m_heldEmptyLines = 0; // empty lines that end the cue or belong to it, not known yet
    QString m_heldCounter;
};

// Reads SRT text from the device's position to its end and hands every cue to
// the sink. A byte-order mark names the encoding; otherwise well-formed UTF-8
// is UTF-8 and anything else the legacy encoding libuchardet recognises. The
// text is decoded piece by piece and never held whole. Returns whether the text
// was Unicode (marked, or well-formed UTF-8).
bool readSrtCues(QIODevice *device, const SrtCueParser::CueSink &sink);
