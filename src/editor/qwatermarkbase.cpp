#include "editor/qwatermarkbase.h"

#include "editor/buttonitem.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QStyleOptionGraphicsItem>

namespace {

const QColor kFrameColor(29, 159, 228);

}

QWatermarkBase::QWatermarkBase(QGraphicsItem *parent)
    : QGraphicsObject(parent)
{
    m_redrawTimer.setInterval(kRedrawMs);
    connect(&m_redrawTimer, &QTimer::timeout, this, &QWatermarkBase::slotRedraw);
}

QWatermarkBase::QWatermarkBase(const WatermarkDocument *document, LayerId id, QGraphicsItem *parent)
    : QWatermarkBase(parent)
{
    m_document = document;
    m_id = id;
}

QWatermarkBase::~QWatermarkBase() = default;

const CLayerInfo &QWatermarkBase::info() const
{
    return m_document->layer(m_id);
}

CLayerInfo QWatermarkBase::shownRecord() const
{
    CLayerInfo record = info();
    // The record turns the layer about its centre, which therefore sits at the same place
    // whatever the item's transform origin is.
    const QPointF centre = contentRect().center();
    const QPointF topLeft = mapToScene(centre) - centre;
    record.x = qRound(topLeft.x());
    record.y = qRound(topLeft.y());
    record.Width = m_content.width();
    record.Height = m_content.height();
    record.Angle = float(rotation());
    return record;
}

void QWatermarkBase::showRecord()
{
    const CLayerInfo &record = info();
    m_resizeRequested = m_rotateRequested = m_resizeFinished = false;
    prepareGeometryChange();
    m_content = QRect(0, 0, qMax(1, record.Width), qMax(1, record.Height));
    setTransformOriginPoint(contentRect().center());
    setRotation(record.Angle);
    setPos(record.x, record.y);
    placeHandles();
    update();
}

QRectF QWatermarkBase::boundingRect() const
{
    return QRectF(m_content);
}

int QWatermarkBase::handleCount() const
{
    return m_handles.size();
}

QPointF QWatermarkBase::handlePositionByCorner(int corner) const
{
    const QRectF r = contentRect();
    switch (corner) {
    case 1:
        return r.topLeft();
    case 2:
        return r.topRight();
    case 3:
        return r.bottomRight();
    case 4:
        return r.bottomLeft();
    default:
        return QPointF();
    }
}

void QWatermarkBase::placeHandles()
{
    for (ButtonItem *handle : qAsConst(m_handles)) {
        switch (handle->kind()) {
        case ButtonItem::Menu:
            handle->setPos(handlePositionByCorner(1));
            break;
        case ButtonItem::Close:
            handle->setPos(handlePositionByCorner(2));
            break;
        case ButtonItem::Resize:
            handle->setPos(handlePositionByCorner(3));
            break;
        case ButtonItem::Rotate:
            handle->setPos(handlePositionByCorner(4));
            break;
        }
    }
}

void QWatermarkBase::setAngle(qreal angle)
{
    moveTransformOrigin(contentRect().center());
    setRotation(angle);
    placeHandles();
}

void QWatermarkBase::setSize(qreal w, qreal h)
{
    if (info().Keep && m_content.width() > 0 && m_content.height() > 0) {
        const float ratio = float(m_content.width()) / float(m_content.height());
        h = qRound(float(w) / ratio);
    }
    prepareGeometryChange();
    m_content = QRect(0, 0, qMax(1, int(w)), qMax(1, int(h)));
    placeHandles();
    update();
}

void QWatermarkBase::refresh()
{
    dirty = true;
}

QRectF QWatermarkBase::sceneBox() const
{
    if (m_content.isEmpty())
        return QRectF();
    return mapToScene(QPolygonF(QRectF(m_content))).boundingRect();
}

QRectF QWatermarkBase::contentRect() const
{
    return QRectF(m_content);
}

int QWatermarkBase::hitTest(const QPointF &scenePoint, qreal zoom) const
{
    for (int i = m_handles.size() - 1; i >= 0; --i) {
        const ButtonItem *handle = m_handles.at(i);
        if (!handle->isVisible())
            continue;
        // Handles keep their size on screen: scene distances grow by the zoom there.
        const QPointF local = (scenePoint - handle->scenePos()) * zoom;
        if (handle->boundingRect().contains(local))
            return handle->kind();
    }
    return contains(mapFromScene(scenePoint)) ? int(Pressed) : 0;
}

void QWatermarkBase::moveTransformOrigin(const QPointF &origin)
{
    if (origin == transformOriginPoint())
        return;
    const QPointF before = mapToScene(QPointF(0, 0));
    setTransformOriginPoint(origin);
    setPos(pos() + before - mapToScene(QPointF(0, 0)));
}

