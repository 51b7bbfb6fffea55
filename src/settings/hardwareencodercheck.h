#pragma once

#include <QString>
#include <QStringList>

class ConfigSystem;

// Finds the hardware encoders the transcoding engine can use by asking it to
// encode one frame with each. A success sets the encoder's flag; nothing is
// ever cleared. The preferred family stays the one it was.
class HardwareEncoderCheck
{
public:
    static QString defaultEngine();
    static QStringList probeArguments(const QString &encoder);
    static void run(ConfigSystem &settings, const QString &enginePath);
};
