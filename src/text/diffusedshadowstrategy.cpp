#include "text/diffusedshadowstrategy.h"

#include <QPainter>

namespace QTextDesigner {

void DiffusedShadowStrategy::set(const QColor &text, const QColor &outline, int outlineThickness, bool onlyOutline)
{
    textColor = text;
    outlineColor = outline;
    thickness = outlineThickness;
    outlineOnly = onlyOutline;
}

bool DiffusedShadowStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, glyphMargin());
    for (int width = 1; width <= thickness; ++width)
        painter.strokePath(path, roundPen(outlineColor, width));
    const int fills = outlineOnly ? 1 : qMax(1, thickness);
    for (int i = 0; i < fills; ++i)
        painter.fillPath(path, textColor);
    return true;
}

}
