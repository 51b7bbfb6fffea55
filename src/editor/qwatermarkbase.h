#pragma once

#include "layers/clayerinfo.h"
#include "layers/watermarkdocument.h"

#include <QGraphicsObject>
#include <QList>
#include <QRect>
#include <QTimer>

class ButtonItem;

// Base of everything placed on the canvas. A layer item is a view of one layer of the
// watermark document: the record places, sizes and turns it. While the mouse drags the
// layer or its handles, or the arrow keys nudge it, the item shows the new geometry on its
// own; the scene then turns that into a command, and the item follows the record again.
class QWatermarkBase : public QGraphicsObject
{
    Q_OBJECT
public:
    enum Mode { Idle = 0, Resizing = 3, Rotating = 4, Pressed = 5 };
    static constexpr int kRedrawMs = 40;

    // The background, which is no layer of the document.
    explicit QWatermarkBase(QGraphicsItem *parent = nullptr);
    QWatermarkBase(const WatermarkDocument *document, LayerId id, QGraphicsItem *parent = nullptr);
    ~QWatermarkBase() override;

    LayerId layerId() const { return m_id; }
    // The layer's record as the document holds it.
    virtual const CLayerInfo &info() const;
    // The record with the place, size and angle that the item shows now.
    virtual CLayerInfo shownRecord() const;
    // Takes place, size and angle from the record again, dropping whatever a drag showed.
    virtual void showRecord();

    int mode = Idle;
    bool dirty = false;
    bool moved = false;
    const QList<ButtonItem *> &handles() const { return m_handles; }

    // Which handle kind lies under a scene point (5 for the layer itself, 0 for none);
    // zoom is the view's scale factor (1.0 at 100 %), which the handles do not follow.
    int hitTest(const QPointF &scenePoint, qreal zoom) const;

    // Builds the four handles around the record's size and starts the redraw timer.
    void createHandles();
    // The pending requests of the handles, applied at once rather than by the timer.
    void applyPending() { slotRedraw(); }
    // Moves the transform origin without moving the item on screen.
    void moveTransformOrigin(const QPointF &origin);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

public slots:
    virtual int handleCount() const;
    virtual QPointF handlePositionByCorner(int corner) const;
    virtual void placeHandles();
    // Shows the layer turned to an angle about its centre.
    virtual void setAngle(qreal angle);
    // Shows the layer at a size, its height following the width while the record keeps
    // the aspect ratio.
    virtual void setSize(qreal w, qreal h);
    virtual void refresh();
    virtual QRectF sceneBox() const;
    virtual QRectF contentRect() const;

signals:
    void sigClose();
    void sigDClicked();
    void sigMenu();

protected slots:
    void slotPressed();
    void slotResize();
    void slotResized(qreal sx, qreal sy);
    void slotRotated(qreal angle);
    void slotRedraw();

protected:
    // Applies a pending resize of the handle drag; text layers change their font instead.
    virtual void applyResize(qreal sx, qreal sy);
    virtual void rememberPressSize() {}
    bool isLocked() const { return info().locked; }
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

    const WatermarkDocument *m_document = nullptr;
    LayerId m_id = 0;
    QList<ButtonItem *> m_handles;
    QRect m_content;
    QRect m_pressContent;
    qreal m_requestedAngle = 0.0;
    qreal m_scaleX = 1.0;
    qreal m_scaleY = 1.0;
    bool m_resizeRequested = false;
    bool m_rotateRequested = false;
    bool m_resizeFinished = false;
    QTimer m_redrawTimer;
};
