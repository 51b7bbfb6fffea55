#pragma once

#include <QString>

// The video stream that a moving layer's movie source plays: the file's best video stream.
struct LayerStream
{
    bool opaque = false; // its pictures carry no alpha channel
    // The rate by which the graph numbers the layer's frames in time; 0 when unknown.
    int rateNum = 0;
    int rateDen = 0;
};

// Opens the file as the movie source does; a file that cannot be read gives an empty result.
LayerStream probeLayerStream(const QString &path);
