#include "editor/canvashistory.h"

#include "editor/qwatermarkscene.h"

#include <QAction>
#include <QUndoCommand>

namespace {

// A layer coming onto the canvas (added, duplicated) or leaving it (deleted). While the
// layer is off the canvas the command owns it.
class PresenceCommand : public QUndoCommand
{
public:
    PresenceCommand(QWatermarkScene *scene, QWatermarkBase *item, bool adds, const QString &text)
        : QUndoCommand(text)
        , m_scene(scene)
        , m_item(item)
        , m_adds(adds)
    {
    }
    ~PresenceCommand() override
    {
        // Of an add and a later delete of the same layer, only the one that took it off
        // the canvas owns it; the other must not even look at it.
        if (ownsItem() && !m_item->scene())
            delete m_item;
    }

    // The change itself has happened by the time the command is recorded.
    void redo() override
    {
        m_done = true;
        if (m_first) {
            m_first = false;
            return;
        }
        apply(m_adds);
    }
    void undo() override
    {
        m_done = false;
        apply(!m_adds);
    }

private:
    void apply(bool present)
    {
        if (present && !m_item->scene())
            m_scene->restoreLayer(m_item);
        else if (!present && m_item->scene())
            m_scene->withdrawLayer(m_item);
    }

    bool ownsItem() const { return m_adds ? !m_done : m_done; }

    QWatermarkScene *m_scene;
    QWatermarkBase *m_item;
    bool m_adds;
    bool m_first = true;
    bool m_done = true;
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

void CanvasHistory::recordAdded(QWatermarkBase *item, const QString &text)
{
    m_stack.push(new PresenceCommand(m_scene, item, true, text));
}

void CanvasHistory::recordDeleted(QWatermarkBase *item)
{
    m_stack.push(new PresenceCommand(m_scene, item, false, tr("Delete")));
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
