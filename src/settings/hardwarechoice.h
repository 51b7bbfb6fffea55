#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class ConfigSystem;

// The hardware encoder families, in the order the options dialog lists those found.
enum class HardwareFamily { Qsv, Amf, VideoToolbox, Nvidia };

// The hardware encoders the check found, and whether and in which order the system settings
// use them, as a plain value.
struct HardwareChoice
{
    bool useHA = false;
    // The preferred family, as its place in foundFamilies(): the options dialog's list.
    int priorityUse = 0;
    bool h264QSV = false;
    bool h265QSV = false;
    bool h264AMF = false;
    bool h265AMF = false;
    bool h264VTB = false;
    bool h265VTB = false;
    bool h264NV = false;
    bool h265NV = false;

    // The families with at least one encoder found.
    QList<HardwareFamily> foundFamilies() const;
    // The family priorityUse points at; the first found when it points past the list.
    std::optional<HardwareFamily> preferredFamily() const;
    // The found encoders for "h264" or "h265", in the families' order ("h264_qsv", "h264_nvenc").
    QStringList foundEncoders(const QString &vCodec) const;
    // With hardware in use, the encoder for "h264" or "h265" of the preferred family, else of
    // the first other found family that has one; empty when none applies.
    QString hardwareEncoder(const QString &vCodec) const;

    static HardwareChoice from(const ConfigSystem &system);
};
