#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class ConfigFormat;

// Small pieces shared by the merge, split and soundtrack command lines.
namespace CommandParts {

// The format's container when it names one, else the input's suffix after its last ".".
QString outputExtension(const ConfigFormat &format, const QString &input);
bool isAudioOnly(const QString &extension);
bool isCopy(const QString &codec);

// The output folder, "/" and the input's complete base name.
QString outputStem(const QString &outPath, const QString &input);

// One melt producer: the path and its in and out positions.
QStringList meltProducer(const QString &path, qint64 start, qint64 end);

// The integer a setting text starts with ("128 kbps" gives 128); 0 when there is none.
int leadingInteger(const QString &text);
// The audio filter that plays the sound at a percentage of its loudness ("volume=1.5" for
// 150); empty at 100, where the sound stays as it is. ffmpeg 7 has no "-vol" option.
QString volumeFilter(int percent);
// The "WxH" a size setting starts with ("1920x1080 (1080p)" gives "1920x1080").
QString frameSizeOf(const QString &sizeSetting);

}
