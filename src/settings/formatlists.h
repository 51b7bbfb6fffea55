#pragma once

#include "settings/hardwarechoice.h"

#include <QString>
#include <QStringList>

// One list of choices and the entry that is current when the list is (re)built.
struct Choices
{
    QStringList entries;
    QString current;
};

// The fixed choices of the output format, by container index 0 to 9 and by audio codec.
namespace FormatLists {

bool hasVideo(int containerIndex);

// Bit rates or, in quality mode, quality levels; "Auto" first and current.
Choices videoBitRates(bool qualityMode);
Choices frameSizes();
Choices frameRates(int containerIndex);
Choices aspects();
// The container's codecs with the found hardware encoders of the same families, then "copy".
Choices videoCodecs(int containerIndex, const HardwareChoice &found);
Choices audioCodecs(int containerIndex);

Choices audioChannels(const QString &audioCodec);
Choices audioSampleRates(const QString &audioCodec, int containerIndex);
Choices audioBitRates(const QString &audioCodec);

}
