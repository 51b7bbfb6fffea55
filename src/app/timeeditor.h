#pragma once

#include <QTime>
#include <QtGlobal>

class MainWindow;
class QTimeEdit;

// A "HH:mm:ss:zzz" editor for a table cell, reporting its changes to a slot of the main window.
QTimeEdit *newTimeEditor(qint64 us, void (MainWindow::*onChanged)(QTime));
