#pragma once

class ConfigSystem;

// The hardware encoders the first-run check found, and whether and in which order the
// system settings use them, as a plain value.
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
