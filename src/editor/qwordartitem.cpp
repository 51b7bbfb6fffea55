#include "editor/qwordartitem.h"

#include <QtMath>

QWordArtItem::QWordArtItem(QGraphicsItem *parent)
    : QWatermarkBase(parent)
{
    setObjectName(QStringLiteral("QWordArtItem"));
}

bool QWordArtItem::renderText()
{
    QImage picture;
    m_info.wordArt.render(picture);
    m_info.image = picture;
    return !picture.isNull();
}

void QWordArtItem::refresh()
{
    renderText();
    if (!m_info.image.isNull()) {
        const bool keep = m_info.Keep;
        m_info.Keep = false;
        setSize(m_info.image.width(), m_info.image.height());
        m_info.Keep = keep;
    }
    updateRect();
    dirty = true;
}

void QWordArtItem::updateRect()
{
    prepareGeometryChange();
    m_content = QRect(0, 0, m_info.Width, m_info.Height);
    placeHandles();
}

void QWordArtItem::restoreState(const LayerState &state)
{
    // The text, its style or its font size may differ: draw it again.
    QWatermarkBase::restoreState(state);
    renderText();
    takePictureFactors();
}

void QWordArtItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    paintLayer(painter);
}

void QWordArtItem::rememberPressSize()
{
    m_pressFontPixels = m_info.wordArt.Font.pixelSize();
}

void QWordArtItem::applyResize(qreal sx, qreal sy)
{
    if (m_pressFontPixels <= 0)
        return;
    const int pixels = qMax(1, int(m_pressFontPixels * qMin(sx, sy)));
    m_info.wordArt.Font.setPixelSize(pixels);
    m_info.wordArt.FontSize = pixels;
    const QSize measured = m_info.wordArt.measureSize();
    if (measured.isEmpty())
        return;
    m_info.Width = measured.width();
    m_info.Height = measured.height();
    updateRect();
    update();
}

void QWordArtItem::finishResize()
{
    // The text drawn at its new font size is the layer's size from now on.
    if (renderText()) {
        m_info.Width = m_info.image.width();
        m_info.Height = m_info.image.height();
    }
    takePictureFactors();
    updateRect();
    update();
}

void QWordArtItem::takePictureFactors()
{
    if (m_info.image.isNull() || m_info.Width <= 0 || m_info.Height <= 0)
        return;
    m_pictureFactorX = float(m_info.image.width()) / float(m_info.Width);
    m_pictureFactorY = float(m_info.image.height()) / float(m_info.Height);
}
