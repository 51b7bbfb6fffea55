#include "app/conversionplan.h"

#include "common/timeconv.h"
#include "settings/configformat.h"
#include "settings/configsystem.h"
#include "settings/outputname.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
constexpr int kH264 = 27;
constexpr int kHevc = 173;

// The number a setting text starts with, as in "128 kbps" or "29.97 fps"; 0 when there is none.
double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

QString leadingInteger(const QString &text)
{
    return QString::number(qint64(leadingNumber(text)));
}

// "320x240 VGA" names its size after a blank; the engine only wants the size.
QString frameSizeOf(const QString &vSize)
{
    return vSize.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

struct HardwareChoice
{
    bool flag;
    const char *name;
};

const char *firstSet(std::initializer_list<HardwareChoice> choices)
{
    for (const HardwareChoice &choice : choices) {
        if (choice.flag)
            return choice.name;
    }
    return nullptr;
}

// The hardware encoder the settings choose for H.264 or HEVC; null for none. Named before
// the input, the same name asks the engine to decode with that hardware family.
const char *hardwareEncoder(const SystemSnapshot &system, bool h264)
{
    if (system.priorityUse == 1)
        return h264 ? firstSet({{system.h264NV, "h264_nvenc"}}) : firstSet({{system.h265NV, "hevc_nvenc"}});
    if (system.priorityUse != 0)
        return nullptr;
    return h264 ? firstSet({{system.h264QSV, "h264_qsv"},
                            {system.h264AMF, "h264_amf"},
                            {system.h264VTB, "h264_videotoolbox"},
                            {system.h264NV, "h264_nvenc"}})
                : firstSet({{system.h265QSV, "hevc_qsv"},
                            {system.h265AMF, "hevc_amf"},
                            {system.h265VTB, "hevc_videotoolbox"},
                            {system.h265NV, "hevc_nvenc"}});
}

QStringList hardwareDecoding(const SystemSnapshot &system, int codecId)
{
    if (!system.useHA || (codecId != kH264 && codecId != kHevc))
        return {};
    const char *family = hardwareEncoder(system, codecId == kH264);
    if (!family)
        return {};
    return {QStringLiteral("-c:v"), QLatin1String(family)};
}

// The video encoder; empty leaves the choice to the engine.
QString videoEncoder(const FormatSnapshot &format, const SystemSnapshot &system)
{
    const bool h264 = format.vCodec == QLatin1String("h264");
    const bool h265 = format.vCodec == QLatin1String("h265");
    if (format.vCodec == QLatin1String("xvid"))
        return QStringLiteral("libxvid");
    if (!h264 && !h265)
        return format.vCodec;
    if (!system.useHA)
        return h264 ? QStringLiteral("libx264") : QStringLiteral("libx265");
    const char *encoder = hardwareEncoder(system, h264);
    return encoder ? QLatin1String(encoder) : QString();
}

bool isAudioContainer(const QString &container)
{
    return container == QLatin1String("mp3") || container == QLatin1String("m4a")
           || container == QLatin1String("wav");
}

QStringList videoOptions(const FormatSnapshot &format, const SystemSnapshot &system, const MediaProbe &probe,
                         const QString &filterGraph, double frameRate)
{
    QStringList options;
    const QString encoder = videoEncoder(format, system);
    if (!encoder.isEmpty())
        options << QStringLiteral("-c:v") << encoder;
    if (format.vCodec == QLatin1String("copy"))
        return options;

    if (!filterGraph.isEmpty())
        options << QStringLiteral("-vf") << filterGraph;
    const bool autoRate = format.vBitRate == QLatin1String("Auto");
    const qint64 q = autoRate ? probe.bitRate / 1000 : qint64(leadingNumber(format.vBitRate));
    if (format.vSetMode && !autoRate)
        options << QStringLiteral("-qmin") << QString::number(51 - q) << QStringLiteral("-qmax")
                << QString::number(56 - q);
    else
        options << QStringLiteral("-b:v") << QString::number(q) + QLatin1Char('k');
    options << QStringLiteral("-r") << QString::number(frameRate, 'f', 3);
    if (!format.vKeepWH)
        options << QStringLiteral("-s") << frameSizeOf(format.vSize);
    if (format.vAspect != QLatin1String("Auto"))
        options << QStringLiteral("-aspect") << format.vAspect;
    return options;
}

QStringList audioOptions(const FormatSnapshot &format)
{
    if (format.aKeepCodec || format.aCodec == QLatin1String("copy"))
        return {QStringLiteral("-c:a"), QStringLiteral("copy")};
    return {QStringLiteral("-b:a"), leadingInteger(format.aBitRate) + QLatin1Char('k'),
            QStringLiteral("-acodec"), format.aCodec,
            QStringLiteral("-ac"), leadingInteger(format.aChannels),
            QStringLiteral("-ar"), leadingInteger(format.aSample),
            QStringLiteral("-vol"), QString::number(ConversionPlanner::engineVolume(format.aVolume))};
}
}

