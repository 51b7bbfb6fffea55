#include "player/transportbar.h"

#include "common/timeconv.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTime>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

QToolButton *TransportBar::makeButton(QWidget *parent, const QString &icon, const QString &toolTip)
{
    auto *button = new QToolButton(parent);
    button->setIcon(QIcon(icon));
    button->setToolTip(toolTip);
    return button;
}

QTimeEdit *TransportBar::makeTimeEdit(QWidget *parent)
{
    auto *edit = new QTimeEdit(parent);
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return edit;
}

void TransportBar::showTime(QTimeEdit *edit, qint64 ms)
{
    edit->setTime(TimeConv::toTime(ms * 1000));
}

int TransportBar::positionRefreshMs(double pictureRate)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal displayHz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    const qreal hz = pictureRate > 1 ? qMin(displayHz, qreal(pictureRate)) : displayHz;
    return qBound(8, qRound(1000.0 / hz), 40);
}

void TransportBar::pacePositionTimer(QTimer *timer, double pictureRate)
{
    const int interval = positionRefreshMs(pictureRate);
    if (timer->interval() != interval)
        timer->setInterval(interval);
}
