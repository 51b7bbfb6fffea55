#pragma once

#include "editor/qwatermarkbase.h"

// A video layer (its frame at time 0) or an image layer on the canvas.
class QWatermarkItem : public QWatermarkBase
{
    Q_OBJECT
public:
    explicit QWatermarkItem(QGraphicsItem *parent = nullptr);

    // Fills the picture from the record's file as its Type says; false when the file
    // gives no picture.
    bool loadPicture();

    void updateRect() override;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void applyResize(qreal sx, qreal sy) override;
};
