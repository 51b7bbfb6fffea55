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
// After a conversion each part keeps the converted input in extra path 1, so it goes once
// every part of it succeeded.
QList<FollowupJob> planSplit(const ConvertTask &task, const QString &input, bool afterConversion,
                            const ConfigFormat &format, const FollowupSettings &settings);
