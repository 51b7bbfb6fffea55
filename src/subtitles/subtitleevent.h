#pragma once

#include <QString>
#include <QtGlobal>

// One subtitle line; the fields follow the ASS "[Events]" columns.
struct SubtitleEvent
{
    qint64 Start = 0; // milliseconds
    qint64 End = 0;   // milliseconds, an end and not a duration
    int ReadOrder = 0;
    int Layer = 0;
    int Style = 1; // 1-based index into the document's styles; 0 = none
    QString Name;
    int MarginL = 0; // margins of 0 take the style's
    int MarginR = 0;
    int MarginV = 0;
    QString Effect;
    QString Text; // ASS form: "\N" breaks lines, override tags stay in braces
};
