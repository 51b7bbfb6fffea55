#pragma once

#include "settings/hardwarechoice.h"

#include <QString>

// The video encoder for the format's VCodec: for "h264" and "h265" the hardware encoder the
// choice asks for and the check found, else "libx264" or "libx265"; "libxvid" for "xvid";
// any other codec (a hardware encoder picked by name, "copy") as it stands.
QString videoEncoderFor(const QString &vCodec, const HardwareChoice &hardware);
// Only the hardware part of that choice: empty when the software encoder would be used.
QString hardwareEncoderFor(const QString &vCodec, const HardwareChoice &hardware);

// melt consumer properties for the same choice: "vcodec=..." (empty for an empty VCodec)
// and "acodec=...".
QString meltVideoCodecProperty(const QString &vCodec, const HardwareChoice &hardware);
QString meltAudioCodecProperty(const QString &aCodec);
