#pragma once

#include "common/converttask.h"
#include "jobs/followupsettings.h"
#include "jobs/followupjob.h"

#include <QList>

class ConfigFormat;

// The job that joins a task's title sequences, the input and the task's endings, in that
// order. melt re-encodes with each file's start and end honoured; with a "copy" codec
// TesselEngine joins whole files, by stream copy when all are MP4, else through a concat
// filter graph scaled to mergeFrameSize ("W:H"). The stream-copy list file is written
// into the cache folder. Empty when the list file cannot be written.
QList<FollowupJob> planMerge(const ConvertTask &task, const QString &input, bool afterConversion,
                            const QString &mergeFrameSize, const ConfigFormat &format,
                            const FollowupSettings &settings);
