#pragma once

#include "common/converttask.h"

// Edits of a task that the tabs make, kept apart from the widgets.
namespace TaskEdits {

// Parts to cut a file of the given duration into, for the task's split mode and
// values. Empty when the mode has nothing to cut (no count, a clip length of 0).
QList<SplitEntry> splitParts(const ConvertTask &task, qint64 duration);

// Merge rows are the title sequences, then the task's own source (the main row), then the endings.
int mainMergeRow(const ConvertTask &task);
int mergeRowCount(const ConvertTask &task);
// Length of everything joined: the used part of the source and of every entry, negative lengths as 0.
qint64 mergeTotal(const ConvertTask &task);
// Writes a start or end time into the entry a merge row shows (the task itself for the main row).
void setMergeTime(ConvertTask &task, int row, bool start, qint64 us);
// Removes the entry of a merge row; false for the main row and rows outside.
bool removeMergeRow(ConvertTask &task, int row);
// Moves a merge row one place up (-1) or down (+1), across the main row when it is next to it.
// Returns the row's new index, or -1 when it cannot move.
int moveMergeRow(ConvertTask &task, int row, int direction);

}
