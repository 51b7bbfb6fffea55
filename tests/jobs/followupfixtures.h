#pragma once

#include "common/converttask.h"
#include "jobs/followupjob.h"
#include "settings/configformat.h"

namespace FollowupFixtures {

constexpr qint64 kSecond = 1000000;

// A format with the given container and codecs and every other choice on "keep" or "Auto".
inline void useCodecs(ConfigFormat &format, const QString &container, const QString &video, const QString &audio)
{
    format.format = container;
    format.vCodec = video;
    format.aCodec = audio;
    format.vBitRate = QStringLiteral("Auto");
    format.vSetMode = false;
    format.vKeepWH = true;
    format.vSize = QStringLiteral("1280x720 (720p)");
    format.vAspect = QStringLiteral("Auto");
    format.vKeepFrameRate = true;
    format.vFrameRate = QStringLiteral("25.0 fps");
    format.aKeepCodec = false;
    format.aBitRate = QStringLiteral("128 kbps");
    format.aChannels = QStringLiteral("2 channels stereo");
    format.aSample = QStringLiteral("44100 Hz");
    format.aVolume = 100;
}

}
