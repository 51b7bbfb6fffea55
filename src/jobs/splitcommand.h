#pragma once

#include "common/converttask.h"
#include "jobs/followupsettings.h"
#include "jobs/followupjob.h"

#include <QList>
#include <QString>

class ConfigFormat;

// One part to cut: its range in µs and the text that ends its file's base name.
struct SplitRange
{
    qint64 start = 0;
    qint64 end = 0;
    QString nameSuffix;
};

// True when the task asks for parts: split entries, a part count, a part length, or a
// section (which may start at 0 when it has an end).
bool wantsSplit(const ConvertTask &task);

// The parts of an input of the given duration: the task's split entries when it has any,
// else those of its split mode.
QList<SplitRange> splitRanges(const ConvertTask &task, qint64 duration);

// One job a part. melt re-encodes; with a "copy" codec TesselEngine cuts by stream copy.
// The input stays: a converted "_Split." file is an output the user asked for too.
QList<FollowupJob> planSplit(const ConvertTask &task, const QString &input, const ConfigFormat &format,
                            const FollowupSettings &settings);
