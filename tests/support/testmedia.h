#pragma once

#include <QImage>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Media made with the real ffmpeg on demand, cached for the whole test run.
namespace TestMedia {

// Runs a program to its end; false on a start failure, a timeout or a non-zero exit.
bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr,
         int timeoutMs = 120000);

// Makes <name> in the media cache with "ffmpeg -y <arguments> <file>" unless it exists.
QString make(const QString &name, const QStringList &ffmpegArguments);

// A 320x240 test pattern at 25 fps with a 440 Hz tone, H.264/AAC in MP4.
QString clip(double seconds = 3.0, const QString &name = QString());
// A 320x240 picture of one colour (an FFmpeg colour name) at 25 fps, without sound.
QString colourClip(const QString &colour, double seconds = 3.0);
// 30 s of a 1280x720 test pattern with a tone: a conversion long enough to pause or stop halfway.
QString longClip();

// The picture at a time of a video, through the real ffmpeg and an optional filter graph.
QImage frameOf(const QString &video, double seconds, const QString &filter = QString());

// Container duration in seconds as ffprobe reports it; -1 when it cannot be read.
double probeDuration(const QString &path);
// The first video and audio stream of a file as ffprobe describes them; empty when absent.
struct Streams
{
    QJsonObject video;
    QJsonObject audio;
};
Streams probeStreams(const QString &path);

// One stream entry (such as "codec_name") of the first stream of a kind ("v" or "a").
QString probeStream(const QString &path, const QString &streamKind, const QString &entry);

}
