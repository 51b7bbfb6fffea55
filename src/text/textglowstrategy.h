#pragma once

#include "text/textimplgetheight.h"

namespace QTextDesigner {

// Glyphs in a glow: strokes of growing width overlap, so a translucent glow
// colour builds up towards the glyphs.
class TextGlowStrategy : public TextImplGetHeight
{
public:
    void set(const GlyphFill &text, const QColor &glowColor, int glowThickness);

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;

    GlyphFill fill;
    QColor glowColor = Qt::black;
};

}
