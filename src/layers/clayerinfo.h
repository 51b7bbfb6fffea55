#pragma once

#include "common/cropthick.h"
#include "text/cwordartinfo.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

// One layer of a watermark project. Positions and sizes are canvas pixels: the pixel grid
// of the source frame after its flips, quarter turn and crop. Times are microseconds.
class CLayerInfo
{
public:
    enum Kind { Background = 0, Video = 1, Picture = 2, Text = 3 };
    enum Motion { NoMotion = 0, ScrollLeft = 1, ScrollRight = 2, ScrollTop = 3, ScrollBottom = 4 };
    enum Fade { NoFade = 0, FadeIn = 1, FadeOut = 2, FadeInOut = 3 };

    CLayerInfo() = default;
    CLayerInfo(const CLayerInfo &other) = default;
    CLayerInfo &operator=(const CLayerInfo &other) = default;
    virtual ~CLayerInfo() = default;

    // Copies every field except the image: an item built from a stored record
    // fills its picture itself.
    void assignSettings(const CLayerInfo &other);

    int Transparent = 100; // opacity in percent
    int Type = Picture;
    QString FileName;
    bool locked = false;
    int Width = 0;
    int Height = 0;
    float Angle = 0.0f; // degrees, clockwise, about the centre
    bool flipVertical = false;
    bool flipHorizontal = false;
    int transpose = -1; // -1 none, 1 clockwise, 2 counter-clockwise
    bool Keep = true;
    int Direction = 0;
    int Speed = 50; // output pixels per second
    int Animation = NoMotion;
    int fade = NoFade;
    int Loop = 0; // 0 repeats endlessly
    qint64 StartTime = 0;
    qint64 EndTime = 0; // 0: until the end of the video
    ST_CROP_THICK crop;
    int x = 0;
    int y = 0;
    CWordArtInfo wordArt;
    QImage image;
};
