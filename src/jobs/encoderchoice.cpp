#include "jobs/encoderchoice.h"

namespace {

struct HardwareEncoders
{
    bool qsv;
    bool amf;
    bool vtb;
    bool nv;
    const char *qsvName;
    const char *amfName;
    const char *vtbName;
    const char *nvName;
    const char *softwareName;
};

QString pick(const HardwareEncoders &encoders, const HardwareChoice &hardware)
{
    if (!hardware.useHA)
        return QLatin1String(encoders.softwareName);
    if (hardware.priorityUse == 1)
        return encoders.nv ? QLatin1String(encoders.nvName) : QString();
    if (hardware.priorityUse != 0)
        return QString();
    if (encoders.qsv)
        return QLatin1String(encoders.qsvName);
    if (encoders.amf)
        return QLatin1String(encoders.amfName);
    if (encoders.vtb)
        return QLatin1String(encoders.vtbName);
    if (encoders.nv)
        return QLatin1String(encoders.nvName);
    return QString();
}

}

QString videoEncoderFor(const QString &vCodec, const HardwareChoice &hardware)
{
    if (vCodec == QLatin1String("h264"))
        return pick({hardware.h264QSV, hardware.h264AMF, hardware.h264VTB, hardware.h264NV, "h264_qsv", "h264_amf",
                     "h264_videotoolbox", "h264_nvenc", "libx264"},
                    hardware);
    if (vCodec == QLatin1String("h265"))
        return pick({hardware.h265QSV, hardware.h265AMF, hardware.h265VTB, hardware.h265NV, "hevc_qsv", "hevc_amf",
                     "hevc_videotoolbox", "hevc_nvenc", "libx265"},
                    hardware);
    if (vCodec == QLatin1String("xvid"))
        return QStringLiteral("libxvid");
    return vCodec;
}

QString meltVideoCodecProperty(const QString &vCodec, const HardwareChoice &hardware)
{
    const QString encoder = videoEncoderFor(vCodec, hardware);
    return encoder.isEmpty() ? QString() : QStringLiteral("vcodec=") + encoder;
}

QString meltAudioCodecProperty(const QString &aCodec)
{
    return QStringLiteral("acodec=") + (aCodec == QLatin1String("mp3") ? QStringLiteral("libmp3lame") : aCodec);
}
