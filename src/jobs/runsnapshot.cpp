#include "jobs/runsnapshot.h"

#include "settings/configformat.h"
#include "settings/configsystem.h"

RunSnapshot RunSnapshot::take(const ConfigSystem &system, const QString &container)
{
    RunSnapshot snapshot;
    snapshot.format = storedFormat();
    snapshot.container = container;
    snapshot.settings = FollowupSettings::from(system);
    return snapshot;
}

std::shared_ptr<const ConfigFormat> RunSnapshot::storedFormat()
{
    auto format = std::make_shared<ConfigFormat>();
    format->load();
    return format;
}
