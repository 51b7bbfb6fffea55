#pragma once

#include "common/cropthick.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QTimer>
#include <QWidget>

// Shows a still picture with a crop frame the user drags by its four corner handles or
// moves as a whole. The frame never leaves the picture and never turns inside out; the
// margins it leaves are emitted as fractions of the picture when the mouse is released.
class CropWnd : public QWidget
{
    Q_OBJECT
public:
    // Parts of the frame a point can hit: the corner handles in clockwise order from the
    // top left, the inside, or nothing.
    enum Part { None = -1, TopLeft = 0, TopRight = 1, BottomRight = 2, BottomLeft = 3, Inside = 4 };

    explicit CropWnd(QWidget *parent = nullptr);

    // The frame starts at the record's fractions when it is in force, else around the whole picture.
    void setPicture(const QImage &image, const ST_CROP_THICK &crop);
    // A free ratio lets each corner move on its own; a fixed one fits the largest centred
    // frame of that width-to-height ratio and keeps corner drags at it.
    void setRatio(bool freeRatio, float ratio);
    void reset();
    // Places the frame at the record's fractions (typed in by the user) and emits it.
    void setCrop(const ST_CROP_THICK &crop);

    ST_CROP_THICK crop() const { return m_crop; }
    // The frame as it stands, as fractions of the picture; also while it is dragged.
    ST_CROP_THICK frameCrop() const;
    QRectF frame() const { return m_frame; }
    QRectF imageArea() const { return m_imageArea; }
    Part hitTest(const QPointF &point) const;

    // The size fitted into the rectangle and centred in it, each side at least 1 pixel.
    // Without "always" a size that already fits keeps its own extent. The rectangle's extent
    // is right minus left, as for Qt's integer rectangles.
    static QRectF fitInto(const QSizeF &size, const QRect &rect, bool always);

signals:
    void sigCrop(ST_CROP_THICK crop);
    // The frame moved or changed size, by a drag, a ratio, a reset or typed numbers.
    void sigFrameChanged();

public slots:
    void OnUpdateUI();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateImageArea();
    void layOutFrame();
    void setFrame(const QRectF &frame);
    void dragCorner(Part corner, qreal dx, qreal dy);
    void dragInside(qreal dx, qreal dy);
    void updateCursor(const QPointF &point);
    void emitCrop();
    void drawFrame(QPainter &painter) const;
    void markDirty() { m_dirty = true; }

    QTimer m_repaintTimer;
    bool m_dirty = false;
    QImage m_image;
    qreal m_imageWidth = 0.0;
    qreal m_imageHeight = 0.0;
    QRectF m_frame;
    QRectF m_frameAtPress;
    QRectF m_imageArea;
    QRect m_handles[4];
    QPointF m_pressPosition;
    bool m_dragging = false;
    Part m_activePart = None;
    bool m_freeRatio = true;
    float m_ratio = 1.0f;
    ST_CROP_THICK m_crop;
};
