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

// An ASS subtitle that libass reads, without events.
inline QByteArray emptyAss()
{
    return "[Script Info]\nScriptType: v4.00+\n\n[Events]\nFormat: Layer, Start, End, Style, Text\n";
}

}
