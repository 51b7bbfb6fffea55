#pragma once

#include "jobs/encoderchoice.h"
#include "jobs/outputreservation.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class ConfigSystem;

// What the follow-up builders need to know about one media file; zeros when unreadable.
struct MediaFacts
{
    int width = 0;
    int height = 0;
    double frameRate = 0;
    qint64 duration = 0; // µs
};

using MediaProber = std::function<MediaFacts(const QString &path)>;

// The facts the FFmpeg demuxer reads from a file's header.
MediaFacts probeMediaFacts(const QString &path);

// The system settings the follow-up builders read, taken once per build.
struct FollowupSettings
{
    QString outPath;
    QString cacheFolder;
    bool coverage = false;
    HardwareChoice hardware;
    MediaProber probe = probeMediaFacts;
    // Where the run claims its output names; a fresh one is made on first use when unset.
    mutable std::shared_ptr<OutputReservation> outputs;

    // Claims an output name for the run (see OutputReservation::reserve).
    QString reserveOutput(const QString &proposed) const;

    // Probes with the FFmpeg demuxer unless another prober is given. The output folder is
    // the one last set in the system settings.
    static FollowupSettings from(const ConfigSystem &system, MediaProber probe = {});
};
