#include "player/slider.h"

#include <QDebug>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

Slider::Slider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    setMouseTracking(true);
}

void Slider::enterEvent(QEvent *event)
{
    emit onEnter();
    QSlider::enterEvent(event);
}

void Slider::leaveEvent(QEvent *event)
{
    emit onLeave();
    QSlider::leaveEvent(event);
}

void Slider::mouseMoveEvent(QMouseEvent *event)
{
    const int handleLength = style()->pixelMetric(QStyle::PM_SliderLength) - 1;
    const int value = QStyle::sliderValueFromPosition(minimum(), maximum(), event->x() - handleLength / 2,
                                                      width() - handleLength, false);
    emit onHover(event->x(), value);
    QSlider::mouseMoveEvent(event);
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    qDebug("pressed (%d, %d)", event->x(), event->y());
    if (event->button() != Qt::LeftButton) {
        QSlider::mousePressEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (handle.contains(event->pos())) {
        QSlider::mousePressEvent(event);
        return;
    }

    qDebug() << "accept";
    event->accept();
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QPoint centreOffset = handle.center() - handle.topLeft();
    const QPoint click = event->pos() - centreOffset;
    int position = 0;
    int span = 0;
    if (orientation() == Qt::Horizontal) {
        position = click.x() - groove.x();
        span = groove.right() - handle.width() + 1 - groove.x();
    } else {
        position = click.y() - groove.y();
        span = groove.bottom() - handle.height() + 1 - groove.y();
    }
    const int value = QStyle::sliderValueFromPosition(minimum(), maximum(), position, span, option.upsideDown);
    setSliderPosition(value);
    triggerAction(SliderMove);
    setRepeatAction(SliderNoAction, 500, 50);
    emit sliderMoved(value);
    emit sliderPressed();
    m_grooveHeld = true;
}

void Slider::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_grooveHeld) {
        emit sliderReleased();
        m_grooveHeld = false;
    }
    QSlider::mouseReleaseEvent(event);
}
