#include "text/canvashelper.h"

#include "text/diffusedshadowstrategy.h"
#include "text/extrudestrategy.h"
#include "text/textdblglowstrategy.h"
#include "text/textdbloutlinestrategy.h"
#include "text/textglowstrategy.h"
#include "text/textgradoutlinestrategy.h"
#include "text/textnooutlinestrategy.h"
#include "text/textonlyoutlinestrategy.h"
#include "text/textoutlinestrategy.h"

#include <QPainter>

#include <type_traits>

namespace QTextDesigner {

namespace {

QColor whiteWithAlpha(int alpha)
{
    return QColor(255, 255, 255, alpha);
}

template<typename Strategy, typename Fill, typename... Args>
Strategy *makeFilled(const Fill &fill, Args... args)
{
    auto *strategy = new Strategy;
    if constexpr (std::is_same_v<Fill, QBrush>)
        strategy->setBrush(fill, args...);
    else
        strategy->setColors(fill, args...);
    return strategy;
}

}

CanvasHelper::CanvasHelper() = default;
CanvasHelper::~CanvasHelper() = default;

void CanvasHelper::useGlow(const QColor &textColor, const QColor &glowColor, int thickness)
{
    m_text.reset(makeFilled<TextGlowStrategy>(textColor, glowColor, thickness));
}

void CanvasHelper::useGlow(const QBrush &textBrush, const QColor &glowColor, int thickness)
{
    m_text.reset(makeFilled<TextGlowStrategy>(textBrush, glowColor, thickness));
}

void CanvasHelper::useOutline(const QColor &textColor, const QColor &outlineColor, int thickness)
{
    m_text.reset(makeFilled<TextOutlineStrategy>(textColor, outlineColor, thickness));
}

void CanvasHelper::useOutline(const QBrush &textBrush, const QColor &outlineColor, int thickness)
{
    m_text.reset(makeFilled<TextOutlineStrategy>(textBrush, outlineColor, thickness));
}

void CanvasHelper::useDoubleOutline(const QColor &textColor, const QColor &innerColor, const QColor &outerColor,
                                    int innerThickness, int outerThickness)
{
    m_text.reset(makeFilled<TextDblOutlineStrategy>(textColor, innerColor, outerColor, innerThickness,
                                                    outerThickness));
}

void CanvasHelper::useDoubleOutline(const QBrush &textBrush, const QColor &innerColor, const QColor &outerColor,
                                    int innerThickness, int outerThickness)
{
    m_text.reset(makeFilled<TextDblOutlineStrategy>(textBrush, innerColor, outerColor, innerThickness,
                                                    outerThickness));
}

void CanvasHelper::useDoubleGlow(const QColor &textColor, const QColor &innerColor, const QColor &glowColor,
                                 int innerThickness, int glowThickness)
{
    m_text.reset(makeFilled<TextDblGlowStrategy>(textColor, innerColor, glowColor, innerThickness, glowThickness));
}

void CanvasHelper::useDoubleGlow(const QBrush &textBrush, const QColor &innerColor, const QColor &glowColor,
                                 int innerThickness, int glowThickness)
{
    m_text.reset(makeFilled<TextDblGlowStrategy>(textBrush, innerColor, glowColor, innerThickness, glowThickness));
}

void CanvasHelper::useGradientOutline(const QColor &textColor, const QColor &startColor, const QColor &endColor,
                                      int thickness, int rampKind)
{
    m_text.reset(makeFilled<TextGradOutlineStrategy>(textColor, startColor, endColor, thickness, rampKind));
}

void CanvasHelper::useGradientOutline(const QBrush &textBrush, const QColor &startColor, const QColor &endColor,
                                      int thickness, int rampKind)
{
    m_text.reset(makeFilled<TextGradOutlineStrategy>(textBrush, startColor, endColor, thickness, rampKind));
}

void CanvasHelper::useNoOutline(const QColor &textColor)
{
    auto *strategy = new TextNoOutlineStrategy;
    strategy->setColor(textColor);
    m_text.reset(strategy);
}

void CanvasHelper::useNoOutline(const QBrush &textBrush)
{
    auto *strategy = new TextNoOutlineStrategy;
    strategy->setBrush(textBrush);
    m_text.reset(strategy);
}

void CanvasHelper::useOutlineOnly(const QColor &outlineColor, int thickness, bool roundedEdge)
{
    auto *strategy = new TextOnlyOutlineStrategy;
    strategy->setColors(outlineColor, thickness, roundedEdge);
    m_text.reset(strategy);
}

void CanvasHelper::setShadow(ITextStrategy *shadow, ITextStrategy *bandMask, ITextStrategy *shapeMask,
                             const QColor &shadowColor, QPoint offset)
{
    m_shadow.reset(shadow);
    m_bandMask.reset(bandMask);
    m_shapeMask.reset(shapeMask);
    m_shadowColor = shadowColor;
    m_shadowOffset = offset;
}

void CanvasHelper::setOutlineShadow(const QColor &shadowColor, int thickness, QPoint offset)
{
    const int alpha = shadowColor.alpha();
    setShadow(makeFilled<TextOutlineStrategy>(QColor(Qt::transparent), shadowColor, thickness),
              makeFilled<TextOutlineStrategy>(QColor(Qt::transparent), whiteWithAlpha(alpha), thickness),
              makeFilled<TextOutlineStrategy>(whiteWithAlpha(alpha), QColor(Qt::transparent), 0), shadowColor,
              offset);
}

void CanvasHelper::setDiffusedShadow(const QColor &shadowColor, int thickness, QPoint offset)
{
    const int alpha = shadowColor.alpha();
    setShadow(makeFilled<DiffusedShadowStrategy>(QColor(Qt::transparent), shadowColor, thickness, false),
              makeFilled<DiffusedShadowStrategy>(QColor(Qt::transparent), whiteWithAlpha(alpha), thickness, true),
              makeFilled<DiffusedShadowStrategy>(whiteWithAlpha(alpha), QColor(Qt::transparent), thickness, false),
              shadowColor, offset);
}

void CanvasHelper::setExtrudeShadow(const QColor &shadowColor, int thickness, QPoint offset)
{
    const int alpha = shadowColor.alpha();
    setShadow(makeFilled<ExtrudeStrategy>(QColor(Qt::transparent), shadowColor, thickness, offset),
              makeFilled<ExtrudeStrategy>(QColor(Qt::transparent), whiteWithAlpha(alpha), thickness, offset),
              makeFilled<ExtrudeStrategy>(whiteWithAlpha(alpha), QColor(Qt::transparent), thickness, offset),
              shadowColor, offset);
}

void CanvasHelper::clearShadow()
{
    m_shadow.reset();
    m_bandMask.reset();
    m_shapeMask.reset();
}

void CanvasHelper::setGateImage(const QColor &color, int width, int height)
{
    m_gate = std::make_unique<QImage>(width, height, QImage::Format_ARGB32);
    m_gate->fill(color);
}

bool CanvasHelper::draw(QPainter *painter, const QFont &font, const QString &text, QPoint origin)
{
    if (!painter)
        return false;
    if (m_shadowEnabled && m_gate && m_canvas && m_bandMask && m_shapeMask)
        drawShadow(font, text, origin + m_shadowOffset);
    if (!m_text)
        return true;
    painter->setRenderHint(QPainter::Antialiasing, true);
    return m_text->draw(*painter, font, text, origin);
}

void CanvasHelper::drawShadow(const QFont &font, const QString &text, QPoint origin)
{
    // Both masks are white on black, so a pixel's blue byte is the mask's strength there.
    QImage shape(m_canvas->size(), QImage::Format_ARGB32);
    QImage band(m_canvas->size(), QImage::Format_ARGB32);
    shape.fill(Qt::black);
    band.fill(Qt::black);
    {
        QPainter shapePainter(&shape);
        shapePainter.setRenderHint(QPainter::Antialiasing, true);
        m_shapeMask->draw(shapePainter, font, text, origin);
        QPainter bandPainter(&band);
        bandPainter.setRenderHint(QPainter::Antialiasing, true);
        m_bandMask->draw(bandPainter, font, text, origin);
    }
    const QRgb shadowRgb = m_shadowColor.rgb();
    for (int y = 0; y < m_canvas->height(); ++y) {
        const QRgb *shapeLine = reinterpret_cast<const QRgb *>(shape.constScanLine(y));
        const QRgb *bandLine = reinterpret_cast<const QRgb *>(band.constScanLine(y));
        QRgb *canvasLine = reinterpret_cast<QRgb *>(m_canvas->scanLine(y));
        for (int x = 0; x < m_canvas->width(); ++x) {
            // The stronger of the two masks decides.
            const int a = qBlue(shapeLine[x]);
            const int l = qBlue(bandLine[x]);
            const int m = (l != 0 && (a == 0 || a <= l)) ? l : a;
            if (m != 0)
                canvasLine[x] = qRgba(qRed(shadowRgb), qGreen(shadowRgb), qBlue(shadowRgb), m);
        }
    }
}

bool CanvasHelper::measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const
{
    if (!m_text)
        return false;
    m_text->measure(font, text, origin, extent);
    if (!m_shadowEnabled || !m_shadow)
        return true;
    TextExtent shadow;
    m_shadow->measure(font, text, origin, shadow);
    extent.left = shadow.left;
    extent.top = shadow.top;
    if (extent.right <= shadow.right && extent.bottom <= shadow.bottom) {
        extent.right = shadow.right;
        extent.bottom = shadow.bottom;
    }
    return true;
}

}
