#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>

// Conversions between microsecond times and the texts and clock times that show them.
// Every time in the program goes through these, so rounding is the same everywhere:
// sub-millisecond parts are dropped on the way to text.
namespace TimeConv {

// ((hours * 60 + minutes) * 60 + seconds) * 1000000 + milliseconds * 1000.
qint64 fromTime(const QTime &time);
// The time of day of a microsecond value; invalid for negative values or 24 hours and more.
QTime toTime(qint64 us);

// "HH:mm:ss:zzz" (time editors, tables, project files). Hours grow past two digits when needed.
QString toText(qint64 us);
// Reads "HH:mm:ss:zzz"; text that does not have that form gives 0 and clears *ok.
qint64 fromText(const QString &text, bool *ok = nullptr);

// "hh:mm:ss" for totals and durations (whole seconds).
QString toDurationText(qint64 us);
// "HH:MM:SS.hh", the engine's duration form (hundredths after a point).
QString toEngineText(qint64 us);
// Reads the engine's "HH:MM:SS.hh" as it prints times in progress lines; other text gives 0.
qint64 fromEngineText(const QString &text);
// "HH:MM:SS:hh", melt's position form (hundredths after a colon).
QString toMeltText(qint64 us);

}
