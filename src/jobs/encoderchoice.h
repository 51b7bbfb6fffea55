#pragma once

#include <QString>

class ConfigSystem;

// The hardware-encoder choice of the system settings, as a plain value.
struct HardwareChoice
{
    bool useHA = false;
    int priorityUse = 0; // 0 first available of QSV, AMF, VideoToolbox, NVENC; 1 NVENC only
    bool h264QSV = false;
    bool h265QSV = false;
    bool h264AMF = false;
    bool h265AMF = false;
    bool h264VTB = false;
    bool h265VTB = false;
    bool h264NV = false;
    bool h265NV = false;

    static HardwareChoice from(const ConfigSystem &system);
};

// The video encoder for the format's VCodec: "libx264", "h264_qsv", "libxvid", or the
// codec as it stands. Empty when hardware encoding is asked for but nothing matches,
// in which case no encoder option is written.
QString videoEncoderFor(const QString &vCodec, const HardwareChoice &hardware);

// melt consumer properties for the same choice: "vcodec=..." (empty when none applies)
// and "acodec=...".
QString meltVideoCodecProperty(const QString &vCodec, const HardwareChoice &hardware);
QString meltAudioCodecProperty(const QString &aCodec);
