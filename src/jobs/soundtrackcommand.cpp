#include "jobs/soundtrackcommand.h"

#include "common/timeconv.h"
#include "jobs/commandparts.h"
#include "settings/configformat.h"

using namespace CommandParts;

QList<FollowupJob> planSoundtrack(const ConvertTask &task, const QString &video, const ConfigFormat &format,
                                 const FollowupSettings &settings)
{
    if (task.music.size() == 1)
        return planMix(video, task.music.first(), false, format, settings);
    if (task.music.size() > 1)
        return planJoin(task, video, settings);
    return {};
}

QList<FollowupJob> planJoin(const ConvertTask &task, const QString &video, const FollowupSettings &settings)
{
    FollowupJob job;
    job.engine = FollowupJob::Engine::Melt;
    job.outputPath = settings.reserveOutput(outputStem(settings.outPath, video) + QStringLiteral("AudioMerge.mp3"));
    qint64 total = 0;
    for (const QString &music : task.music) {
        const qint64 duration = settings.probe(music).duration;
        total += duration;
        job.arguments << meltProducer(music, 0, duration);
    }
    job.arguments << QStringLiteral("-consumer") << QStringLiteral("avformat:") + job.outputPath
                  << QStringLiteral("acodec=libmp3lame");
    job.frameRate = settings.probe(video).frameRate;
    job.durationText = TimeConv::toEngineText(total);
    job.afterwards = std::make_shared<MixJoinedMusic>(video);
    return {job};
}

QList<FollowupJob> planMix(const QString &video, const QString &audio, bool afterJoin, const ConfigFormat &format,
                          const FollowupSettings &settings)
{
    const MediaFacts facts = settings.probe(video);
    // A joined MP3 fits every video container; a single music file may not (PCM in MP4),
    // so it is encoded with the format's audio codec unless that says "copy".
    const QString audioCodec = afterJoin || isCopy(format.aCodec) || format.aCodec.isEmpty()
                                   ? QStringLiteral("copy")
                                   : format.aCodec;
    FollowupJob job;
    job.outputPath = settings.reserveOutput(outputStem(settings.outPath, video) + QStringLiteral("Mix.")
                                           + outputExtension(format, video));
    job.arguments = QStringList{QStringLiteral("-i"),      video,
                                QStringLiteral("-i"),      audio,
                                QStringLiteral("-map"),    QStringLiteral("0:v"),
                                QStringLiteral("-map"),    QStringLiteral("1:a"),
                                QStringLiteral("-vcodec"), QStringLiteral("copy"),
                                QStringLiteral("-acodec"), audioCodec,
                                QStringLiteral("-shortest"), QStringLiteral("-y"),
                                job.outputPath};
    job.frameRate = facts.frameRate;
    job.durationText = TimeConv::toEngineText(facts.duration);
    if (afterJoin)
        job.afterwards = std::make_shared<RemoveScratchFiles>(QStringList{audio, video});
    return {job};
}
