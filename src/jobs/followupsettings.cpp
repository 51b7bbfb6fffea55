#include "jobs/followupsettings.h"

#include "settings/configsystem.h"

FollowupSettings FollowupSettings::from(const ConfigSystem &system, MediaProber probe)
{
    FollowupSettings settings;
    settings.outPath = system.outPath;
    settings.cacheFolder = system.cacheFolder;
    settings.coverage = system.coverage;
    settings.hardware = HardwareChoice::from(system);
    settings.probe = std::move(probe);
    return settings;
}
