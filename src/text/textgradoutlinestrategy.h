#pragma once

#include "text/textimplgetheight.h"

#include <QVector>

namespace QTextDesigner {

// Glyphs with an outline whose colour runs from the start colour at the glyph
// edge to the end colour at the outer edge.
class TextGradOutlineStrategy : public TextImplGetHeight
{
public:
    void set(const GlyphFill &text, const QColor &startColor, const QColor &endColor, int outlineThickness,
             int rampKind);
    enum RampKind { LinearRamp = 0, SineRamp = 1 };


    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;

    // The count colours of the ramp, opaque, index 0 being the start colour.
    QVector<QColor> ramp(int count) const;

    GlyphFill fill;
    QColor startColor = Qt::black;
    QColor endColor = Qt::white;
    int rampKind = LinearRamp;
};

}
