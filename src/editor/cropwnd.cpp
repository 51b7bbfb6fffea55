#include "editor/cropwnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
constexpr int kRepaintMs = 100;
constexpr int kHandleSize = 16;
constexpr int kEdgeInset = kHandleSize / 2;
// Room around the picture for the half of a corner handle (and its pen) that lies outside it.
constexpr int kPictureInset = kHandleSize / 2 + 2;

QPointF cornerOf(const QRectF &frame, int corner)
{
    switch (corner) {
    case CropWnd::TopLeft: return frame.topLeft();
    case CropWnd::TopRight: return frame.topRight();
    case CropWnd::BottomRight: return frame.bottomRight();
    default: return frame.bottomLeft();
    }
}

// The rectangle whose right minus left is the area's width, as fitInto measures it.
QRect extentOf(const QRectF &area)
{
    return QRect(area.topLeft().toPoint(), area.bottomRight().toPoint());
}

void registerCropType()
{
    static const int id = qRegisterMetaType<ST_CROP_THICK>("ST_CROP_THICK");
    Q_UNUSED(id);
}
}

CropWnd::CropWnd(QWidget *parent)
    : QWidget(parent)
{
    registerCropType();
    setMouseTracking(true);
    m_repaintTimer.setInterval(kRepaintMs);
    connect(&m_repaintTimer, &QTimer::timeout, this, &CropWnd::OnUpdateUI);
    m_repaintTimer.start();
}

QRectF CropWnd::fitInto(const QSizeF &size, const QRect &rect, bool always)
{
    const int availableWidth = rect.right() - rect.left();
    const int availableHeight = rect.bottom() - rect.top();
    if (size.isEmpty() || availableWidth <= 0 || availableHeight <= 0)
        return QRectF();

    int width = int(size.width());
    int height = int(size.height());
    if (always || size.width() > availableWidth || size.height() > availableHeight) {
        const qreal scale = std::min(availableWidth / size.width(), availableHeight / size.height());
        width = std::max(1, int(size.width() * scale));
        height = std::max(1, int(size.height() * scale));
    }
    const int left = rect.left() + (availableWidth - width) / 2;
    const int top = rect.top() + (availableHeight - height) / 2;
    return QRectF(left, top, width, height);
}

void CropWnd::setPicture(const QImage &image, const ST_CROP_THICK &crop)
{
    m_image = image;
    m_imageWidth = image.width();
    m_imageHeight = image.height();
    m_crop = crop;
    m_frame = QRectF();
    layOutFrame();
}

void CropWnd::setRatio(bool freeRatio, float ratio)
{
    m_freeRatio = freeRatio;
    if (freeRatio)
        return;
    m_ratio = ratio;
    updateImageArea();
    const qreal side = std::max(m_imageWidth, m_imageHeight);
    const QRectF fitted = fitInto(QSizeF(side, side / ratio), extentOf(m_imageArea), true);
    if (fitted.isEmpty())
        return;
    setFrame(fitted);
    m_crop.cropped = true;
    emitCrop();
}

void CropWnd::setCrop(const ST_CROP_THICK &crop)
{
    m_crop = crop;
    m_frame = QRectF();
    layOutFrame();
    emit sigCrop(m_crop);
}

void CropWnd::reset()
{
    m_freeRatio = true;
    updateImageArea();
    setFrame(m_imageArea);
    m_crop = ST_CROP_THICK();
    emit sigCrop(m_crop);
}

CropWnd::Part CropWnd::hitTest(const QPointF &point) const
{
    for (int corner = TopLeft; corner <= BottomLeft; ++corner) {
        if (QRectF(m_handles[corner]).contains(point))
            return Part(corner);
    }
    return m_frame.contains(point) ? Inside : None;
}

void CropWnd::OnUpdateUI()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    update();
}

void CropWnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_activePart = hitTest(event->localPos());
    m_pressPosition = event->localPos();
    m_frameAtPress = m_frame;
}

void CropWnd::mouseMoveEvent(QMouseEvent *event)
{
    updateCursor(event->localPos());
    if (!m_dragging)
        return;
    // Only a drag on a handle or inside the frame changes the crop.
    if (m_activePart == None)
        return;
    m_crop.cropped = true;
    const qreal dx = m_pressPosition.x() - event->localPos().x();
    const qreal dy = m_pressPosition.y() - event->localPos().y();
    if (m_activePart == Inside)
        dragInside(dx, dy);
    else
        dragCorner(m_activePart, dx, dy);
    markDirty();
}

void CropWnd::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    emitCrop();
}

void CropWnd::dragCorner(Part corner, qreal dx, qreal dy)
{
    QRectF frame = m_frameAtPress;
    const bool left = corner == TopLeft || corner == BottomLeft;
    const bool top = corner == TopLeft || corner == TopRight;
    if (left)
        frame.setLeft(frame.left() - dx);
    else
        frame.setRight(frame.right() - dx);
    if (top)
        frame.setTop(m_freeRatio ? frame.top() - dy : frame.bottom() - frame.width() / m_ratio);
    else
        frame.setBottom(m_freeRatio ? frame.bottom() - dy : frame.top() + frame.width() / m_ratio);

    if (!m_imageArea.contains(cornerOf(frame, corner)))
        return;
    if (frame.right() <= frame.left() || frame.bottom() <= frame.top())
        return;
    setFrame(frame);
}

