#pragma once

#include "layers/clayerinfo.h"
#include "layers/layersource.h"

#include <QCoreApplication>
#include <QString>

// A layer's picture made as the canvas shows it: text rendered from the word art, an image
// loaded, a video's first frame grabbed. Null, with the reason in *error, when there is none.
QImage layerPicture(const CLayerInfo &record, QString *error);

// The axis-aligned box, in canvas pixels, around a record's content placed at its position
// and turned about its centre by its angle.
QRectF turnedBox(const CLayerInfo &record);

// A layer straight from its record, for work without the editor's canvas: placed at the
// record's position, turned about its centre by its angle, stacked by z.
class RecordLayer : public LayerSource
{
    Q_DECLARE_TR_FUNCTIONS(RecordLayer)

public:
    RecordLayer(const CLayerInfo &record, qreal z);

    // Makes the layer's picture; false, with the reason, when there is none to make.
    bool loadPicture(QString *error);

    const CLayerInfo &layerInfo() const override { return m_info; }
    qreal layerZ() const override { return m_z; }
    qreal layerRotation() const override { return m_info.Angle; }
    QRectF sceneBox() const override;
    QImage layerImage() const override { return m_info.image; }

private:
    CLayerInfo m_info;
    qreal m_z;
};
