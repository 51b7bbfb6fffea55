#pragma once

#include "text/itextstrategy.h"

namespace QTextDesigner {

// Glyphs with an inner outline and a glow around it.
class TextDblGlowStrategy : public ITextStrategy
{
public:
    void set(const GlyphFill &text, const QColor &innerColor, const QColor &glowColor, int innerThickness,
             int glowThickness);

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;
    bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const override;
    int glyphMargin() const override;

    GlyphFill fill;
    QColor innerColor = Qt::black;
    QColor glowColor = Qt::white;
    int innerThickness = 2;
    int glowThickness = 2;
};

}
