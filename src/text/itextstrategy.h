#pragma once

#include "text/textgeometry.h"

#include <QFont>
#include <QPoint>
#include <QString>

class QPainter;

namespace QTextDesigner {

// One look of styled text: draws the glyphs of a text and tells the area it covers.
class ITextStrategy
{
public:
    virtual ~ITextStrategy() = default;
    virtual bool draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const = 0;
    virtual bool measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const = 0;
    // How far right of and below the origin the glyphs sit, so that strokes stay inside.
    virtual int glyphMargin() const = 0;
};

}
