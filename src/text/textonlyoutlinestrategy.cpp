#include "text/textonlyoutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

void TextOnlyOutlineStrategy::set(const QColor &outline, int outlineThickness, bool rounded)
{
    outlineColor = outline;
    thickness = outlineThickness;
    roundedEdge = rounded;
}

bool TextOnlyOutlineStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    if (thickness <= 0)
        return true;
    const QPainterPath path = glyphPath(font, text, origin, glyphMargin());
    // Without rounded edges the pen keeps Qt's square caps and bevel joins: crisp corners.
    const QPen pen = roundedEdge ? roundPen(outlineColor, thickness) : QPen(QBrush(outlineColor), thickness);
    painter.strokePath(path, pen);
    return true;
}

}