void QWatermarkBase::createHandles()
{
    struct Spec
    {
        int kind;
        const char *icon;
        const char *tip;
    };
    const Spec specs[] = {{ButtonItem::Menu, ":/res/menu.svg", QT_TR_NOOP("Menu")},
                          {ButtonItem::Close, ":/res/close.svg", QT_TR_NOOP("Close")},
                          {ButtonItem::Rotate, ":/res/rotate.svg", QT_TR_NOOP("Rotate")},
                          {ButtonItem::Resize, ":/res/LR.svg", QT_TR_NOOP("Resize")}};
    for (const Spec &spec : specs) {
        auto *handle = new ButtonItem(spec.kind, QIcon(QString::fromLatin1(spec.icon)), this);
        handle->setZValue(9999);
        handle->selectParentOnPress = false;
        handle->setToolTip(tr(spec.tip));
        handle->setVisibleMode(isSelected() ? ButtonItem::ShownSelected : ButtonItem::Hidden);
        switch (spec.kind) {
        case ButtonItem::Menu:
            connect(handle, &ButtonItem::clicked, this, &QWatermarkBase::sigMenu);
            break;
        case ButtonItem::Close:
            connect(handle, &ButtonItem::clicked, this, &QWatermarkBase::sigClose);
            break;
        case ButtonItem::Rotate:
            connect(handle, &ButtonItem::rotated, this, &QWatermarkBase::slotRotated);
            break;
        case ButtonItem::Resize:
            connect(handle, &ButtonItem::pressed, this, &QWatermarkBase::slotPressed);
            connect(handle, &ButtonItem::resized, this, &QWatermarkBase::slotResized);
            connect(handle, &ButtonItem::resize, this, &QWatermarkBase::slotResize);
            handle->setCursor(QCursor(Qt::SizeFDiagCursor));
            break;
        }
        m_handles.append(handle);
    }
    setFlags(ItemIsMovable | ItemIsSelectable | ItemUsesExtendedStyleOption | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    setCursor(QCursor(Qt::SizeAllCursor));
    showRecord();
    m_redrawTimer.start();
}

void QWatermarkBase::slotPressed()
{
    if (isLocked())
        return;
    m_pressContent = m_content;
    rememberPressSize();
}

void QWatermarkBase::slotResize()
{
    if (isLocked())
        return;
    mode = Resizing;
    m_resizeFinished = true;
}

void QWatermarkBase::slotResized(qreal sx, qreal sy)
{
    if (isLocked() || sx < 0 || sy < 0)
        return;
    m_scaleX = sx;
    m_scaleY = sy;
    m_resizeRequested = true;
}

void QWatermarkBase::slotRotated(qreal angle)
{
    if (isLocked())
        return;
    m_requestedAngle = angle;
    m_rotateRequested = true;
    mode = Rotating;
}

void QWatermarkBase::slotRedraw()
{
    if (dirty) {
        dirty = false;
        update();
    }
    if (m_resizeRequested) {
        m_resizeRequested = false;
        moveTransformOrigin(contentRect().topLeft());
        applyResize(m_scaleX, m_scaleY);
    }
    if (m_resizeFinished) {
        m_resizeFinished = false;
        // Between drags a layer turns about its centre, as its record says.
        moveTransformOrigin(contentRect().center());
    }
    if (m_rotateRequested) {
        m_rotateRequested = false;
        setAngle(m_requestedAngle);
    }
}

void QWatermarkBase::applyResize(qreal sx, qreal sy)
{
    const int w = qMax(1, qRound(m_pressContent.width() * sx));
    const int h = qMax(1, qRound(m_pressContent.height() * sy));
    setSize(w, h);
}

void QWatermarkBase::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF content = contentRect();
    const CLayerInfo &record = info();
    if (!record.image.isNull()) {
        // The layer's opacity dims its picture, never its frame or handles.
        painter->save();
        painter->setOpacity(painter->opacity() * qBound(0, record.Transparent, 100) / 100.0);
        painter->drawImage(content, record.image);
        painter->restore();
    }
    if (!isSelected())
        return;
    // Half a screen pixel in, so that the one-pixel lines fall on whole pixels at any zoom.
    const qreal inset = 0.5 / QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    const QRectF frame = content.adjusted(inset, inset, -inset, -inset);
    if (frame.width() < 1 || frame.height() < 1)
        return;
    painter->setBrush(Qt::NoBrush);
    QPen pen(Qt::white, 1);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->drawRect(frame);
    pen.setColor(kFrameColor);
    pen.setStyle(Qt::DashLine);
    painter->setPen(pen);
    painter->drawRect(frame);
}

QVariant QWatermarkBase::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedHasChanged) {
        const int handleMode = value.toBool() ? ButtonItem::ShownSelected : ButtonItem::Hidden;
        for (ButtonItem *handle : qAsConst(m_handles))
            handle->setVisibleMode(handleMode);
    } else if (change == ItemPositionChange && isLocked() && scene() && scene()->mouseGrabberItem()) {
        // A locked layer stays put while the mouse drags the selection.
        return pos();
    } else if (change == ItemPositionHasChanged && scene()) {
        moved = true;
    }
    return QGraphicsObject::itemChange(change, value);
}

void QWatermarkBase::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsObject::mousePressEvent(event);
    mode = Pressed;
}

void QWatermarkBase::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (isLocked())
        return;
    QGraphicsObject::mouseMoveEvent(event);
}

void QWatermarkBase::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsObject::mouseReleaseEvent(event);
    mode = Idle;
}

void QWatermarkBase::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsObject::mouseDoubleClickEvent(event);
    emit sigDClicked();
}
