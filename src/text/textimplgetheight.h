#pragma once

#include "text/itextstrategy.h"

namespace QTextDesigner {

// Base of the strategies that stroke with one thickness; measures by that thickness.
class TextImplGetHeight : public ITextStrategy
{
public:
    bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const override;
    int glyphMargin() const override { return thickness / 2; }

    int thickness = 2;
};

}
