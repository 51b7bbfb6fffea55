#include "text/extrudestrategy.h"

#include <QPainter>

#include <cstdlib>

namespace QTextDesigner {

void ExtrudeStrategy::set(const GlyphFill &text, const QColor &outline, int outlineThickness, QPoint extrusion)
{
    fill = text;
    outlineColor = outline;
    thickness = outlineThickness;
    offset = extrusion;
}

bool ExtrudeStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    // The smaller offset sets the count, so a purely horizontal or vertical offset draws nothing.
    const int copies = qMin(std::abs(offset.x()), std::abs(offset.y()));
    if (copies <= 0)
        return true;
    const QPainterPath path = glyphPath(font, text, QPoint(0, 0), glyphMargin());
    const QPen pen = roundPen(outlineColor, thickness);
    for (int k = 0; k < copies; ++k) {
        // Copy k sits k/copies of the offset back from the drawing position, towards the text.
        const QPointF shift(origin.x() - double(offset.x()) * k / copies,
                            origin.y() - double(offset.y()) * k / copies);
        const QPainterPath copy = path.translated(shift);
        if (thickness > 0)
            painter.strokePath(copy, pen);
        painter.fillPath(copy, fill.paint());
    }
    return true;
}

bool ExtrudeStrategy::measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const
{
    extent = thicknessExtent(font, text, origin, thickness);
    return true;
}

}
