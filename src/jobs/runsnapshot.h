#pragma once

#include "jobs/followupsettings.h"
#include "jobs/outputreservation.h"

#include <QString>

#include <memory>

class ConfigFormat;
class ConfigSystem;

// What a run reads from the settings stores, read once when it starts and used by every
// job of that run, follow-up work included: edits made while it runs wait for the next run.
struct RunSnapshot
{
    std::shared_ptr<const ConfigFormat> format;
    QString container; // "mp4", "mkv", ... "wav"
    // Output folder, cache folder, coverage, hardware choice, the prober, and the run's
    // output reservation.
    FollowupSettings settings;

    // The system settings as they are, the container given, the format store as saved.
    static RunSnapshot take(const ConfigSystem &system, const QString &container);
    // The output format store as saved now.
    static std::shared_ptr<const ConfigFormat> storedFormat();
};