FormatSnapshot FormatSnapshot::from(const ConfigFormat &format, const QString &container)
{
    FormatSnapshot snapshot;
    snapshot.container = container;
    snapshot.vCodec = format.vCodec;
    snapshot.vBitRate = format.vBitRate;
    snapshot.vSetMode = format.vSetMode;
    snapshot.vKeepFrameRate = format.vKeepFrameRate;
    snapshot.vFrameRate = format.vFrameRate;
    snapshot.vKeepWH = format.vKeepWH;
    snapshot.vSize = format.vSize;
    snapshot.vAspect = format.vAspect;
    snapshot.aKeepCodec = format.aKeepCodec;
    snapshot.aCodec = format.aCodec;
    snapshot.aBitRate = format.aBitRate;
    snapshot.aChannels = format.aChannels;
    snapshot.aSample = format.aSample;
    snapshot.aVolume = format.aVolume;
    return snapshot;
}

SystemSnapshot SystemSnapshot::from(const ConfigSystem &system)
{
    SystemSnapshot snapshot;
    snapshot.outPath = system.outPath;
    snapshot.coverage = system.coverage;
    snapshot.useHA = system.useHA;
    snapshot.priorityUse = system.priorityUse;
    snapshot.h264QSV = system.h264QSV;
    snapshot.h265QSV = system.h265QSV;
    snapshot.h264AMF = system.h264AMF;
    snapshot.h265AMF = system.h265AMF;
    snapshot.h264VTB = system.h264VTB;
    snapshot.h265VTB = system.h265VTB;
    snapshot.h264NV = system.h264NV;
    snapshot.h265NV = system.h265NV;
    return snapshot;
}

namespace ConversionPlanner {

int engineVolume(int percent)
{
    return percent * 256 / 100;
}

ConversionPlan plan(const ConvertTask &task, const FormatSnapshot &format, const SystemSnapshot &system,
                    const MediaProbe &probe, const QString &filterGraph, const QSet<QString> &reserved,
                    const QTime &now)
{
    ConversionPlan plan;
    plan.durationText = TimeConv::toEngineText(probe.duration);
    plan.frameRate = format.vKeepFrameRate ? probe.frameRate : leadingNumber(format.vFrameRate);
    plan.mergeFrameSize = format.vKeepWH ? QStringLiteral("%1:%2").arg(probe.width).arg(probe.height)
                                         : frameSizeOf(format.vSize).replace(QLatin1Char('x'), QLatin1Char(':'));

    QStringList arguments = hardwareDecoding(system, probe.videoCodecId);
    arguments << QStringLiteral("-i") << task.sourcePath;
    if (!isAudioContainer(format.container))
        arguments << videoOptions(format, system, probe, filterGraph, plan.frameRate);
    arguments << audioOptions(format) << QStringLiteral("-y");

    const QString baseName = system.outPath + QLatin1Char('/') + QFileInfo(task.sourcePath).completeBaseName();
    QSet<QString> taken = reserved;
    const auto addJob = [&](JobKind kind, const char *marker) {
        const QString output = outputPathFor(baseName + QLatin1String(marker) + format.container, system.coverage,
                                             now, taken);
        taken.insert(output);
        plan.jobs.append(PlannedJob{kind, arguments + QStringList{output}, output});
    };

    const bool split = task.splitCount >= 1 || task.clipLength > 0 || (task.splitMode == 2 && task.sectionEnd > 0);
    const bool merge = !task.titleSequences.isEmpty() || !task.endings.isEmpty();
    const bool soundtrack = !task.music.isEmpty();
    const bool drawn = !filterGraph.isEmpty();
    if (split) {
        if (drawn)
            addJob(JobKind::SplitAfter, "_Split.");
        else
            plan.splitSource = true;
    }
    if (merge) {
        if (drawn)
            addJob(JobKind::MergeAfter, "_Merge.");
        else
            plan.mergeSource = true;
    }
    if (soundtrack)
        addJob(JobKind::SoundtrackAfter, "_Music.");
    if (!split && !merge && !soundtrack)
        addJob(JobKind::None, ".");
    return plan;
}

}
