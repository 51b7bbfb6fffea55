#pragma once

#include "editor/qwatermarkbase.h"

// A video layer (its frame at time 0) or an image layer on the canvas.
class QWatermarkItem : public QWatermarkBase
{
    Q_OBJECT
public:
    QWatermarkItem(const WatermarkDocument *document, LayerId id, QGraphicsItem *parent = nullptr);
};
