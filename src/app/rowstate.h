#pragma once

#include <QString>

// Where a row of the conversion list stands. The status cell shows it as text;
// decisions look at the value.
enum class RowState { Ready, Running, Completed, Failed, Stopped };

// The translated status text of a state.
QString rowStateText(RowState state);
