#include "editor/buttonitem.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cmath>

ButtonItem::ButtonItem(int kind, const QIcon &icon, QGraphicsItem *parent)
    : QGraphicsItem(parent)
    , m_kind(kind)
    , m_icon(icon)
{
    setObjectName(QStringLiteral("ButtonItem"));
    setFlag(ItemIgnoresTransformations);
    setAcceptHoverEvents(true);
    setCursor(QCursor(Qt::PointingHandCursor));
}

void ButtonItem::setVisibleMode(int mode)
{
    if (mode == m_visibleMode)
        return;
    setVisible(mode != Hidden);
    m_visibleMode = mode;
}

QRectF ButtonItem::boundingRect() const
{
    return QRectF(-kSize / 2, -kSize / 2, kSize, kSize);
}

void ButtonItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    // A dark disc keeps the light icon readable on light pictures.
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 0, m_hovered ? 170 : 110));
    painter->drawEllipse(boundingRect().adjusted(1, 1, -1, -1));
    m_icon.paint(painter, boundingRect().adjusted(3, 3, -3, -3).toRect(), Qt::AlignCenter,
                 m_hovered ? QIcon::Active : QIcon::Normal);
}

void ButtonItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem *layer = parentItem();
    if (selectParentOnPress && layer && scene()) {
        scene()->clearSelection();
        layer->setSelected(true);
    }
    m_rotationAtPress = layer ? layer->rotation() : 0.0;
    m_pressScenePos = event->scenePos();
    m_pressHeld = true;
    event->accept();
    emit pressed();
}

void ButtonItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_pressHeld)
        return;
    if (m_kind == Rotate)
        emitRotation(event->scenePos());
    else if (m_kind == Resize)
        emitScale(event->scenePos());
}

void ButtonItem::emitRotation(const QPointF &scenePos)
{
    QGraphicsItem *layer = parentItem();
    if (!layer)
        return;
    const QPointF centre = layer->mapToScene(layer->boundingRect().center());
    const QPointF now = scenePos - centre;
    const QPointF then = m_pressScenePos - centre;
    const qreal turn = qRadiansToDegrees(std::atan2(now.y(), now.x()) - std::atan2(then.y(), then.x()));
    emit rotated(std::floor(m_rotationAtPress + turn + 0.5), std::floor(m_rotationAtPress + 0.5));
}

void ButtonItem::emitScale(const QPointF &scenePos)
{
    QGraphicsItem *layer = parentItem();
    if (!layer)
        return;
    // The layer grows from its top-left corner, so the scale is measured from there in
    // the layer's own (turned) coordinates.
    const QPointF now = layer->mapFromScene(scenePos);
    const QPointF then = layer->mapFromScene(m_pressScenePos);
    if (qFuzzyIsNull(then.x()) || qFuzzyIsNull(then.y()))
        return;
    emit resized(now.x() / then.x(), now.y() / then.y());
}

void ButtonItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const bool wasHeld = m_pressHeld;
    m_pressHeld = false;
    m_pressScenePos = QPointF();
    if (wasHeld && boundingRect().contains(event->pos()))
        emit clicked();
    emit resize();
}

void ButtonItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    // A quick second click on a handle is not a double-click on its layer.
    event->accept();
}

void ButtonItem::hoverEnterEvent(QGraphicsSceneHoverEvent *)
{
    m_hovered = true;
    update();
}

void ButtonItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *)
{
    m_hovered = false;
    update();
}