void CropWnd::dragInside(qreal dx, qreal dy)
{
    const QRectF &from = m_frameAtPress;
    dx = std::min(dx, from.left() - m_imageArea.left());
    dx = std::max(dx, from.right() - m_imageArea.right());
    dy = std::min(dy, from.top() - m_imageArea.top());
    dy = std::max(dy, from.bottom() - m_imageArea.bottom());
    const QRectF moved = from.translated(-dx, -dy);
    for (int corner = TopLeft; corner <= BottomLeft; ++corner) {
        if (!m_imageArea.contains(cornerOf(moved, corner)))
            return;
    }
    setFrame(moved);
}

void CropWnd::updateCursor(const QPointF &point)
{
    switch (hitTest(point)) {
    case TopLeft:
    case BottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case TopRight:
    case BottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    case Inside: setCursor(Qt::PointingHandCursor); break;
    case None: setCursor(Qt::ArrowCursor); break;
    }
}

ST_CROP_THICK CropWnd::frameCrop() const
{
    ST_CROP_THICK crop = m_crop;
    if (m_imageArea.width() < 1.0 || m_imageArea.height() < 1.0)
        return crop;
    crop.left = (m_frame.left() - m_imageArea.left()) / m_imageArea.width();
    crop.top = (m_frame.top() - m_imageArea.top()) / m_imageArea.height();
    crop.right = (m_imageArea.right() - m_frame.right()) / m_imageArea.width();
    crop.bottom = (m_imageArea.bottom() - m_frame.bottom()) / m_imageArea.height();
    return crop;
}

void CropWnd::emitCrop()
{
    if (m_imageArea.width() < 1.0 || m_imageArea.height() < 1.0)
        return;
    m_crop = frameCrop();
    emit sigCrop(m_crop);
}

void CropWnd::updateImageArea()
{
    const QRect room = rect().adjusted(kPictureInset, kPictureInset, -kPictureInset, -kPictureInset);
    m_imageArea = fitInto(QSizeF(m_imageWidth, m_imageHeight), room, false);
}

void CropWnd::layOutFrame()
{
    updateImageArea();
    if (m_imageArea.isEmpty())
        return;
    if (m_crop.cropped) {
        const QRectF &area = m_imageArea;
        setFrame(QRectF(QPointF(area.left() + area.width() * m_crop.left, area.top() + area.height() * m_crop.top),
                        QPointF(area.right() - area.width() * m_crop.right,
                                area.bottom() - area.height() * m_crop.bottom)));
    } else {
        // The whole picture: fitting it once more could lose a pixel to rounding and
        // turn into a crop the user never asked for.
        setFrame(m_imageArea);
    }
}

void CropWnd::setFrame(const QRectF &frame)
{
    m_frame = frame;
    for (int corner = TopLeft; corner <= BottomLeft; ++corner) {
        const QPoint centre = cornerOf(frame, corner).toPoint();
        m_handles[corner] = QRect(centre.x() - kHandleSize / 2, centre.y() - kHandleSize / 2, kHandleSize, kHandleSize);
    }
    markDirty();
    emit sigFrameChanged();
}

void CropWnd::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The record holds the frame as fractions of the picture, so a larger preview keeps the
    // same crop. A drag in progress keeps its own frame.
    if (m_frame.width() <= 0.0 || !m_dragging)
        layOutFrame();
    else
        updateImageArea();
    markDirty();
}

void CropWnd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    updateImageArea();
    if (m_imageArea.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(m_imageArea, m_image);
    // Shade what the crop cuts away, so the part that stays stands out.
    QPainterPath cutAway;
    cutAway.addRect(m_imageArea);
    QPainterPath kept;
    kept.addRect(m_frame);
    painter.fillPath(cutAway.subtracted(kept), QColor(0, 0, 0, 110));
    painter.setRenderHint(QPainter::Antialiasing);
    drawFrame(painter);
}

void CropWnd::drawFrame(QPainter &painter) const
{
    const QPointF tl = m_frame.topLeft();
    const QPointF tr = m_frame.topRight();
    const QPointF br = m_frame.bottomRight();
    const QPointF bl = m_frame.bottomLeft();
    const qreal inset = kEdgeInset;
    const QLineF edges[4] = {
        {tl + QPointF(inset, 0), tr - QPointF(inset, 0)},
        {tr + QPointF(0, inset), br - QPointF(0, inset)},
        {bl + QPointF(inset, 0), br - QPointF(inset, 0)},
        {tl + QPointF(0, inset), bl - QPointF(0, inset)},
    };
    // A wide translucent white pass under the blue one keeps the frame visible on any picture.
    const struct {
        QColor colour;
        qreal width;
    } passes[2] = {{QColor(255, 255, 255, 120), 3.0}, {QColor(29, 159, 228), 2.0}};
    for (const auto &pass : passes) {
        QPen pen(pass.colour, pass.width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const QRect &handle : m_handles)
            painter.drawEllipse(handle);
        for (const QLineF &edge : edges)
            painter.drawLine(edge);
    }
}
