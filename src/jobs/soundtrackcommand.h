#pragma once

#include "common/converttask.h"
#include "jobs/followupsettings.h"
#include "jobs/followupjob.h"

#include <QList>

class ConfigFormat;

// The music work after the conversion of a task with music: one file is mixed in at
// once; several are first joined into one MP3 (a Join job, whose end asks for the mix).
QList<FollowupJob> planSoundtrack(const ConvertTask &task, const QString &video, const ConfigFormat &format,
                                 const FollowupSettings &settings);

// The joined music files in one MP3; once it is made, it is mixed with the video.
QList<FollowupJob> planJoin(const ConvertTask &task, const QString &video, const FollowupSettings &settings);

// The video's picture, copied, with the audio's sound. After a join both the joined audio and
// the converted "_Music." video are scratch, removed once the mix succeeded; after a single
// music file the converted video stays.
QList<FollowupJob> planMix(const QString &video, const QString &audio, bool afterJoin, const ConfigFormat &format,
                          const FollowupSettings &settings);
