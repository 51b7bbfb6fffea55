#pragma once

#include <QString>

class QTimeEdit;
class QToolButton;
class QWidget;

// The pieces that the player widget and the editor's player dock share.
namespace TransportBar {
QToolButton *makeButton(QWidget *parent, const QString &icon, const QString &toolTip);
QTimeEdit *makeTimeEdit(QWidget *parent);
// Shows a millisecond position in the time edit.
void showTime(QTimeEdit *edit, qint64 ms);
// How often a playing position is worth showing: the slider and the time cannot change on
// screen more often than the display refreshes.
int positionRefreshMs();
}
