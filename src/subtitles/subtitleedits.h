#pragma once

#include "subtitles/subtitleevent.h"

#include <QString>
#include <QVector>

// The whole-document edits of the subtitle editor as plain functions over
// event lists, so that they are checked without windows.
namespace SubtitleEdits {

// Which rows a shift or a replacement touches, as the dialogs number it.
enum class Affect { AllRows = 0, SelectedRows = 1, SelectionOnward = 2 };
// Which times a shift moves, as the shift dialog numbers it.
enum class Times { StartAndEnd = 0, StartOnly = 1, EndOnly = 2 };

// The rows in ascending order: every row; the distinct selected rows; or the
// rows after the current one (none without a current row).
QVector<int> affectedRows(Affect affect, int rowCount, const QVector<int> &selectedRows, int currentRow);

// Adds deltaMs to the chosen times. No time goes below zero and a cue that
// started before its end keeps doing so: a moved time stops at the bound
// instead. True when a time had to stop there.
bool shiftEvent(SubtitleEvent &event, qint64 deltaMs, Times times);

// Replaces every occurrence of find, matching case, in the text. An empty
// find text changes nothing. True when the text changed.
bool replaceText(SubtitleEvent &event, const QString &find, const QString &replacement);

// The same cue text and times: what the table shows of an event.
bool sameCue(const SubtitleEvent &a, const SubtitleEvent &b);

}
