#include "text/textoutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

void TextOutlineStrategy::setColors(const QColor &textColor, const QColor &outline, int outlineThickness)
{
    fill.color = textColor;
    fill.useColor = true;
    outlineColor = outline;
    thickness = outlineThickness;
}

void TextOutlineStrategy::setBrush(const QBrush &textBrush, const QColor &outline, int outlineThickness)
{
    fill.brush = textBrush;
    fill.useColor = false;
    outlineColor = outline;
    thickness = outlineThickness;
}

bool TextOutlineStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, margin());
    // A zero-width pen would be Qt's cosmetic hairline, not no outline.
    if (thickness > 0)
        painter.strokePath(path, roundPen(outlineColor, thickness));
    painter.fillPath(path, fill.paint());
    return true;
}

}
