#pragma once

#include "subtitles/subtitleevent.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The cues of an SRT text. A cue is an optional counter line, a timing line
// "H:MM:SS,mmm --> H:MM:SS,mmm" (comma or dot, anything after a blank behind
// the second time), and text lines, which are joined by "\N". Only an empty
// line followed by the start of another cue (or the end) ends a cue: lines of
// blanks, numbers and arrows inside the text are text.
QVector<SubtitleEvent> readSrtCues(const QString &text);

// The lines of a text whose lines end in LF, CR LF, CR alone, or CR CR LF
// (a file whose line ends were converted twice).
QStringList srtLines(const QString &text);
