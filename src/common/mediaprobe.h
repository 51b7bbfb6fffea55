#pragma once

#include "common/subtitletrack.h"

#include <QMetaType>
#include <QString>
#include <QtGlobal>

// What the conversion list and the run need to know about a media file.
// Every value stays 0 when the file cannot be opened.
struct MediaProbe
{
    int width = 0;      // of the last video stream
    int height = 0;
    double frameRate = 0.0;
    qint64 duration = 0; // µs, of the container
    qint64 bitRate = 0;  // bits per second, of the container
    int videoCodecId = 0; // FFmpeg's AVCodecID
    bool videoOpaque = false; // every video stream decodes to pictures without an alpha channel
    QList<SubtitleTrack> subtitleTracks;
    bool opened = false;
};

// Opens the file with the FFmpeg demuxer and reads its stream information.
// Safe to call from any thread.
MediaProbe probeMedia(const QString &path);

Q_DECLARE_METATYPE(MediaProbe)
