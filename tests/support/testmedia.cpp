#include "testmedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace TestMedia {

bool run(const QString &program, const QStringList &arguments, QByteArray *output, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString make(const QString &name, const QStringList &ffmpegArguments)
{
    const QDir cache(QStringLiteral(BRINDLE_TEST_MEDIA_DIR));
    cache.mkpath(QStringLiteral("."));
    const QString path = cache.absoluteFilePath(name);
    if (QFileInfo::exists(path))
        return path;

    // Written under a private name first: suites running side by side may ask for the same clip.
    const QString partial = cache.absoluteFilePath(QStringLiteral("partial-%1-%2")
                                                       .arg(QCoreApplication::applicationPid())
                                                       .arg(name));
    QStringList arguments{QStringLiteral("-y"), QStringLiteral("-loglevel"), QStringLiteral("error")};
    arguments << ffmpegArguments << partial;
    if (!run(QStringLiteral("ffmpeg"), arguments)) {
        QFile::remove(partial);
        return QString();
    }
    QFile::rename(partial, path);
    QFile::remove(partial);
    return path;
}

QString clip(double seconds, const QString &name)
{
    const QString duration = QString::number(seconds);
    const QString fileName = name.isEmpty() ? QStringLiteral("clip-%1s.mp4").arg(duration) : name;
    return make(fileName,
                {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("testsrc=size=320x240:rate=25:duration=%1").arg(duration), QStringLiteral("-f"),
                 QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(duration),
                 QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                 QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                 QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-shortest")});
}

QString colourClip(const QString &colour, double seconds)
{
    const QString duration = QString::number(seconds);
    return make(QStringLiteral("%1-%2s.mp4").arg(colour, duration),
                {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("color=c=%1:size=320x240:rate=25:duration=%2").arg(colour, duration),
                 QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                 QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")});
}

QString longClip()
{
    return make(QStringLiteral("long-1280x720-30s.mp4"),
                {"-f", "lavfi", "-i", "testsrc=size=1280x720:rate=25:duration=30", "-f", "lavfi", "-i",
                 "sine=frequency=440:duration=30", "-c:v", "libx264", "-preset", "ultrafast", "-g", "250", "-pix_fmt",
                 "yuv420p", "-c:a", "aac", "-shortest"});
}

QImage frameOf(const QString &video, double seconds, const QString &filter)
{
    QStringList arguments{QStringLiteral("-v"), QStringLiteral("quiet"), QStringLiteral("-i"), video,
                          QStringLiteral("-ss"), QString::number(seconds)};
    if (!filter.isEmpty())
        arguments << QStringLiteral("-vf") << filter;
    arguments << QStringLiteral("-frames:v") << QStringLiteral("1") << QStringLiteral("-f") << QStringLiteral("image2pipe")
              << QStringLiteral("-c:v") << QStringLiteral("png") << QStringLiteral("-");
    QByteArray png;
    return run(QStringLiteral("ffmpeg"), arguments, &png) ? QImage::fromData(png, "PNG") : QImage();
}

double probeDuration(const QString &path)
{
    QByteArray output;
    if (!run(QStringLiteral("ffprobe"),
             {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
              QStringLiteral("format=duration"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), path},
             &output))
        return -1;
    bool ok = false;
    const double seconds = output.trimmed().toDouble(&ok);
    return ok ? seconds : -1;
}

QString probeStream(const QString &path, const QString &streamKind, const QString &entry)
{
    QByteArray output;
    if (!run(QStringLiteral("ffprobe"),
             {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
              streamKind + QStringLiteral(":0"), QStringLiteral("-show_entries"),
              QStringLiteral("stream=") + entry, QStringLiteral("-of"), QStringLiteral("csv=p=0"), path},
             &output))
        return QString();
    return QString::fromUtf8(output.trimmed());
}

Streams probeStreams(const QString &path)
{
    QByteArray output;
    run(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
         QStringLiteral("stream=codec_type,codec_name,width,height,avg_frame_rate,sample_rate,channels"),
         QStringLiteral("-of"), QStringLiteral("json"), path},
        &output);
    Streams streams;
    const QJsonArray all = QJsonDocument::fromJson(output).object().value(QStringLiteral("streams")).toArray();
    for (const QJsonValue &value : all) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QStringLiteral("codec_type")).toString();
        if (type == QLatin1String("video") && streams.video.isEmpty())
            streams.video = stream;
        else if (type == QLatin1String("audio") && streams.audio.isEmpty())
            streams.audio = stream;
    }
    return streams;
}

}
