#include "text/textdblglowstrategy.h"

#include "text/textdbloutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

void TextDblGlowStrategy::setColors(const QColor &textColor, const QColor &inner, const QColor &glow,
                                    int innerWidth, int glowWidth)
{
    fill.color = textColor;
    fill.useColor = true;
    setOutlines(inner, glow, innerWidth, glowWidth);
}

void TextDblGlowStrategy::setBrush(const QBrush &textBrush, const QColor &inner, const QColor &glow,
                                   int innerWidth, int glowWidth)
{
    fill.brush = textBrush;
    fill.useColor = false;
    setOutlines(inner, glow, innerWidth, glowWidth);
}

void TextDblGlowStrategy::setOutlines(const QColor &inner, const QColor &glow, int innerWidth, int glowWidth)
{
    innerColor = inner;
    glowColor = glow;
    innerThickness = innerWidth;
    glowThickness = glowWidth;
}

bool TextDblGlowStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, doubleOutlineMargin(innerThickness, glowThickness));
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
