#pragma once

#include <QString>
#include <QtGlobal>

// What the container says about a media file; all zero when it cannot be opened.
struct MediaProbe
{
    int width = 0;
    int height = 0;
    double frameRate = 0;
    qint64 durationUs = 0;
    qint64 bitRate = 0;
    int videoCodecId = 0;
};

// Reads the file's header and stream information. With several video streams the
// last one gives the picture values.
MediaProbe probeMedia(const QString &path);
