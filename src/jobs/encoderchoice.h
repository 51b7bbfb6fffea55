#pragma once

#include "settings/hardwarechoice.h"

#include <QString>

// The video encoder for the format's VCodec: "libx264", "h264_qsv", "libxvid", or the
// codec as it stands. Empty when hardware encoding is asked for but nothing matches,
// in which case no encoder option is written.
QString videoEncoderFor(const QString &vCodec, const HardwareChoice &hardware);

// melt consumer properties for the same choice: "vcodec=..." (empty when none applies)
// and "acodec=...".
QString meltVideoCodecProperty(const QString &vCodec, const HardwareChoice &hardware);
QString meltAudioCodecProperty(const QString &aCodec);
