#include "common/panelwidget.h"

#include <QEvent>
#include <QPainter>

PanelWidget::PanelWidget(QWidget *parent)
    : QDockWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

void PanelWidget::SetTitle(const QString &title)
{
    m_title = title;
    updateWindowTitle();
}

void PanelWidget::SetSubtitle(const QString &subtitle)
{
    m_subtitle = subtitle;
    updateWindowTitle();
}

void PanelWidget::updateWindowTitle()
{
    if (m_subtitle.isEmpty())
        setWindowTitle(m_title);
    else
        setWindowTitle(tr("%1: %2").arg(m_title, m_subtitle));
}

void PanelWidget::setTitleBarVisible(bool visible)
{
    if (visible == isTitleBarVisible())
        return;
    if (visible) {
        setFeatures(features() | QDockWidget::DockWidgetMovable);
        setTitleBarWidget(nullptr);
        delete m_emptyTitleBar;
        m_emptyTitleBar = nullptr;
    } else {
        setFeatures(features() & ~QDockWidget::DockWidgetMovable);
        m_emptyTitleBar = new QWidget(this);
        setTitleBarWidget(m_emptyTitleBar);
    }
}

void PanelWidget::setDrawFrame(bool draw)
{
    if (m_drawFrame == draw)
        return;
    m_drawFrame = draw;
    update();
}

void PanelWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

void PanelWidget::paintEvent(QPaintEvent *event)
{
    QDockWidget::paintEvent(event);
    if (!m_drawFrame)
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
