#include "text/textglowstrategy.h"

#include <QPainter>

namespace QTextDesigner {

void TextGlowStrategy::set(const GlyphFill &text, const QColor &glow, int glowThickness)
{
    fill = text;
    glowColor = glow;
    thickness = glowThickness;
}

bool TextGlowStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, glyphMargin());
    for (int width = 1; width <= thickness; ++width)
        painter.strokePath(path, roundPen(glowColor, width));
    painter.fillPath(path, fill.paint());
    return true;
}

}
