#include "jobs/encoderchoice.h"

QString hardwareEncoderFor(const QString &vCodec, const HardwareChoice &hardware)
{
    return hardware.hardwareEncoder(vCodec);
}

QString videoEncoderFor(const QString &vCodec, const HardwareChoice &hardware)
{
    const QString hardwareEncoder = hardware.hardwareEncoder(vCodec);
    if (!hardwareEncoder.isEmpty())
        return hardwareEncoder;
    if (vCodec == QLatin1String("h264"))
        return QStringLiteral("libx264");
    if (vCodec == QLatin1String("h265"))
        return QStringLiteral("libx265");
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
