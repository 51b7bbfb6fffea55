#pragma once

#include "text/itextstrategy.h"

namespace QTextDesigner {

// Base of the strategies that stroke with one thickness; measures by that thickness.
class TextImplGetHeight : public ITextStrategy
{
public:
    bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const override;

    int thickness = 2;

protected:
    // Offset of the glyphs from the origin, so that strokes stay right and below it.
    int margin() const { return thickness / 2; }
};

}
