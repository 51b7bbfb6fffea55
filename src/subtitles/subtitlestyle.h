#pragma once

#include <QString>
#include <QtGlobal>

// One ASS style, fields in the order of the "Style:" line. A fresh record is
// the style every new document starts with.
struct SubtitleStyle
{
    QString Name = QStringLiteral("Default");
    QString FontName = QStringLiteral("Arial");
    double FontSize = 18;
    // 0xRRGGBBAA; the low byte is the transparency (0 opaque, 255 invisible)
    quint32 PrimaryColour = 0xffffff00;
    quint32 SecondaryColour = 0x00ffff00;
    quint32 OutlineColour = 0;
    quint32 BackColour = 0x00000080;
    int Bold = 200; // 0 off; -1, 1 or a weight on
    int Italic = 0;
    int Underline = 0;
    int StrikeOut = 0;
    double ScaleX = 1.0; // 1.0 = 100 %
    double ScaleY = 1.0;
    double Spacing = 0;
    double Angle = 0;
    int BorderStyle = 0;
    double Outline = 2;
    double Shadow = 3;
    int Alignment = 2; // numeric keypad 1-9
    int MarginL = 20;
    int MarginR = 20;
    int MarginV = 20;
    int Encoding = 1;
};
