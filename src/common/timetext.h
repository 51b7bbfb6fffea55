#pragma once

#include <QString>
#include <QtGlobal>

// The time texts that travel on engine command lines and in engine progress lines.
namespace TimeText {

// "HH:mm:ss.hh" (hundredths after the point), as ffmpeg prints times and as the conversion
// run passes durations; malformed or negative text gives 0.
qint64 engineTextToMicroseconds(const QString &text);
QString microsecondsToEngineText(qint64 microseconds);

// melt position text "HH:mm:ss:hh": hundredths after the last colon.
QString microsecondsToMeltPosition(qint64 microseconds);

}
