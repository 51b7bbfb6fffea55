#include "text/textoutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

void TextOutlineStrategy::set(const GlyphFill &text, const QColor &outline, int outlineThickness)
{
    fill = text;
    outlineColor = outline;
    thickness = outlineThickness;
}

bool TextOutlineStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, glyphMargin());
    // A zero-width pen would be Qt's cosmetic hairline, not no outline.
    if (thickness > 0)
        painter.strokePath(path, roundPen(outlineColor, thickness));
    painter.fillPath(path, fill.paint());
    return true;
}

}
