#pragma once

#include "app/converttask.h"
#include "common/mediaprobe.h"
#include "jobs/abstractjob.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTime>

class ConfigFormat;
class ConfigSystem;

// The output format settings as one run reads them.
struct FormatSnapshot
{
    QString container; // "mp4", "mkv", ... "wav"
    QString vCodec;
    QString vBitRate;
    bool vSetMode = false;
    bool vKeepFrameRate = true;
    QString vFrameRate;
    bool vKeepWH = true;
    QString vSize;
    QString vAspect;
    bool aKeepCodec = false;
    QString aCodec;
    QString aBitRate;
    QString aChannels;
    QString aSample;
    int aVolume = 100; // percent

    static FormatSnapshot from(const ConfigFormat &format, const QString &container);
};

// The system settings as one run reads them.
struct SystemSnapshot
{
    QString outPath;
    bool coverage = false;
    bool useHA = false;
    int priorityUse = 0;
    bool h264QSV = false, h265QSV = false;
    bool h264AMF = false, h265AMF = false;
    bool h264VTB = false, h265VTB = false;
    bool h264NV = false, h265NV = false;

    static SystemSnapshot from(const ConfigSystem &system);
};

struct PlannedJob
{
    JobKind kind = JobKind::None;
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

// The engine's volume scale: 256 leaves the sound as it is.
int engineVolume(int percent);

// Each conversion job gets its own output name only. Names that exist, or that are in "reserved"
// (outputs of earlier rows of the same run), are stamped with "now".
ConversionPlan plan(const ConvertTask &task, const FormatSnapshot &format, const SystemSnapshot &system,
                    const MediaProbe &probe, const QString &filterGraph, const QSet<QString> &reserved = {},
                    const QTime &now = QTime::currentTime());

}
