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

namespace QTextDesigner {

namespace {

QColor whiteWithAlpha(int alpha)
{
    return QColor(255, 255, 255, alpha);
}

template<typename Strategy, typename... Args>
Strategy *made(const Args &...args)
{
    auto *strategy = new Strategy;
    strategy->set(args...);
    return strategy;
}

}

CanvasHelper::CanvasHelper() = default;
CanvasHelper::~CanvasHelper() = default;

void CanvasHelper::useGlow(const GlyphFill &text, const QColor &glowColor, int thickness)
{
    m_text.reset(made<TextGlowStrategy>(text, glowColor, thickness));
}

void CanvasHelper::useOutline(const GlyphFill &text, const QColor &outlineColor, int thickness)
{
    m_text.reset(made<TextOutlineStrategy>(text, outlineColor, thickness));
}

void CanvasHelper::useDoubleOutline(const GlyphFill &text, const QColor &innerColor, const QColor &outerColor,
                                    int innerThickness, int outerThickness)
{
    m_text.reset(made<TextDblOutlineStrategy>(text, innerColor, outerColor, innerThickness, outerThickness));
}

void CanvasHelper::useDoubleGlow(const GlyphFill &text, const QColor &innerColor, const QColor &glowColor,
                                 int innerThickness, int glowThickness)
{
    m_text.reset(made<TextDblGlowStrategy>(text, innerColor, glowColor, innerThickness, glowThickness));
}

void CanvasHelper::useGradientOutline(const GlyphFill &text, const QColor &startColor, const QColor &endColor,
                                      int thickness, int rampKind)
{
    m_text.reset(made<TextGradOutlineStrategy>(text, startColor, endColor, thickness, rampKind));
}

void CanvasHelper::useNoOutline(const GlyphFill &text)
{
    m_text.reset(made<TextNoOutlineStrategy>(text));
}

void CanvasHelper::useOutlineOnly(const QColor &outlineColor, int thickness, bool roundedEdge)
{
    m_text.reset(made<TextOnlyOutlineStrategy>(outlineColor, thickness, roundedEdge));
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
    setShadow(made<TextOutlineStrategy>(QColor(Qt::transparent), shadowColor, thickness),
              made<TextOutlineStrategy>(QColor(Qt::transparent), whiteWithAlpha(alpha), thickness),
              made<TextOutlineStrategy>(whiteWithAlpha(alpha), QColor(Qt::transparent), 0), shadowColor,
              offset);
}

void CanvasHelper::setDiffusedShadow(const QColor &shadowColor, int thickness, QPoint offset)
{
    const int alpha = shadowColor.alpha();
    setShadow(made<DiffusedShadowStrategy>(QColor(Qt::transparent), shadowColor, thickness, false),
              made<DiffusedShadowStrategy>(QColor(Qt::transparent), whiteWithAlpha(alpha), thickness, true),
              made<DiffusedShadowStrategy>(whiteWithAlpha(alpha), QColor(Qt::transparent), thickness, false),
              shadowColor, offset);
}

void CanvasHelper::setExtrudeShadow(const QColor &shadowColor, int thickness, QPoint offset)
{
    const int alpha = shadowColor.alpha();
    setShadow(made<ExtrudeStrategy>(QColor(Qt::transparent), shadowColor, thickness, offset),
              made<ExtrudeStrategy>(QColor(Qt::transparent), whiteWithAlpha(alpha), thickness, offset),
              made<ExtrudeStrategy>(whiteWithAlpha(alpha), QColor(Qt::transparent), thickness, offset),
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
        drawShadow(font, text, origin);
    if (!m_text)
        return true;
    painter->setRenderHint(QPainter::Antialiasing, true);
    return m_text->draw(*painter, font, text, origin);
}

QPoint CanvasHelper::shadowOrigin(const ITextStrategy &shadow, QPoint textOrigin) const
{
    const int textMargin = m_text ? m_text->glyphMargin() : 0;
    const int shift = textMargin - shadow.glyphMargin();
    return textOrigin + m_shadowOffset + QPoint(shift, shift);
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
        m_shapeMask->draw(shapePainter, font, text, shadowOrigin(*m_shapeMask, origin));
        QPainter bandPainter(&band);
        bandPainter.setRenderHint(QPainter::Antialiasing, true);
        m_bandMask->draw(bandPainter, font, text, shadowOrigin(*m_bandMask, origin));
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
    m_shadow->measure(font, text, shadowOrigin(*m_shadow, origin), shadow);
    extent.left = qMin(extent.left, shadow.left);
    extent.top = qMin(extent.top, shadow.top);
    extent.right = qMax(extent.right, shadow.right);
    extent.bottom = qMax(extent.bottom, shadow.bottom);
    return true;
}

}
