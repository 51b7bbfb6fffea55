#pragma once

#include "subtitles/subtitleevent.h"
#include "subtitles/subtitleparser.h"

#include <QStringList>

namespace SubtitleStyles {

// Every field of a style in one line, so that QCOMPARE names the field that differs.
// Flags count as on or off: libass reads every "on" (-1, 1 or a weight) back as 1.
inline QString described(const SubtitleStyle &s)
{
    const auto number = [](double value) { return QString::number(value); };
    const auto colour = [](quint32 value) { return QString::number(value, 16); };
    return QStringList{s.Name, s.FontName, number(s.FontSize), colour(s.PrimaryColour), colour(s.SecondaryColour),
                       colour(s.OutlineColour), colour(s.BackColour), number(s.Bold != 0), number(s.Italic != 0),
                       number(s.Underline != 0), number(s.StrikeOut != 0), number(s.ScaleX), number(s.ScaleY),
                       number(s.Spacing), number(s.Angle), number(s.BorderStyle), number(s.Outline),
                       number(s.Shadow), number(s.Alignment), number(s.MarginL), number(s.MarginR),
                       number(s.MarginV), number(s.Encoding)}
        .join(QLatin1Char('|'));
}

// Every field of a line in one line, for the same reason.
inline QString described(const SubtitleEvent &e)
{
    return QStringList{QString::number(e.Start), QString::number(e.End), QString::number(e.ReadOrder),
                       QString::number(e.Layer), QString::number(e.Style), e.Name, QString::number(e.MarginL),
                       QString::number(e.MarginR), QString::number(e.MarginV), e.Effect, e.Text}
        .join(QLatin1Char('|'));
}

// One line per style or per subtitle line.
template<typename Item>
QStringList described(const QVector<Item> &items)
{
    QStringList lines;
    for (const Item &item : items)
        lines << described(item);
    return lines;
}

}
