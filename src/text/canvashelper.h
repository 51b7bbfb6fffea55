#pragma once

#include "text/itextstrategy.h"

#include <QImage>

#include <memory>

namespace QTextDesigner {

// Holds the text strategy in use and an optional shadow, and draws both into an image.
// The shadow takes three strategies: its own look (for measuring), a band around the
// glyphs and the glyphs' shape; the two masks give each shadow pixel its alpha.
class CanvasHelper
{
public:
    CanvasHelper();
    virtual ~CanvasHelper();
    CanvasHelper(const CanvasHelper &) = delete;
    CanvasHelper &operator=(const CanvasHelper &) = delete;

    // Text strategy selection; the glyph fill is a text colour or a brush.
    void useGlow(const GlyphFill &text, const QColor &glowColor, int thickness);
    void useOutline(const GlyphFill &text, const QColor &outlineColor, int thickness);
    void useDoubleOutline(const GlyphFill &text, const QColor &innerColor, const QColor &outerColor,
                          int innerThickness, int outerThickness);
    void useDoubleGlow(const GlyphFill &text, const QColor &innerColor, const QColor &glowColor,
                       int innerThickness, int glowThickness);
    void useGradientOutline(const GlyphFill &text, const QColor &startColor, const QColor &endColor, int thickness,
                            int rampKind);
    void useNoOutline(const GlyphFill &text);
    void useOutlineOnly(const QColor &outlineColor, int thickness, bool roundedEdge);

    void setOutlineShadow(const QColor &shadowColor, int thickness, QPoint offset);
    void setDiffusedShadow(const QColor &shadowColor, int thickness, QPoint offset);
    void setExtrudeShadow(const QColor &shadowColor, int thickness, QPoint offset);
    void clearShadow();
    void setShadowEnabled(bool enabled) { m_shadowEnabled = enabled; }

    // The image that draw() writes into; the caller keeps it (Format_ARGB32).
    void setImage(QImage *canvas) { m_canvas = canvas; }
    // The shadow is drawn only while a gate image exists.
    void setGateImage(const QColor &color, int width, int height);

    // Shadow first, its glyphs at the text's glyphs moved by the shadow offset, then the text
    // at the origin.
    bool draw(QPainter *painter, const QFont &font, const QString &text, QPoint origin);
    // The area of the text and, when enabled, of its shadow.
    bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const;

    const ITextStrategy *textStrategy() const { return m_text.get(); }

private:
    void setShadow(ITextStrategy *shadow, ITextStrategy *bandMask, ITextStrategy *shapeMask,
                   const QColor &shadowColor, QPoint offset);
    void drawShadow(const QFont &font, const QString &text, QPoint origin);
    // Where a shadow strategy draws so that its glyphs sit at the text's moved by the offset.
    QPoint shadowOrigin(const ITextStrategy &shadow, QPoint textOrigin) const;

    std::unique_ptr<ITextStrategy> m_text;
    std::unique_ptr<ITextStrategy> m_shadow;
    std::unique_ptr<ITextStrategy> m_bandMask;
    std::unique_ptr<ITextStrategy> m_shapeMask;
    QPoint m_shadowOffset;
    QColor m_shadowColor = Qt::black;
    std::unique_ptr<QImage> m_gate;
    QImage *m_canvas = nullptr;
    bool m_shadowEnabled = false;
};

}
