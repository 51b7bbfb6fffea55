#pragma once

#include "editor/qwatermarkbase.h"

#include <QHash>
#include <QObject>
#include <QUndoStack>

#include <memory>

class QAction;
class QWatermarkScene;

// Keeps a layer alive while it is off the canvas and a history step may bring it back;
// shared by every step that adds or removes that layer.
struct LayerKeeper
{
    explicit LayerKeeper(QWatermarkBase *layer)
        : item(layer)
    {
    }
    ~LayerKeeper();
    QWatermarkBase *item;
};

// The canvas's undo history: adds, deletes, duplicates, moves, nudges, resizes, turns
// and layer-dialog changes. Layers taken off the canvas live on in the history, so an
// undo brings back the very same item.
class CanvasHistory : public QObject
{
    Q_OBJECT
public:
    explicit CanvasHistory(QWatermarkScene *scene);
    ~CanvasHistory() override;

    QUndoStack *stack() { return &m_stack; }
    // Undo (Ctrl+Z) and redo (Ctrl+Shift+Z, Ctrl+Y) actions for a menu or tool bar.
    QAction *createUndoAction(QObject *parent);
    QAction *createRedoAction(QObject *parent);

    void recordAdded(QWatermarkBase *item, const QString &text);
    void recordDeleted(QWatermarkBase *item);
    // A change of one layer from the state before to its current state.
    void recordChange(QWatermarkBase *item, const LayerState &before, const QString &text);
    void beginMacro(const QString &text) { m_stack.beginMacro(text); }
    void endMacro() { m_stack.endMacro(); }

private slots:
    void onItemMoved(CLayerInfo *record, QPointF oldPosition);
    void onItemRotated(CLayerInfo *record, qreal oldAngle, qreal newAngle);
    void onItemResized(CLayerInfo *record, QPointF scale);

private:
    QWatermarkBase *itemOf(const CLayerInfo *record) const;
    std::shared_ptr<LayerKeeper> keeperOf(QWatermarkBase *item);

    QWatermarkScene *m_scene;
    QUndoStack m_stack;
    QHash<QWatermarkBase *, std::weak_ptr<LayerKeeper>> m_keepers;
};
