#include "text/textnooutlinestrategy.h"

#include <QPainter>

namespace QTextDesigner {

bool TextNoOutlineStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    painter.fillPath(glyphPath(font, text, origin, glyphMargin()), fill.paint());
    return true;
}

bool TextNoOutlineStrategy::measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const
{
    extent = plainExtent(font, text, origin);
    return true;
}

}
