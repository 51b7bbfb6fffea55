#include "text/textdbloutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

int doubleOutlineMargin(int innerThickness, int outerThickness)
{
    return (innerThickness + outerThickness + 1) / 2;
}

void TextDblOutlineStrategy::setColors(const QColor &textColor, const QColor &inner, const QColor &outer,
                                       int innerWidth, int outerWidth)
{
    fill.color = textColor;
    fill.useColor = true;
    setOutlines(inner, outer, innerWidth, outerWidth);
}

void TextDblOutlineStrategy::setBrush(const QBrush &textBrush, const QColor &inner, const QColor &outer,
                                      int innerWidth, int outerWidth)
{
    fill.brush = textBrush;
    fill.useColor = false;
    setOutlines(inner, outer, innerWidth, outerWidth);
}

void TextDblOutlineStrategy::setOutlines(const QColor &inner, const QColor &outer, int innerWidth, int outerWidth)
{
    innerColor = inner;
    outerColor = outer;
    innerThickness = innerWidth;
    outerThickness = outerWidth;
}

bool TextDblOutlineStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path =
        glyphPath(font, text, origin, doubleOutlineMargin(innerThickness, outerThickness));
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
