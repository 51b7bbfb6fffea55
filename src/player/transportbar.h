#pragma once

#include <QString>

class QTimeEdit;
class QTimer;
class QToolButton;
class QWidget;

// The pieces that the player widget and the editor's player dock share.
namespace TransportBar {
QToolButton *makeButton(QWidget *parent, const QString &icon, const QString &toolTip);
QTimeEdit *makeTimeEdit(QWidget *parent);
// Shows a millisecond position in the time edit.
void showTime(QTimeEdit *edit, qint64 ms);
// How often a playing position is worth showing: not more often than the display refreshes,
// nor than the pictures change (pictureRate per second; 0 when there are none).
int positionRefreshMs(double pictureRate = 0);
// Paces a position timer by the display and the playing video's pictures per second.
void pacePositionTimer(QTimer *timer, double pictureRate);
}
