#include "editor/qcanvasitem.h"

#include <QPainter>
#include <QTransform>

QCanvasItem::QCanvasItem(QGraphicsItem *parent)
    : QWatermarkBase(parent)
{
    setObjectName(QStringLiteral("QCanvasItem"));
    m_info.Type = CLayerInfo::Background;
    setZValue(0);
    setFlags({});
    m_redrawTimer.start();
}

void QCanvasItem::setFrame(const QImage &frame)
{
    m_info.image = frame.convertToFormat(QImage::Format_RGB32);
}

QImage QCanvasItem::transformedFrame(const QImage &frame, const CLayerInfo &settings)
{
    if (frame.isNull())
        return QImage();
    QImage picture = frame.mirrored(settings.flipHorizontal, settings.flipVertical);
    if (settings.transpose == 1 || settings.transpose == 2)
        picture = picture.transformed(QTransform().rotate(settings.transpose == 1 ? 90 : -90));
    if (settings.crop.cropped) {
        const ST_CROP_THICK &c = settings.crop;
        const int x = int(picture.width() * c.left);
        const int y = int(picture.height() * c.top);
        int w = int(picture.width() * (1.0 - c.left - c.right));
        int h = int(picture.height() * (1.0 - c.top - c.bottom));
        w += w % 2;
        h += h % 2;
        picture = picture.copy(x, y, w, h);
    }
    return picture;
}

void QCanvasItem::refresh()
{
    prepareGeometryChange();
    m_picture = transformedFrame(m_info.image, m_info);
    m_info.Width = m_picture.width();
    m_info.Height = m_picture.height();
    m_bounds = QRectF(m_picture.rect());
    dirty = true;
}

QRectF QCanvasItem::boundingRect() const
{
    return m_bounds;
}

void QCanvasItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_picture.isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(m_bounds, m_picture);
}
