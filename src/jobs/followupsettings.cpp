#include "jobs/followupsettings.h"

#include "common/mediaprobe.h"
#include "settings/configsystem.h"

MediaFacts probeMediaFacts(const QString &path)
{
    const MediaProbe probe = probeMedia(path);
    return {probe.width, probe.height, probe.frameRate, probe.duration};
}

FollowupSettings FollowupSettings::from(const ConfigSystem &system, MediaProber probe)
{
    FollowupSettings settings;
    settings.outPath = system.outPath;
    settings.cacheFolder = system.cacheFolder;
    settings.coverage = system.coverage;
    settings.hardware = HardwareChoice::from(system);
    settings.probe = probe ? std::move(probe) : MediaProber(probeMediaFacts);
    settings.outputs = std::make_shared<OutputReservation>(settings.coverage);
    return settings;
}

QString FollowupSettings::reserveOutput(const QString &proposed) const
{
    if (!outputs)
        outputs = std::make_shared<OutputReservation>(coverage);
    return outputs->reserve(proposed);
}
