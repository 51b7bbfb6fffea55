#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <QString>

namespace QTextDesigner {

// Left, top, right and bottom of the area a strategy draws on.
struct TextExtent
{
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

// How the glyphs are filled: with a colour, or with a brush when useColor is false.
// Made from either, so every strategy takes a text colour or a brush alike.
struct GlyphFill
{
    GlyphFill(const QColor &textColor = QColor(Qt::white))
        : color(textColor)
    {
    }
    GlyphFill(Qt::GlobalColor textColor)
        : color(textColor)
    {
    }
    GlyphFill(const QBrush &textBrush)
        : brush(textBrush)
        , useColor(false)
    {
    }

    QColor color = Qt::white;
    QBrush brush;
    bool useColor = true;

    QBrush paint() const { return useColor ? QBrush(color) : brush; }
};

// The glyph outlines of every line; line i's baseline lies at
// origin.y + ascent + i * line height + margin, its left edge at origin.x + margin.
QPainterPath glyphPath(const QFont &font, const QString &text, QPoint origin, int margin);

// The area of a text drawn with strokes of the given total thickness: the origin moved in
// by half the thickness, one line height of slack to the right, a thickness more than the lines.
TextExtent thicknessExtent(const QFont &font, const QString &text, QPoint origin, int thickness);
// The same without any stroke.
TextExtent plainExtent(const QFont &font, const QString &text, QPoint origin);

// A solid pen with round caps and joins.
QPen roundPen(const QColor &color, int width);

}
