#pragma once

#include <QImage>
#include <QRectF>

class CLayerInfo;

// What the filter graph needs of a layer on the canvas. The canvas layer items
// implement it; tests supply their own.
class LayerSource
{
public:
    virtual ~LayerSource() = default;
    virtual const CLayerInfo &layerInfo() const = 0;
    // Stacking order: lower values are composed first.
    virtual qreal layerZ() const = 0;
    // Current rotation in degrees, clockwise.
    virtual qreal layerRotation() const = 0;
    // The axis-aligned box, in canvas pixels, around the turned layer.
    virtual QRectF sceneBox() const = 0;
    // The layer's pixels: video frame, picture or rendered text.
    virtual QImage layerImage() const = 0;
};
