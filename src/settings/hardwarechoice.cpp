#include "settings/hardwarechoice.h"

#include "settings/configsystem.h"

namespace {

const HardwareFamily kFamilies[] = {HardwareFamily::Qsv, HardwareFamily::Amf, HardwareFamily::VideoToolbox,
                                    HardwareFamily::Nvidia};

struct FamilyEncoders
{
    bool h264;
    bool h265;
    const char *suffix;
};

FamilyEncoders encodersOf(const HardwareChoice &choice, HardwareFamily family)
{
    switch (family) {
    case HardwareFamily::Qsv: return {choice.h264QSV, choice.h265QSV, "_qsv"};
    case HardwareFamily::Amf: return {choice.h264AMF, choice.h265AMF, "_amf"};
    case HardwareFamily::VideoToolbox: return {choice.h264VTB, choice.h265VTB, "_videotoolbox"};
    case HardwareFamily::Nvidia: break;
    }
    return {choice.h264NV, choice.h265NV, "_nvenc"};
}

// The family's encoder for "h264" or "h265" when the check found it; empty otherwise.
QString encoderOf(const HardwareChoice &choice, HardwareFamily family, const QString &vCodec)
{
    const FamilyEncoders encoders = encodersOf(choice, family);
    if (vCodec == QLatin1String("h264") && encoders.h264)
        return QStringLiteral("h264") + QLatin1String(encoders.suffix);
    if (vCodec == QLatin1String("h265") && encoders.h265)
        return QStringLiteral("hevc") + QLatin1String(encoders.suffix);
    return QString();
}

}

QList<HardwareFamily> HardwareChoice::foundFamilies() const
{
    QList<HardwareFamily> found;
    for (HardwareFamily family : kFamilies) {
        const FamilyEncoders encoders = encodersOf(*this, family);
        if (encoders.h264 || encoders.h265)
            found << family;
    }
    return found;
}

std::optional<HardwareFamily> HardwareChoice::preferredFamily() const
{
    const QList<HardwareFamily> found = foundFamilies();
    if (found.isEmpty())
        return std::nullopt;
    return priorityUse >= 0 && priorityUse < found.size() ? found.at(priorityUse) : found.first();
}

QStringList HardwareChoice::foundEncoders(const QString &vCodec) const
{
    QStringList names;
    for (HardwareFamily family : kFamilies) {
        const QString name = encoderOf(*this, family, vCodec);
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

QString HardwareChoice::hardwareEncoder(const QString &vCodec) const
{
    if (!useHA)
        return QString();
    const std::optional<HardwareFamily> preferred = preferredFamily();
    if (preferred) {
        const QString name = encoderOf(*this, *preferred, vCodec);
        if (!name.isEmpty())
            return name;
    }
    const QStringList others = foundEncoders(vCodec);
    return others.value(0);
}

HardwareChoice HardwareChoice::from(const ConfigSystem &system)
{
    HardwareChoice choice;
    choice.useHA = system.useHA;
    choice.priorityUse = system.priorityUse;
    choice.h264QSV = system.h264QSV;
    choice.h265QSV = system.h265QSV;
    choice.h264AMF = system.h264AMF;
    choice.h265AMF = system.h265AMF;
    choice.h264VTB = system.h264VTB;
    choice.h265VTB = system.h265VTB;
    choice.h264NV = system.h264NV;
    choice.h265NV = system.h265NV;
    return choice;
}
