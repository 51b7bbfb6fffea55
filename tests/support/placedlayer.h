#pragma once

#include "layers/clayerinfo.h"
#include "layers/layersource.h"
#include "layers/recordlayer.h"

// A layer as the canvas hands it to the filter graph: placed at (x, y), turned about
// its centre. Tests and benchmarks stand it in for the canvas items.
class PlacedLayer : public LayerSource
{
public:
    PlacedLayer(const CLayerInfo &record, qreal z)
        : info(record)
        , z(z)
    {
    }

    const CLayerInfo &layerInfo() const override { return info; }
    qreal layerZ() const override { return z; }
    qreal layerRotation() const override { return info.Angle; }
    QImage layerImage() const override { return info.image; }
    QRectF sceneBox() const override { return turnedBox(info); }

    CLayerInfo info;
    qreal z;
};

// An image layer of the given placement whose picture is w x h pixels of one colour.
inline CLayerInfo pictureLayer(const QString &file, int x, int y, int w, int h, QColor color = Qt::green)
{
    CLayerInfo info;
    info.Type = CLayerInfo::Picture;
    info.FileName = file;
    info.x = x;
    info.y = y;
    info.Width = w;
    info.Height = h;
    info.image = QImage(w, h, QImage::Format_ARGB32);
    info.image.fill(color);
    return info;
}
