#include "jobs/mergecommand.h"

#include "common/timeconv.h"
#include "jobs/commandparts.h"
#include "settings/configformat.h"

#include <QDebug>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextStream>

using namespace CommandParts;

namespace {

struct MergePiece
{
    QString path;
    qint64 start;
    qint64 end;
    MediaFacts facts;
};

QList<MergePiece> piecesOf(const ConvertTask &task, const QString &input, const MediaProber &probe)
{
    QList<MergePiece> pieces;
    for (const MergeEntry &entry : task.titleSequences)
        pieces.append({entry.path, entry.start, entry.end, probe(entry.path)});
    pieces.append({input, task.start, task.end, probe(input)});
    for (const MergeEntry &entry : task.endings)
        pieces.append({entry.path, entry.start, entry.end, probe(entry.path)});
    return pieces;
}

bool allMp4(const QList<MergePiece> &pieces)
{
    for (const MergePiece &piece : pieces) {
        if (QFileInfo(piece.path).suffix().compare(QLatin1String("mp4"), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

qint64 totalDuration(const QList<MergePiece> &pieces)
{
    qint64 total = 0;
    for (const MergePiece &piece : pieces)
        total += piece.facts.duration;
    return total;
}

QStringList meltArguments(const QList<MergePiece> &pieces, const QString &output, const QString &extension,
                          const ConfigFormat &format, const HardwareChoice &hardware, const MediaFacts &input)
{
    QStringList arguments;
    for (const MergePiece &piece : pieces) {
        // An end at or before the start means the file was never measured: take all of it.
        const qint64 end = piece.end > piece.start ? piece.end : piece.facts.duration;
        arguments << meltProducer(piece.path, piece.start, end);
    }
    arguments << QStringLiteral("-consumer") << QStringLiteral("avformat:") + output;
    if (!isAudioOnly(extension)) {
        const QString vcodec = meltVideoCodecProperty(format.vCodec, hardware);
        if (!vcodec.isEmpty())
            arguments << vcodec;
        if (!format.vKeepWH)
            arguments << QStringLiteral("s=") + frameSizeOf(format.vSize);
        else if (input.width > 0 && input.height > 0)
            arguments << QStringLiteral("s=%1x%2").arg(input.width).arg(input.height);
    }
    arguments << meltAudioCodecProperty(format.aCodec);
    return arguments;
}

// The concat demuxer reads quoted paths; a quote inside one is closed, escaped and reopened.
QString concatLine(const QString &path)
{
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QStringLiteral("file '%1'\n").arg(quoted);
}

QString writeListFile(const QList<MergePiece> &pieces, const QString &cacheFolder)
{
    QTemporaryFile file(cacheFolder + QStringLiteral("/MergerTemp-XXXXXX.txt"));
    file.setAutoRemove(false);
    if (!file.open()) {
        qWarning().noquote() << "cannot write the merge list in" << cacheFolder << ":" << file.errorString();
        return QString();
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    for (const MergePiece &piece : pieces)
        stream << concatLine(piece.path);
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        file.remove();
        return QString();
    }
    return file.fileName();
}

double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0;
}

// audioFilter, when given, follows the audio concat inside the graph: ffmpeg refuses "-af" on
// a stream that a complex graph makes.
QString concatGraph(int inputCount, const QString &frameSize, bool withVideo, const QString &audioFilter)
{
    QString graph;
    if (withVideo) {
        for (int k = 0; k < inputCount; ++k) {
            if (frameSize.isEmpty())
                graph += QStringLiteral("[%1:v]setsar=1[v%1];").arg(k);
            else
                graph += QStringLiteral("[%1:v]scale=%2,setsar=1[v%1];").arg(k).arg(frameSize);
        }
        for (int k = 0; k < inputCount; ++k)
            graph += QStringLiteral("[v%1]").arg(k);
        graph += QStringLiteral("concat=n=%1:v=1:a=0[v];").arg(inputCount);
    }
    for (int k = 0; k < inputCount; ++k)
        graph += QStringLiteral("[%1:a]").arg(k);
    graph += QStringLiteral("concat=n=%1:v=0:a=1").arg(inputCount);
    if (!audioFilter.isEmpty())
        graph += QLatin1Char(',') + audioFilter;
    graph += QLatin1String("[a]");
    return graph;
}

// Filtered streams are always encoded: a "copy" codec leaves the choice to the engine's
// default for the container, and an "Auto" rate to the encoder.
QStringList filterGraphOptions(const QList<MergePiece> &pieces, const QString &frameSize,
                               const QString &extension, const ConfigFormat &format,
                               const HardwareChoice &hardware)
{
    const bool withVideo = !isAudioOnly(extension);
    const QString volume = isCopy(format.aCodec) ? QString() : volumeFilter(format.aVolume);
    const QString graph = concatGraph(pieces.size(), frameSize, withVideo, volume);
    qDebug().noquote() << "merge filter graph:" << graph;

    QStringList arguments{QStringLiteral("-filter_complex"), graph};
    if (withVideo) {
        arguments << QStringLiteral("-map") << QStringLiteral("[v]");
    }
    arguments << QStringLiteral("-map") << QStringLiteral("[a]");
    if (withVideo) {
        const QString encoder = isCopy(format.vCodec) ? QString() : videoEncoderFor(format.vCodec, hardware);
        if (!encoder.isEmpty())
            arguments << QStringLiteral("-c:v") << encoder;
        const int quality = leadingInteger(format.vBitRate);
        if (quality > 0 && format.vSetMode)
            arguments << QStringLiteral("-qmin") << QString::number(51 - quality) << QStringLiteral("-qmax")
                      << QString::number(56 - quality);
        else if (quality > 0)
            arguments << QStringLiteral("-b:v") << QStringLiteral("%1k").arg(quality);
        const double rate =
            format.vKeepFrameRate ? pieces.last().facts.frameRate : leadingNumber(format.vFrameRate);
        if (rate > 0)
            arguments << QStringLiteral("-r") << QString::number(rate, 'f', 3);
        if (!format.vKeepWH)
            arguments << QStringLiteral("-s") << frameSizeOf(format.vSize);
        if (format.vAspect != QLatin1String("Auto") && !format.vAspect.isEmpty())
            arguments << QStringLiteral("-aspect") << format.vAspect;
    }
    if (!isCopy(format.aCodec)) {
        if (const int bitRate = leadingInteger(format.aBitRate))
            arguments << QStringLiteral("-b:a") << QStringLiteral("%1k").arg(bitRate);
        arguments << QStringLiteral("-acodec") << format.aCodec;
        if (const int channels = leadingInteger(format.aChannels))
            arguments << QStringLiteral("-ac") << QString::number(channels);
        if (const int sampleRate = leadingInteger(format.aSample))
            arguments << QStringLiteral("-ar") << QString::number(sampleRate);
    }
    return arguments;
}

}

QList<FollowupJob> planMerge(const ConvertTask &task, const QString &input, bool afterConversion,
                            const QString &mergeFrameSize, const ConfigFormat &format,
                            const FollowupSettings &settings)
{
    const QString extension = outputExtension(format, input);
    const QString proposed = outputStem(settings.outPath, input) + QStringLiteral("Merge.") + extension;
    const QList<MergePiece> pieces = piecesOf(task, input, settings.probe);
    const int inputIndex = task.titleSequences.size();

    FollowupJob job;
    job.outputPath = settings.reserveOutput(proposed);
    job.frameRate = pieces.last().facts.frameRate;
    job.durationText = TimeConv::toEngineText(totalDuration(pieces));
    // A converted input was made only for the merge.
    QStringList scratch;
    if (afterConversion)
        scratch << input;
    if (!scratch.isEmpty())
        job.afterwards = std::make_shared<RemoveScratchFiles>(scratch);

    if (!isCopy(format.vCodec) && !isCopy(format.aCodec)) {
        job.engine = FollowupJob::Engine::Melt;
        job.arguments = meltArguments(pieces, job.outputPath, extension, format, settings.hardware,
                                      pieces.at(inputIndex).facts);
        return {job};
    }

    if (extension.compare(QLatin1String("mp4"), Qt::CaseInsensitive) == 0 && allMp4(pieces)) {
        const QString listFile = writeListFile(pieces, settings.cacheFolder);
        if (listFile.isEmpty())
            return {};
        job.afterwards = std::make_shared<RemoveScratchFiles>(scratch << listFile);
        job.arguments = QStringList{QStringLiteral("-f"), QStringLiteral("concat"), QStringLiteral("-safe"),
                                    QStringLiteral("0"),  QStringLiteral("-i"),     listFile,
                                    QStringLiteral("-c"), QStringLiteral("copy"),   QStringLiteral("-y"),
                                    job.outputPath};
        return {job};
    }

    QString frameSize = mergeFrameSize;
    const MediaFacts &inputFacts = pieces.at(inputIndex).facts;
    if (frameSize.isEmpty() && inputFacts.width > 0 && inputFacts.height > 0)
        frameSize = QStringLiteral("%1:%2").arg(inputFacts.width).arg(inputFacts.height);
    for (const MergePiece &piece : pieces)
        job.arguments << QStringLiteral("-i") << piece.path;
    job.arguments << filterGraphOptions(pieces, frameSize, extension, format, settings.hardware)
                  << QStringLiteral("-y") << job.outputPath;
    return {job};
}
