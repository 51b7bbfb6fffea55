#include "editor/qwatermarkitem.h"

#include "common/framegrab.h"

#include <QImageReader>

QWatermarkItem::QWatermarkItem(QGraphicsItem *parent)
    : QWatermarkBase(parent)
{
    setObjectName(QStringLiteral("QWatermarkItem"));
}

bool QWatermarkItem::loadPicture()
{
    QImage picture;
    if (m_info.Type == CLayerInfo::Video) {
        picture = grabFrame(m_info.FileName, 0);
    } else {
        QImageReader reader(m_info.FileName);
        reader.setAutoTransform(true);
        picture = reader.read();
    }
    if (picture.isNull())
        return false;
    m_info.image = picture.convertToFormat(QImage::Format_ARGB32);
    return true;
}

void QWatermarkItem::updateRect()
{
    prepareGeometryChange();
    if (!m_info.image.isNull() && m_pictureFactorX > 0 && m_pictureFactorY > 0)
        m_content = QRect(0, 0, qRound(m_info.image.width() / m_pictureFactorX),
                          qRound(m_info.image.height() / m_pictureFactorY));
    placeHandles();
}

void QWatermarkItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    paintLayer(painter);
}

void QWatermarkItem::applyResize(qreal sx, qreal sy)
{
    const int w = qMax(1, qRound(m_pressContent.width() * sx));
    const int h = qMax(1, qRound(m_pressContent.height() * sy));
    setSize(w, h);
}
