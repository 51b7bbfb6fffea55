#pragma once

#include "text/itextstrategy.h"

namespace QTextDesigner {

// Glyphs with an inner outline inside a wider outer one.
class TextDblOutlineStrategy : public ITextStrategy
{
public:
    void set(const GlyphFill &text, const QColor &innerColor, const QColor &outerColor, int innerThickness,
             int outerThickness);

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;
    bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const override;
    int glyphMargin() const override;

    GlyphFill fill;
    QColor innerColor = Qt::black;
    QColor outerColor = Qt::white;
    int innerThickness = 2;
    int outerThickness = 2;
};

// Half the combined width of two outlines, halves rounded up: how far the glyphs sit
// from the origin when two outlines surround them.
int doubleOutlineMargin(int innerThickness, int outerThickness);

}
