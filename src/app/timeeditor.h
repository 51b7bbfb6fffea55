#pragma once

#include <QtGlobal>

class QTimeEdit;

// A "HH:mm:ss:zzz" editor for a table cell, showing a time in microseconds.
QTimeEdit *newTimeEditor(qint64 us);
