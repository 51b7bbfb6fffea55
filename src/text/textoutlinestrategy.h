#pragma once

#include "text/textimplgetheight.h"

namespace QTextDesigner {

// Glyphs with one outline around them.
class TextOutlineStrategy : public TextImplGetHeight
{
public:
    void set(const GlyphFill &text, const QColor &outlineColor, int outlineThickness);

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;

    GlyphFill fill;
    QColor outlineColor = Qt::black;
};

}
