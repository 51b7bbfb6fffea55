#include "player/transportbar.h"

#include "common/timeconv.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTime>
#include <QTimeEdit>
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
    edit->setStyleSheet(QStringLiteral("QTimeEdit::up-button,QTimeEdit::down-button{width:0px;}"));
    return edit;
}

void TransportBar::showTime(QTimeEdit *edit, qint64 ms)
{
    edit->setTime(TimeConv::toTime(ms * 1000));
}

int TransportBar::positionRefreshMs()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal hz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    return qBound(8, qRound(1000.0 / hz), 40);
}
