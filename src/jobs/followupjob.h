#pragma once

#include "jobs/followup.h"

#include <QString>
#include <QStringList>

// One engine run that follow-up work asks for, before it becomes a job object.
struct FollowupJob
{
    enum class Engine { Tessel, Melt };

    Engine engine = Engine::Tessel;
    QStringList arguments;
    QString outputPath;
    QString durationText; // "HH:MM:SS.hh", the base of TesselEngine's progress
    double frameRate = 0; // TesselEngine's frame rate, or melt's profile rate
    FollowUpPtr afterwards; // none when nothing follows
};
