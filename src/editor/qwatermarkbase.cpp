#include "editor/qwatermarkbase.h"

#include "editor/buttonitem.h"

#include <QCursor>
#include <QEasingCurve>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QPropertyAnimation>
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

QWatermarkBase::~QWatermarkBase() = default;

QRectF QWatermarkBase::boundingRect() const
{
    return QRectF(m_content);
}

void QWatermarkBase::fadeOutAndDelete()
{
    auto *fade = new QPropertyAnimation(this, "opacity", this);
    fade->setDuration(300);
    fade->setEndValue(0.0);
    fade->setEasingCurve(QEasingCurve::OutCubic);
    connect(fade, &QPropertyAnimation::finished, this, &QObject::deleteLater);
    fade->start();
}

int QWatermarkBase::handleCount() const
{
    return m_handles.size();
}

QPointF QWatermarkBase::handlePositionByKind(int kind) const
{
    for (const ButtonItem *handle : m_handles)
        if (handle->kind() == kind)
            return handle->pos();
    return QPointF();
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
    for (ButtonItem *handle : m_handles) {
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
    m_info.Angle = float(angle);
    moveTransformOrigin(contentRect().center());
    setRotation(angle);
    placeHandles();
}

void QWatermarkBase::resizeKeepingTopLeft(qreal w, qreal h)
{
    if (w < 0 || h < 0)
        return;
    moveTransformOrigin(contentRect().topLeft());
    setSize(w, h);
    moveTransformOrigin(contentRect().center());
}

void QWatermarkBase::setSize(qreal w, qreal h)
{
    if (m_info.Keep && m_content.width() > 0 && m_content.height() > 0) {
        const float ratio = float(m_content.width()) / float(m_content.height());
        h = qRound(float(w) / ratio);
    }
    prepareGeometryChange();
    m_info.Width = qMax(1, int(w));
    m_info.Height = qMax(1, int(h));
    m_content = QRect(0, 0, m_info.Width, m_info.Height);
    if (!m_info.image.isNull()) {
        m_pictureFactorX = float(m_info.image.width()) / float(m_info.Width);
        m_pictureFactorY = float(m_info.image.height()) / float(m_info.Height);
    }
    placeHandles();
    update();
}

void QWatermarkBase::refresh()
{
    dirty = true;
}

void QWatermarkBase::updateRect()
{
    prepareGeometryChange();
    placeHandles();
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

LayerState QWatermarkBase::state() const
{
    LayerState s;
    s.info.assignSettings(m_info);
    s.pos = pos();
    s.origin = transformOriginPoint();
    s.rotation = rotation();
    s.opacity = opacity();
    return s;
}

void QWatermarkBase::restoreState(const LayerState &s)
{
    m_resizeRequested = m_rotateRequested = m_resizeFinished = false;
    const bool keep = s.info.Keep;
    m_info.assignSettings(s.info);
    m_info.Keep = false; // the stored size is restored as it was
    setSize(s.info.Width, s.info.Height);
    m_info.Keep = keep;
    setTransformOriginPoint(s.origin);
    setRotation(s.rotation);
    setPos(s.pos);
    setOpacity(s.opacity);
    placeHandles();
    update();
}

void QWatermarkBase::moveTransformOrigin(const QPointF &origin)
{
    if (origin == transformOriginPoint())
        return;
    const QPointF before = mapToScene(QPointF(0, 0));
    setTransformOriginPoint(origin);
    setPos(pos() + before - mapToScene(QPointF(0, 0)));
}

void QWatermarkBase::createHandles(const QSize &pictureSize)
{
    m_content = QRect(QPoint(0, 0), pictureSize);
    m_info.Width = pictureSize.width();
    m_info.Height = pictureSize.height();
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
    placeHandles();
    m_redrawTimer.start();
}

void QWatermarkBase::slotPressed()
{
    if (m_info.locked)
        return;
    m_pressContent = m_content;
    rememberPressSize();
}

void QWatermarkBase::slotResize()
{
    if (m_info.locked)
        return;
    mode = Resizing;
    m_resizeFinished = true;
}

void QWatermarkBase::slotResized(qreal sx, qreal sy)
{
    if (m_info.locked || sx < 0 || sy < 0)
        return;
    m_scaleX = sx;
    m_scaleY = sy;
    m_resizeRequested = true;
}

void QWatermarkBase::slotRotated(qreal r, qreal br)
{
    if (m_info.locked)
        return;
    m_requestedAngle = r;
    m_angleAtPress = br;
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
        finishResize();
        // Between drags a layer turns about its centre, so that its position means the same
        // whenever it is saved and read back.
        moveTransformOrigin(contentRect().center());
    }
    if (m_rotateRequested) {
        m_rotateRequested = false;
        setAngle(m_requestedAngle);
    }
}

void QWatermarkBase::paintLayer(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF content = contentRect();
    if (!m_info.image.isNull())
        painter->drawImage(content, m_info.image);
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
    } else if (change == ItemPositionChange && m_info.locked && scene() && scene()->mouseGrabberItem()) {
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
    if (m_info.locked)
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
