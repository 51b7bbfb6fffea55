#include "text/textdblglowstrategy.h"

#include "text/textdbloutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

void TextDblGlowStrategy::set(const GlyphFill &text, const QColor &inner, const QColor &glow, int innerWidth,
                              int glowWidth)
{
    fill = text;
    innerColor = inner;
    glowColor = glow;
    innerThickness = innerWidth;
    glowThickness = glowWidth;
}

int TextDblGlowStrategy::glyphMargin() const
{
    return doubleOutlineMargin(innerThickness, glowThickness);
}

bool TextDblGlowStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, glyphMargin());
    for (int width = qMax(1, innerThickness); width <= innerThickness + glowThickness; ++width)
        painter.strokePath(path, roundPen(glowColor, width));
    if (innerThickness > 0)
        painter.strokePath(path, roundPen(innerColor, innerThickness));
    painter.fillPath(path, fill.paint());
    return true;
}

bool TextDblGlowStrategy::measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const
{
    extent = thicknessExtent(font, text, origin, innerThickness + glowThickness);
    return true;
}

}
