#pragma once

#include "text/textimplgetheight.h"

namespace QTextDesigner {

// The outline of the glyphs alone, unfilled.
class TextOnlyOutlineStrategy : public TextImplGetHeight
{
public:
    void set(const QColor &outlineColor, int outlineThickness, bool roundedEdge);

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;

    QColor outlineColor = Qt::black;
    bool roundedEdge = false;
};

}
