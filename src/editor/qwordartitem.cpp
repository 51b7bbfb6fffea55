#include "editor/qwordartitem.h"

QWordArtItem::QWordArtItem(const WatermarkDocument *document, LayerId id, QGraphicsItem *parent)
    : QWatermarkBase(document, id, parent)
{
    setObjectName(QStringLiteral("QWordArtItem"));
}

CLayerInfo QWordArtItem::shownRecord() const
{
    CLayerInfo record = QWatermarkBase::shownRecord();
    if (m_shownFontPixels <= 0)
        return record;
    record.wordArt.Font.setPixelSize(m_shownFontPixels);
    record.wordArt.FontSize = m_shownFontPixels;
    QImage picture;
    record.wordArt.render(picture);
    if (!picture.isNull()) {
        record.image = picture.convertToFormat(QImage::Format_ARGB32);
        record.Width = picture.width();
        record.Height = picture.height();
    }
    return record;
}

void QWordArtItem::showRecord()
{
    m_shownFontPixels = 0;
    QWatermarkBase::showRecord();
}

void QWordArtItem::rememberPressSize()
{
    const QFont &font = info().wordArt.Font;
    m_pressFontPixels = font.pixelSize() > 0 ? font.pixelSize() : info().wordArt.FontSize;
}

void QWordArtItem::applyResize(qreal sx, qreal sy)
{
    if (m_pressFontPixels <= 0)
        return;
    CWordArtInfo wordArt = info().wordArt;
    const int pixels = qMax(1, int(m_pressFontPixels * qMin(sx, sy)));
    wordArt.Font.setPixelSize(pixels);
    wordArt.FontSize = pixels;
    const QSize measured = wordArt.measureSize();
    if (measured.isEmpty())
        return;
    m_shownFontPixels = pixels;
    prepareGeometryChange();
    m_content = QRect(QPoint(0, 0), measured);
    placeHandles();
    update();
}
