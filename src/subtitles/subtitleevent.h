#pragma once

#include <QString>
#include <QtGlobal>

// One subtitle line; the fields are the ASS "[Events]" columns, the strings
// last so that the record packs without gaps.
struct SubtitleEvent
{
    qint64 Start = 0; // milliseconds
    qint64 End = 0;   // milliseconds, an end and not a duration
    int ReadOrder = 0;
    int Layer = 0;
    int Style = 1; // 1-based index into the document's styles; 0 = none
    int MarginL = 0; // margins of 0 take the style's
    int MarginR = 0;
    int MarginV = 0;
    QString Name;
    QString Effect;
    QString Text; // "\N" breaks lines; ASS override tags, or SRT's tags for an SRT document
};
// Films have a hundred thousand lines: the list may move them with realloc.
Q_DECLARE_TYPEINFO(SubtitleEvent, Q_MOVABLE_TYPE);
