#pragma once

#include <QGraphicsItem>
#include <QIcon>
#include <QObject>
#include <QPointF>

// One corner handle of a layer: a 24 px icon that keeps its size at every zoom and
// turns presses and drags into menu, close, resize and rotate requests.
class ButtonItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)
public:
    enum Kind { Menu = 1, Close = 2, Resize = 3, Rotate = 4 };
    enum VisibleMode { Hidden = 0, Shown = 1, ShownSelected = 2 };
    static constexpr int kSize = 24;

    ButtonItem(int kind, const QIcon &icon, QGraphicsItem *parent);

    int kind() const { return m_kind; }
    int visibleMode() const { return m_visibleMode; }
    void setVisibleMode(int mode);
    bool selectParentOnPress = true;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

signals:
    void pressed();
    void clicked();
    void rotated(qreal r, qreal br);
    void resized(qreal sx, qreal sy);
    void resize();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void emitRotation(const QPointF &scenePos);
    void emitScale(const QPointF &scenePos);

    int m_kind;
    QIcon m_icon;
    QPointF m_pressScenePos; // null while no drag is under way
    bool m_pressHeld = false;
    qreal m_rotationAtPress = 0.0;
    int m_visibleMode = ShownSelected;
    bool m_hovered = false;
};
