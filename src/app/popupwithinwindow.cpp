#include "app/popupwithinwindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>

PopupWithinWindow::PopupWithinWindow(QComboBox *combo)
    : QObject(combo)
    , m_combo(combo)
{
    m_combo->view()->window()->installEventFilter(this);
}

bool PopupWithinWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched == m_combo->view()->window())
        keepInside(m_combo->view()->window());
    return QObject::eventFilter(watched, event);
}

void PopupWithinWindow::keepInside(QWidget *popup)
{
    const QWidget *window = m_combo->window();
    const QRect windowArea(window->mapToGlobal(QPoint(0, 0)), window->size());
    QRect area = popup->geometry();
    if (area.bottom() <= windowArea.bottom())
        return;
    area.moveBottom(m_combo->mapToGlobal(QPoint(0, m_combo->height() - 1)).y());
    if (area.top() < windowArea.top())
        area.moveTop(windowArea.top());
    popup->setGeometry(area);
}
