#pragma once

#include "common/converttask.h"
#include "layers/watermarkdocument.h"

#include <QGraphicsScene>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QSize>

class CanvasHistory;
class CWordArtInfo;
class QCanvasItem;
class QUndoStack;
class QWatermarkBase;
class QWatermarkView;

// The editing surface: the background frame of the current task and, over it, one item for
// each layer of the watermark document, in the frame's pixel grid. The items follow the
// document; what the user does to them becomes a command of the scene's undo history.
class QWatermarkScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit QWatermarkScene(WatermarkDocument *document, QObject *parent = nullptr);
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
    // Takes the background's current size as the scene's and the view's rectangle, and as
    // the document's canvas.
    void resetCanvasRect();

    WatermarkDocument *document() const { return m_document; }
    CanvasHistory *history() const { return m_history; }
    QUndoStack *undoStack() const;

    // New layers, selected alone, on top, and placed where the view shows the canvas. Null,
    // with what is wrong with the file in *error, when it gives no picture.
    QWatermarkBase *addVideo(const QString &path, QString *error = nullptr);
    QWatermarkBase *addImage(const QString &path, QString *error = nullptr);
    QWatermarkBase *addText(const CWordArtInfo &wordArt, QString *error = nullptr);

    // The layer items, lowest first.
    QList<QWatermarkBase *> layers() const;
    QList<QWatermarkBase *> selectedLayers() const;
    QList<LayerId> selectedIds() const;
    QWatermarkBase *itemOf(LayerId id) const { return m_items.value(id); }
    // Selects exactly these layers.
    void selectLayers(const QList<LayerId> &ids);

public slots:
    void deleteSelected();
    void duplicateSelected();
    void editText();
    void openLayerDialog();
    void slotClose();
    void slotDClick();
    void slotMenu();

signals:
    void itemMenuHM();

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
    QWatermarkBase *addNewLayer(CLayerInfo record, const QString &text, QString *error);
    // Where a new layer of this size goes: centred on the canvas as the view shows it, and a
    // step down and right of any layer already centred there.
    QPoint placeForNewLayer(const QSize &size) const;
    void connectLayer(QWatermarkBase *item);
    void showLayer(LayerId id);
    void dropLayer(LayerId id);
    void showAllLayers();
    void restack();
    // Makes commands of what the mouse or the keys showed on the selected layers.
    void commitMoves();
    void commitHandleDrag(QWatermarkBase *item);

    WatermarkDocument *m_document;
    CanvasHistory *m_history;
    QWatermarkView *m_view = nullptr;
    QCanvasItem *m_background = nullptr;
    QHash<LayerId, QWatermarkBase *> m_items;
    qint64 m_mediaDuration = 0;
    bool m_nudging = false;
};
