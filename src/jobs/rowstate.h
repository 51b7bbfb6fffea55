#pragma once

#include <QString>

// Where a row of the conversion list stands. The status cell shows it as text;
// decisions look at the value.
enum class RowState {
    Ready,
    Running,  // queued or converting
    Stopping, // asked to stop, waiting for its engines to end
    Completed,
    CompletedWithWarnings, // finished, but left something out; the row's log says what
    Failed,
    Stopped,
    NotStarted // a run could plan no work for it; the row's log says why
};

// The translated status text of a state.
QString rowStateText(RowState state);
// Finished for good: a run does not convert the row again.
bool isDone(RowState state);
// Its jobs may still be at work.
bool isConverting(RowState state);
