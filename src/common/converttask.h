#pragma once

#include "common/cropthick.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// A file joined before (title sequence) or after (ending) a task's source.
struct MergeEntry
{
    QString path;
    qint64 start = 0; // µs
    qint64 end = 0;   // µs
    qint64 spare = 0;
};

// One part to cut the output into.
struct SplitEntry
{
    qint64 start = 0; // µs
    qint64 end = 0;   // µs
};

// What to do with one row of the conversion list. Times are microseconds.
struct ConvertTask
{
    int width = 0;
    int height = 0;

    // Picture settings made in the editor.
    bool verticalFlip = false;
    bool horizontalFlip = false;
    int transpose = -1; // -1 none, 1 clockwise, 2 counter-clockwise (FFmpeg's transpose values)
    ST_CROP_THICK crop;  // margins as fractions; crop.cropped says whether they apply

    bool mergeOn = false;
    bool secondMerge = false;
    bool hasSubtitle = false;
    bool subtitleAsStream = false;
    bool hasMusic = false;

    int splitMode = 0; // 0 number of parts, 1 length of each part, 2 one section
    int splitCount = 0;
    qint64 clipLength = 0;
    qint64 sectionEnd = 0;

    QString sourcePath;
    qint64 start = 0;
    qint64 end = 0;

    QList<MergeEntry> titleSequences;
    QList<MergeEntry> endings;
    QList<SplitEntry> splits;
    QString subtitlePath;
    // A subtitle track of the source to burn in, counted among its subtitle streams; -1 for
    // none. A text track is read into subtitlePath's file (into the cache when that is empty);
    // a track of pictures is drawn from the source itself.
    int subtitleTrack = -1;
    bool subtitleTrackPictures = false;
    QStringList music;
};
