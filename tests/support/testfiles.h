#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TestFiles {

// Writes the content to the path, replacing the file; the path, or empty when it cannot.
inline QString write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

// One subtitle line, "Hello" from 0.5 to 1.5 s, as SRT and as ASS for a 320 x 240 picture.
inline QByteArray helloSrt()
{
    return "1\n00:00:00,500 --> 00:00:01,500\nHello\n";
}

inline QByteArray helloAss()
{
    return "[Script Info]\nScriptType: v4.00+\nPlayResX: 320\nPlayResY: 240\n\n"
           "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
           "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, "
           "Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
           "Style: Default,Arial,20,&H00FFFFFF,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,1,0,"
           "2,10,10,10,1\n\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, "
           "Effect, Text\nDialogue: 0,0:00:00.50,0:00:01.50,Default,,0,0,0,,Hello\n";
}

// An ASS subtitle that libass reads, without events.
inline QByteArray emptyAss()
{
    return "[Script Info]\nScriptType: v4.00+\n\n[Events]\nFormat: Layer, Start, End, Style, Text\n";
}

}
