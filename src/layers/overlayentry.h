#pragma once

#include <QString>
#include <QtGlobal>

// One layer as the filter graph writes it, in output-video pixels. Times are microseconds.
struct OverlayEntry
{
    QString path; // the file the movie source opens
    int opacity = 100;
    int x = 0;
    int y = 0;
    float angle = 0.0f;
    int boxWidth = 0;
    int boxHeight = 0;
    bool needsScale = false;
    int width = 0;
    int height = 0;
    int animation = 0;
    int fade = 0;
    int loop = 0;
    qint64 start = 0;
    qint64 end = 0;
    int speed = 50;
    bool still = false; // one picture that never changes: read and converted once
    bool opaqueVideo = false; // a moving source whose pictures have no alpha channel
    // The rate by which the graph numbers a moving source's frames in time; 0 when unknown.
    int rateNum = 0;
    int rateDen = 0;
};
