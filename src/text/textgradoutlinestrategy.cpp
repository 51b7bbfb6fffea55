#include "text/textgradoutlinestrategy.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace QTextDesigner {

namespace {

QColor opaque(const QColor &color)
{
    QColor result = color;
    result.setAlpha(255);
    return result;
}

int mixChannel(int start, int end, double k)
{
    return qBound(0, int(start * k + end * (1.0 - k)), 255);
}

}

void TextGradOutlineStrategy::set(const GlyphFill &text, const QColor &start, const QColor &end,
                                  int outlineThickness, int kind)
{
    fill = text;
    startColor = opaque(start);
    endColor = opaque(end);
    thickness = outlineThickness;
    rampKind = kind;
}

QVector<QColor> TextGradOutlineStrategy::ramp(int count) const
{
    QVector<QColor> colors;
    if (count <= 0)
        return colors;
    if (rampKind == SineRamp) {
        for (int i = 0; i < count; ++i) {
            const double k = 1.0 - std::sin(double(i) / count * M_PI / 2.0);
            colors.append(QColor(mixChannel(startColor.red(), endColor.red(), k),
                                 mixChannel(startColor.green(), endColor.green(), k),
                                 mixChannel(startColor.blue(), endColor.blue(), k)));
        }
        return colors;
    }
    QImage strip(count, 1, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    // Pixels sample the gradient at their centres; shifting it by half a pixel puts
    // colour i at i/count of the way, so the first colour is the start colour itself.
    QLinearGradient gradient(0.5, 0, count + 0.5, 0);
    gradient.setColorAt(0, startColor);
    gradient.setColorAt(1, endColor);
    painter.fillRect(strip.rect(), gradient);
    painter.end();
    for (int i = 0; i < count; ++i)
        colors.append(opaque(strip.pixelColor(i, 0)));
    return colors;
}

bool TextGradOutlineStrategy::draw(QPainter &painter, const QFont &font, const QString &text, QPoint origin) const
{
    const QPainterPath path = glyphPath(font, text, origin, glyphMargin());
    const QVector<QColor> colors = ramp(thickness);
    // Widest first: each narrower stroke paints its colour nearer the glyphs.
    for (int width = thickness; width >= 1; --width)
        painter.strokePath(path, roundPen(colors.at(width - 1), width));
    painter.fillPath(path, fill.paint());
    return true;
}

}
