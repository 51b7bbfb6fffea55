#pragma once

#include "text/textimplgetheight.h"

namespace QTextDesigner {

// A soft-edged shadow shape: overlapping strokes of growing width, then the glyphs
// filled several times over so that a translucent colour becomes dense inside.
class DiffusedShadowStrategy : public TextImplGetHeight
{
public:
    void set(const QColor &textColor, const QColor &outlineColor, int outlineThickness, bool outlineOnly);

    bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const override;

    QColor textColor = Qt::white;
    QColor outlineColor = Qt::black;
    bool outlineOnly = false;
};

}
