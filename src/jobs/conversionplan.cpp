#include "jobs/conversionplan.h"

#include "common/timeconv.h"
#include "jobs/commandparts.h"
#include "jobs/splitcommand.h"
#include "layers/subtitlepictures.h"
#include "settings/configformat.h"
#include "settings/configsystem.h"

#include <QRegularExpression>

namespace {
constexpr int kH264 = 27;
constexpr int kHevc = 173;

// The number a setting text starts with, as in "29.97 fps"; 0 when there is none.
double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

QString leadingInteger(const QString &text)
{
    return QString::number(CommandParts::leadingInteger(text));
}

// The hardware family of an H.264 or HEVC source, named before the input, asks the engine
// to decode with that family.
QStringList hardwareDecoding(const HardwareChoice &hardware, int codecId)
{
    if (!hardware.useHA || (codecId != kH264 && codecId != kHevc))
        return {};
    const QString family = hardwareEncoderFor(codecId == kH264 ? QStringLiteral("h264") : QStringLiteral("h265"),
                                           hardware);
    if (family.isEmpty())
        return {};
    return {QStringLiteral("-c:v"), family};
}

QStringList videoOptions(const ConfigFormat &format, const HardwareChoice &hardware, const MediaProbe &probe,
                         const QString &filterGraph, double frameRate)
{
    QStringList options;
    const QString encoder = videoEncoderFor(format.vCodec, hardware);
    if (!encoder.isEmpty())
        options << QStringLiteral("-c:v") << encoder;
    if (CommandParts::isCopy(format.vCodec))
        return options;

    if (readsSourceStreams(filterGraph))
        options << QStringLiteral("-filter_complex") << filterGraph;
    else if (!filterGraph.isEmpty())
        options << QStringLiteral("-vf") << filterGraph;
    const bool autoRate = format.vBitRate == QLatin1String("Auto");
    const qint64 q = autoRate ? probe.bitRate / 1000 : CommandParts::leadingInteger(format.vBitRate);
    if (format.vSetMode && !autoRate)
        options << QStringLiteral("-qmin") << QString::number(51 - q) << QStringLiteral("-qmax")
                << QString::number(56 - q);
    else
        options << QStringLiteral("-b:v") << QString::number(q) + QLatin1Char('k');
    options << QStringLiteral("-r") << QString::number(frameRate, 'f', 3);
    if (!format.vKeepWH)
        options << QStringLiteral("-s") << CommandParts::frameSizeOf(format.vSize);
    if (format.vAspect != QLatin1String("Auto"))
        options << QStringLiteral("-aspect") << format.vAspect;
    return options;
}

QStringList audioOptions(const ConfigFormat &format)
{
    if (format.aKeepCodec || CommandParts::isCopy(format.aCodec))
        return {QStringLiteral("-c:a"), QStringLiteral("copy")};
    QStringList options{QStringLiteral("-b:a"), leadingInteger(format.aBitRate) + QLatin1Char('k'),
                        QStringLiteral("-acodec"), format.aCodec,
                        QStringLiteral("-ac"), leadingInteger(format.aChannels),
                        QStringLiteral("-ar"), leadingInteger(format.aSample)};
    const QString volume = CommandParts::volumeFilter(format.aVolume);
    if (!volume.isEmpty())
        options << QStringLiteral("-af") << volume;
    return options;
}
}

RunSettings RunSettings::from(const ConfigSystem &system, const QString &container)
{
    RunSettings settings;
    settings.container = container;
    settings.outPath = system.outPath;
    settings.coverage = system.coverage;
    settings.hardware = HardwareChoice::from(system);
    return settings;
}

namespace ConversionPlanner {

ConversionPlan plan(const ConvertTask &task, const ConfigFormat &format, const RunSettings &settings,
                    const MediaProbe &probe, const QString &filterGraph, OutputReservation *outputs)
{
    ConversionPlan plan;
    plan.durationText = TimeConv::toEngineText(probe.duration);
    plan.frameRate = format.vKeepFrameRate ? probe.frameRate : leadingNumber(format.vFrameRate);
    const QString frameSize = CommandParts::frameSizeOf(format.vSize);
    plan.mergeFrameSize = format.vKeepWH ? QStringLiteral("%1:%2").arg(probe.width).arg(probe.height)
                                         : QString(frameSize).replace(QLatin1Char('x'), QLatin1Char(':'));

    QStringList arguments = hardwareDecoding(settings.hardware, probe.videoCodecId);
    arguments << QStringLiteral("-i") << task.sourcePath;
    if (!CommandParts::isAudioOnly(settings.container))
        arguments << videoOptions(format, settings.hardware, probe, filterGraph, plan.frameRate);
    else
        arguments << QStringLiteral("-vn"); // an audio file carries no picture, not even cover art
    arguments << audioOptions(format) << QStringLiteral("-y");

    const QString stem = CommandParts::outputStem(settings.outPath, task.sourcePath);
    OutputReservation ownNames(settings.coverage);
    OutputReservation &claims = outputs ? *outputs : ownNames;
    const auto addJob = [&](FollowUpPtr afterwards, const char *marker) {
        const QString output = claims.reserve(stem + QLatin1String(marker) + settings.container);
        plan.jobs.append(PlannedJob{std::move(afterwards), arguments + QStringList{output}, output});
    };

    const bool split = wantsSplit(task);
    const bool merge = !task.titleSequences.isEmpty() || !task.endings.isEmpty();
    const bool soundtrack = !task.music.isEmpty();
    const bool drawn = !filterGraph.isEmpty();
    if (split) {
        if (drawn)
            addJob(std::make_shared<SplitOutput>(), "_Split.");
        else
            plan.splitSource = true;
    }
    if (merge) {
        if (drawn)
            addJob(std::make_shared<MergeOutput>(plan.mergeFrameSize), "_Merge.");
        else
            plan.mergeSource = true;
    }
    if (soundtrack)
        addJob(std::make_shared<AddSoundtrack>(), "_Music.");
    if (!split && !merge && !soundtrack)
        addJob(nullptr, ".");
    return plan;
}

}
