#include "jobs/splitcommand.h"

#include "common/timeconv.h"
#include "jobs/commandparts.h"
#include "settings/configformat.h"

#include <algorithm>

using namespace CommandParts;

namespace {

QString rangeName(qint64 start, qint64 end)
{
    QString name = TimeConv::toDurationText(start) + QLatin1Char('_') + TimeConv::toDurationText(end);
    return name.replace(QLatin1Char(':'), QLatin1Char('-'));
}

SplitRange namedRange(qint64 start, qint64 end)
{
    return {start, end, rangeName(start, end)};
}

QStringList meltPart(const QString &input, const QString &output, const SplitRange &range,
                     const QString &extension, const ConfigFormat &format, const HardwareChoice &hardware)
{
    QStringList arguments = meltProducer(input, range.start, range.end);
    arguments << QStringLiteral("-consumer") << QStringLiteral("avformat:") + output;
    if (!isAudioOnly(extension)) {
        const QString vcodec = meltVideoCodecProperty(format.vCodec, hardware);
        if (!vcodec.isEmpty())
            arguments << vcodec;
    }
    arguments << meltAudioCodecProperty(format.aCodec);
    return arguments;
}

// Positions keep their hundredths: whole seconds would drop up to a second from every part.
QStringList streamCopyPart(const QString &input, const QString &output, const SplitRange &range,
                           const QString &extension)
{
    QStringList arguments{QStringLiteral("-ss"), TimeConv::toEngineText(range.start), QStringLiteral("-t"),
                          TimeConv::toEngineText(range.end - range.start), QStringLiteral("-accurate_seek"),
                          QStringLiteral("-i"), input};
    if (!isAudioOnly(extension))
        arguments << QStringLiteral("-vcodec") << QStringLiteral("copy");
    arguments << QStringLiteral("-acodec") << QStringLiteral("copy") << QStringLiteral("-avoid_negative_ts")
              << QStringLiteral("1") << QStringLiteral("-y") << output;
    return arguments;
}

}

bool wantsSplit(const ConvertTask &task)
{
    if (!task.splits.isEmpty())
        return true;
    switch (task.splitMode) {
    case 0:
        return task.splitCount >= 1;
    case 1:
        return task.clipLength > 0;
    case 2:
        return task.sectionEnd > task.clipLength || (task.sectionEnd == 0 && task.clipLength > 0);
    default:
        return false;
    }
}

namespace {

QList<SplitRange> rangesOfMode(const ConvertTask &task, qint64 duration)
{
    QList<SplitRange> ranges;
    switch (task.splitMode) {
    case 0:
        if (task.splitCount >= 1) {
            const qint64 length = duration / task.splitCount;
            for (int i = 0; i < task.splitCount; ++i)
                ranges.append({i * length, (i + 1) * length, QStringLiteral("_%1").arg(i + 1)});
        }
        break;
    case 1:
        if (task.clipLength > 0) {
            for (qint64 start = 0; start < duration; start += task.clipLength)
                ranges.append(namedRange(start, qMin(start + task.clipLength, duration)));
        }
        break;
    case 2:
        ranges.append(namedRange(task.clipLength, task.sectionEnd == 0 ? duration : task.sectionEnd));
        break;
    default:
        break;
    }
    return ranges;
}

}

QList<SplitRange> splitRanges(const ConvertTask &task, qint64 duration)
{
    QList<SplitRange> ranges;
    for (const SplitEntry &entry : task.splits)
        ranges.append(namedRange(entry.start, entry.end == 0 ? duration : entry.end));
    if (task.splits.isEmpty())
        ranges = rangesOfMode(task, duration);
    ranges.erase(std::remove_if(ranges.begin(), ranges.end(),
                                [](const SplitRange &range) { return range.end <= range.start; }),
                 ranges.end());
    return ranges;
}

QList<FollowupJob> planSplit(const ConvertTask &task, const QString &input, const ConfigFormat &format,
                            const FollowupSettings &settings)
{
    const MediaFacts facts = settings.probe(input);
    const QString extension = outputExtension(format, input);
    const QString stem = outputStem(settings.outPath, input);
    const bool streamCopy = isCopy(format.vCodec) || isCopy(format.aCodec);

    QList<FollowupJob> jobs;
    for (const SplitRange &range : splitRanges(task, facts.duration)) {
        FollowupJob job;
        job.outputPath = settings.reserveOutput(stem + range.nameSuffix + QLatin1Char('.') + extension);
        job.frameRate = facts.frameRate;
        job.durationText = TimeConv::toEngineText(streamCopy ? range.end - range.start : facts.duration);
        if (streamCopy) {
            job.arguments = streamCopyPart(input, job.outputPath, range, extension);
        } else {
            job.engine = FollowupJob::Engine::Melt;
            job.arguments = meltPart(input, job.outputPath, range, extension, format, settings.hardware);
        }
        jobs.append(job);
    }
    return jobs;
}
