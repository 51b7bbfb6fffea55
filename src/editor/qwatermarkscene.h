#pragma once

#include "common/converttask.h"

#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QSize>

class CanvasHistory;
class CLayerInfo;
class CWordArtInfo;
class QCanvasItem;
class QUndoStack;
class QWatermarkBase;
class QWatermarkView;

// The editing surface: the background frame of the current task and the layer items
// over it, in the frame's pixel grid. Owns the items and their undo history.
class QWatermarkScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit QWatermarkScene(QObject *parent = nullptr);
    ~QWatermarkScene() override;

    bool showPattern = true; // the transparency pattern under the frame

    void setView(QWatermarkView *view);
    QWatermarkView *view() const { return m_view; }

    // Shows the video's frame at time 0 with the task's flips, quarter turn and crop;
    // false when the file has no picture.
    bool setBackground(const QString &videoPath, const ConvertTask &picture = ConvertTask());
    QCanvasItem *background() const { return m_background; }
    // The background's size: the canvas the layers are placed on.
    QSize canvasSize() const;
    qint64 mediaDuration() const { return m_mediaDuration; }
    // Takes the background's current size as the scene's and the view's rectangle.
    void resetCanvasRect();

    // New layers, selected and on top; null when the file gives no picture.
    QWatermarkBase *addVideo(const QString &path);
    QWatermarkBase *addImage(const QString &path);
    QWatermarkBase *addText(const CWordArtInfo &wordArt);
    // A layer read from a project, unselected and placed as recorded.
    QWatermarkBase *addLayer(const CLayerInfo &record);
    // Removes every layer (announcing each) and forgets the undo history.
    void clearLayers();

    QList<QWatermarkBase *> layers() const;
    QList<QWatermarkBase *> selectedLayers() const;

    CanvasHistory *history() const { return m_history; }
    QUndoStack *undoStack() const;

    // Used by the undo history: takes a layer off the canvas without deleting it, and
    // puts it back.
    void withdrawLayer(QWatermarkBase *item);
    void restoreLayer(QWatermarkBase *item);

public slots:
    void deleteSelected();
    void duplicateSelected();
    void editText();
    void openLayerDialog();
    void slotClose();
    void slotDClick();
    void slotMenu();

signals:
    void itemAddedHM(QWatermarkBase *pLayeredBase);
    void itemPressHM(QWatermarkBase *pLayeredBase);
    void itemMenuHM();
    void itemDeleteHM(QWatermarkBase *pLayeredBase);
    void itemMovedHM(CLayerInfo *pLayerInfo, QPointF oldPosition);
    void itemRotateHM(CLayerInfo *pLayerInfo, qreal oldAngle, qreal newAngle);
    void itemResizeHM(CLayerInfo *pLayerInfo, QPointF scale);
    void canvasResized(qreal xoffset, qreal yoffset, QSizeF oldSize);

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    // The selected layers plus the layer that sent the current signal, if any.
    QList<QWatermarkBase *> targets() const;
    void deselectAll();
    void placeNewLayer(QWatermarkBase *item, bool selected);
    void connectLayer(QWatermarkBase *item);
    QWatermarkBase *createLayer(int type, const CLayerInfo *record, const QString &path,
                                const CWordArtInfo *wordArt);
    void reportMoves();

    QWatermarkView *m_view = nullptr;
    QCanvasItem *m_background = nullptr;
    CanvasHistory *m_history = nullptr;
    qint64 m_mediaDuration = 0;
    int m_layerCounter = 1;
    bool m_nudging = false;
    QPointF m_nudge;
};
