#pragma once

#include "editor/qwatermarkbase.h"

// The canvas background: the source video's frame with the task's flips, quarter turn
// and crop applied. Not movable, not selectable, always at the bottom.
class QCanvasItem : public QWatermarkBase
{
    Q_OBJECT
public:
    explicit QCanvasItem(QGraphicsItem *parent = nullptr);

    // The background's own record: its source, flips, quarter turn and crop, and the frame.
    const CLayerInfo &info() const override { return m_info; }
    CLayerInfo &info() { return m_info; }

    // The frame as grabbed, at its native size; the displayed picture follows on refresh.
    void setFrame(const QImage &frame);
    const QImage &picture() const { return m_picture; }

    // Builds the displayed picture from the frame and the record's transforms.
    void refresh() override;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The frame after flips, quarter turn and crop, as the conversion makes it.
    static QImage transformedFrame(const QImage &frame, const CLayerInfo &settings);

private:
    CLayerInfo m_info;
    QImage m_picture;
    QRectF m_bounds;
};
