#pragma once

#include "layers/clayerinfo.h"
#include "layers/layersource.h"

#include <QGraphicsObject>
#include <QList>
#include <QRect>
#include <QTimer>

class ButtonItem;

// Everything a layer item's undo step needs to put it back: its record and where and
// how it sits on the canvas.
struct LayerState
{
    CLayerInfo info; // the image is not part of the state
    QPointF pos;
    QPointF origin;
    qreal rotation = 0.0;
    qreal opacity = 1.0;
};

// Base of everything placed on the canvas: carries the layer's record and its handles,
// and applies the handles' resize and rotate requests on a 40 ms timer.
class QWatermarkBase : public QGraphicsObject, public LayerSource
{
    Q_OBJECT
public:
    enum Mode { Idle = 0, Resizing = 3, Rotating = 4, Pressed = 5 };
    static constexpr int kRedrawMs = 40;

    explicit QWatermarkBase(QGraphicsItem *parent = nullptr);
    ~QWatermarkBase() override;

    CLayerInfo &info() { return m_info; }
    const CLayerInfo &info() const { return m_info; }
    int mode = Idle;
    bool dirty = false;
    bool moved = false;
    const QList<ButtonItem *> &handles() const { return m_handles; }

    // LayerSource
    const CLayerInfo &layerInfo() const override { return m_info; }
    qreal layerZ() const override { return zValue(); }
    qreal layerRotation() const override { return rotation(); }
    QImage layerImage() const override { return m_info.image; }

    // Which handle kind lies under a scene point (5 for the layer itself, 0 for none);
    // zoom is the view's scale factor (1.0 at 100 %), which the handles do not follow.
    int hitTest(const QPointF &scenePoint, qreal zoom) const;

    LayerState state() const;
    virtual void restoreState(const LayerState &state);
    // The state when the current press or nudge began; the history's "before".
    void rememberState() { m_stateAtPress = state(); }
    const LayerState &stateAtPress() const { return m_stateAtPress; }
    QPointF requestedScale() const { return QPointF(m_scaleX, m_scaleY); }
    // Builds the four handles around a picture of the given size and starts the redraw timer.
    void createHandles(const QSize &pictureSize);
    // The pending requests of the handles, applied at once rather than by the timer.
    void applyPending() { slotRedraw(); }
    // Moves the transform origin without moving the item on screen.
    void moveTransformOrigin(const QPointF &origin);

    QRectF boundingRect() const override;

public slots:
    virtual void fadeOutAndDelete();
    virtual int handleCount() const;
    virtual QPointF handlePositionByKind(int kind) const;
    virtual QPointF handlePositionByCorner(int corner) const;
    virtual void placeHandles();
    virtual void setAngle(qreal angle);
    virtual void resizeKeepingTopLeft(qreal w, qreal h);
    virtual void setSize(qreal w, qreal h);
    virtual void refresh();
    virtual void updateRect();
    QRectF sceneBox() const override;
    virtual QRectF contentRect() const;

signals:
    void sigClose();
    void sigDClicked();
    void sigMenu();

protected slots:
    void slotPressed();
    void slotResize();
    void slotResized(qreal sx, qreal sy);
    void slotRotated(qreal r, qreal br);
    void slotRedraw();

protected:
    // Applies a pending resize of the handle drag; differs for pictures and text.
    virtual void applyResize(qreal sx, qreal sy) = 0;
    // Called once when the resize handle is let go.
    virtual void finishResize() {}
    virtual void rememberPressSize() {}
    void paintLayer(QPainter *painter);
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

    CLayerInfo m_info;
    QList<ButtonItem *> m_handles;
    QRect m_content;
    QRect m_pressContent;
    qreal m_requestedAngle = 0.0;
    qreal m_angleAtPress = 0.0;
    qreal m_scaleX = 1.0;
    qreal m_scaleY = 1.0;
    float m_pictureFactorX = 1.0f; // picture width / displayed width
    float m_pictureFactorY = 1.0f;
    bool m_resizeRequested = false;
    bool m_rotateRequested = false;
    bool m_resizeFinished = false;
    QTimer m_redrawTimer;
    LayerState m_stateAtPress;
};
