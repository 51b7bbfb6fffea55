#include "settings/hardwarechoice.h"

#include "settings/configsystem.h"

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
