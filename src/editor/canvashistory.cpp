#include "editor/canvashistory.h"

#include "editor/qwatermarkscene.h"

#include <QAction>
#include <QUndoCommand>

#include <iterator>
#include <utility>

namespace {

// A layer coming onto the canvas (added, duplicated) or leaving it (deleted).
class PresenceCommand : public QUndoCommand
{
public:
    PresenceCommand(QWatermarkScene *scene, std::shared_ptr<LayerKeeper> keeper, bool adds, const QString &text)
        : QUndoCommand(text)
        , m_scene(scene)
        , m_keeper(std::move(keeper))
        , m_adds(adds)
    {
    }

    // The change itself has happened by the time the command is recorded.
    void redo() override
    {
        if (m_first) {
            m_first = false;
            return;
        }
        apply(m_adds);
    }
    void undo() override { apply(!m_adds); }

private:
    void apply(bool present)
    {
        QWatermarkBase *item = m_keeper->item;
        if (present && !item->scene())
            m_scene->restoreLayer(item);
        else if (!present && item->scene())
            m_scene->withdrawLayer(item);
    }

    QWatermarkScene *m_scene;
    std::shared_ptr<LayerKeeper> m_keeper;
    bool m_adds;
    bool m_first = true;
};

class ChangeCommand : public QUndoCommand
{
public:
    ChangeCommand(QWatermarkBase *item, const LayerState &before, const QString &text)
        : QUndoCommand(text)
        , m_item(item)
        , m_before(before)
        , m_after(item->state())
    {
    }

    void redo() override
    {
        if (m_first) {
            m_first = false;
            return;
        }
        m_item->restoreState(m_after);
    }
    void undo() override { m_item->restoreState(m_before); }

private:
    QWatermarkBase *m_item;
    LayerState m_before;
    LayerState m_after;
    bool m_first = true;
};

}

CanvasHistory::CanvasHistory(QWatermarkScene *scene)
    : m_scene(scene)
{
    connect(scene, &QWatermarkScene::itemMovedHM, this, &CanvasHistory::onItemMoved);
    connect(scene, &QWatermarkScene::itemRotateHM, this, &CanvasHistory::onItemRotated);
    connect(scene, &QWatermarkScene::itemResizeHM, this, &CanvasHistory::onItemResized);
}

CanvasHistory::~CanvasHistory()
{
    // Commands may own layers that are off the canvas; they go first.
    m_stack.clear();
}

QAction *CanvasHistory::createUndoAction(QObject *parent)
{
    QAction *action = m_stack.createUndoAction(parent, tr("Undo"));
    action->setShortcut(QKeySequence::Undo);
    return action;
}

QAction *CanvasHistory::createRedoAction(QObject *parent)
{
    QAction *action = m_stack.createRedoAction(parent, tr("Redo"));
    action->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    return action;
}

LayerKeeper::~LayerKeeper()
{
    if (!item->scene())
        delete item;
}

std::shared_ptr<LayerKeeper> CanvasHistory::keeperOf(QWatermarkBase *item)
{
    std::shared_ptr<LayerKeeper> keeper = m_keepers.value(item).lock();
    if (!keeper) {
        for (auto it = m_keepers.begin(); it != m_keepers.end();)
            it = it->expired() ? m_keepers.erase(it) : std::next(it);
        keeper = std::make_shared<LayerKeeper>(item);
        m_keepers.insert(item, keeper);
    }
    return keeper;
}

void CanvasHistory::recordAdded(QWatermarkBase *item, const QString &text)
{
    m_stack.push(new PresenceCommand(m_scene, keeperOf(item), true, text));
}

void CanvasHistory::recordDeleted(QWatermarkBase *item)
{
    m_stack.push(new PresenceCommand(m_scene, keeperOf(item), false, tr("Delete")));
}

void CanvasHistory::recordChange(QWatermarkBase *item, const LayerState &before, const QString &text)
{
    m_stack.push(new ChangeCommand(item, before, text));
}

QWatermarkBase *CanvasHistory::itemOf(const CLayerInfo *record) const
{
    for (QWatermarkBase *layer : m_scene->layers())
        if (&layer->info() == record)
            return layer;
    return nullptr;
}

void CanvasHistory::onItemMoved(CLayerInfo *record, QPointF)
{
    if (QWatermarkBase *item = itemOf(record))
        recordChange(item, item->stateAtPress(), tr("Move"));
}

void CanvasHistory::onItemRotated(CLayerInfo *record, qreal oldAngle, qreal newAngle)
{
    QWatermarkBase *item = itemOf(record);
    if (item && oldAngle != newAngle)
        recordChange(item, item->stateAtPress(), tr("Rotate"));
}

void CanvasHistory::onItemResized(CLayerInfo *record, QPointF)
{
    if (QWatermarkBase *item = itemOf(record))
        recordChange(item, item->stateAtPress(), tr("Resize"));
}
