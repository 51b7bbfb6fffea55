#pragma once

#include "text/itextstrategy.h"

namespace QTextDesigner {

// Filled glyphs, nothing else.
class TextNoOutlineStrategy : public ITextStrategy
{
public:
    void set(const GlyphFill &text) { fill = text; }

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;
    bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const override;
    int glyphMargin() const override { return 0; }

    GlyphFill fill;
};

}
