#pragma once

#include "text/itextstrategy.h"

namespace QTextDesigner {

// Copies of the outlined glyphs stepping from the drawing position back towards the
// text by the extrusion offset: a solid, extruded look.
class ExtrudeStrategy : public ITextStrategy
{
public:
    void set(const GlyphFill &text, const QColor &outlineColor, int outlineThickness, QPoint offset);

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;
    bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const override;
    int glyphMargin() const override { return thickness / 2; }

    GlyphFill fill;
    QColor outlineColor = Qt::black;
    int thickness = 2;
    QPoint offset;
};

}
