#include "text/textdbloutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

void TextDblOutlineStrategy::set(const GlyphFill &text, const QColor &inner, const QColor &outer, int innerWidth,
                                 int outerWidth)
{
    fill = text;
    innerColor = inner;
    outerColor = outer;
    innerThickness = innerWidth;
    outerThickness = outerWidth;
}

int doubleOutlineMargin(int innerThickness, int outerThickness)
{
    return (innerThickness + outerThickness + 1) / 2;
}

int TextDblOutlineStrategy::glyphMargin() const
{
    return doubleOutlineMargin(innerThickness, outerThickness);
}

bool TextDblOutlineStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, glyphMargin());
    if (innerThickness + outerThickness > 0)
        painter.strokePath(path, roundPen(outerColor, innerThickness + outerThickness));
    if (innerThickness > 0)
        painter.strokePath(path, roundPen(innerColor, innerThickness));
    painter.fillPath(path, fill.paint());
    return true;
}

bool TextDblOutlineStrategy::measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const
{
    extent = thicknessExtent(font, text, origin, innerThickness + outerThickness);
    return true;
}

}
