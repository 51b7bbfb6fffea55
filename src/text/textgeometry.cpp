#include "text/textgeometry.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace QTextDesigner {

namespace {

float widestLine(const QFontMetricsF &metrics, const QStringList &lines)
{
    qreal widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return float(widest);
}

QStringList linesOf(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
}

}

QPainterPath glyphPath(const QFont &font, const QString &text, QPoint origin, int margin)
{
    const QFontMetricsF metrics(font);
    QPainterPath path;
    const QStringList lines = linesOf(text);
    for (int i = 0; i < lines.size(); ++i) {
        const qreal baseline = origin.y() + metrics.ascent() + i * metrics.lineSpacing() + margin;
        path.addText(QPointF(origin.x() + margin, baseline), font, lines.at(i));
    }
    return path;
}

TextExtent thicknessExtent(const QFont &font, const QString &text, QPoint origin, int thickness)
{
    const QFontMetricsF metrics(font);
    const QStringList lines = linesOf(text);
    const float half = std::round(thickness * 0.5f);
    const float lineHeight = float(metrics.lineSpacing());
    TextExtent extent;
    extent.left = origin.x() + half;
    extent.top = origin.y() + half;
    extent.right = extent.left + thickness + widestLine(metrics, lines) + lineHeight;
    extent.bottom = extent.top + thickness + lineHeight * lines.size();
    return extent;
}

TextExtent plainExtent(const QFont &font, const QString &text, QPoint origin)
{
    const QFontMetricsF metrics(font);
    const QStringList lines = linesOf(text);
    const float lineHeight = float(metrics.lineSpacing());
    TextExtent extent;
    extent.left = origin.x();
    extent.top = origin.y();
    extent.right = origin.x() + widestLine(metrics, lines) + lineHeight;
    extent.bottom = origin.y() + lineHeight * lines.size();
    return extent;
}

QPen roundPen(const QColor &color, int width)
{
    return QPen(QBrush(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}
