#pragma once

#include "common/converttask.h"
#include "common/mediaprobe.h"
#include "jobs/encoderchoice.h"
#include "jobs/followup.h"
#include "jobs/outputreservation.h"

#include <QList>
#include <QString>
#include <QStringList>

class ConfigFormat;
class ConfigSystem;

// The settings a run reads besides the output format: where outputs go, whether they may
// overwrite, the hardware choice, and the container picked in the main window.
struct RunSettings
{
    QString container; // "mp4", "mkv", ... "wav"
    QString outPath;
    bool coverage = false;
    HardwareChoice hardware;

    static RunSettings from(const ConfigSystem &system, const QString &container);
};

struct PlannedJob
{
    FollowUpPtr afterwards; // none when nothing follows
    QStringList arguments; // TesselEngine's, ending with the output path
    QString outputPath;
};

// Everything a row turns into when the list runs.
struct ConversionPlan
{
    QString durationText; // "HH:MM:SS.hh" of the source
    double frameRate = 0.0;
    QString mergeFrameSize; // "width:height" for a merge after the conversion
    QList<PlannedJob> jobs;
    // Without a filter graph split and merge work on the source itself, with no conversion first.
    bool splitSource = false;
    bool mergeSource = false;
};

namespace ConversionPlanner {

// Each conversion job gets its own output name only, claimed in "outputs" (the run's
// reservation, which knows every name the run has planned); without one the names are kept
// apart from existing files and from each other only.
ConversionPlan plan(const ConvertTask &task, const ConfigFormat &format, const RunSettings &settings,
                    const MediaProbe &probe, const QString &filterGraph, OutputReservation *outputs = nullptr);

}
