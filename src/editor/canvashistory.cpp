#include "editor/canvashistory.h"

#include <QAction>
#include <QUndoCommand>

#include <utility>

namespace {

// A layer coming into the document (added, duplicated, a delete undone) or leaving it.
class PresenceCommand : public QUndoCommand
{
public:
    PresenceCommand(WatermarkDocument *document, LayerId id, const CLayerInfo &record, int index, bool adds,
                    const QString &text)
        : QUndoCommand(text)
        , m_document(document)
        , m_id(id)
        , m_record(record)
        , m_index(index)
        , m_adds(adds)
    {
    }

    void redo() override { apply(m_adds); }
    void undo() override { apply(!m_adds); }

private:
    void apply(bool present)
    {
        if (present)
            m_document->insertLayer(m_id, m_record, m_index);
        else
            m_document->removeLayer(m_id);
    }

    WatermarkDocument *m_document;
    LayerId m_id;
    CLayerInfo m_record;
    int m_index;
    bool m_adds;
};

// New values for some parts of some layers.
class ChangeCommand : public QUndoCommand
{
public:
    struct Change
    {
        LayerId id;
        CLayerInfo before;
        CLayerInfo after;
    };

    ChangeCommand(WatermarkDocument *document, QList<Change> changes, LayerFields fields, bool merges,
                  const QString &text)
        : QUndoCommand(text)
        , m_document(document)
        , m_changes(std::move(changes))
        , m_fields(fields)
        , m_merges(merges)
    {
    }

    void redo() override
    {
        for (const Change &change : qAsConst(m_changes))
            m_document->changeLayer(change.id, change.after, m_fields);
    }
    void undo() override
    {
        for (const Change &change : qAsConst(m_changes))
            m_document->changeLayer(change.id, change.before, m_fields);
    }

    int id() const override { return m_merges ? 1 : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const ChangeCommand *>(other);
        if (next->m_fields != m_fields || next->m_changes.size() != m_changes.size())
            return false;
        for (int i = 0; i < m_changes.size(); ++i)
            if (next->m_changes.at(i).id != m_changes.at(i).id)
                return false;
        bool changesSomething = false;
        for (int i = 0; i < m_changes.size(); ++i) {
            Change &change = m_changes[i];
            change.after = next->m_changes.at(i).after;
            changesSomething = changesSomething || differingLayerFields(change.before, change.after, m_fields);
        }
        // Typed back to where it was: no step at all.
        setObsolete(!changesSomething);
        return true;
    }

private:
    WatermarkDocument *m_document;
    QList<Change> m_changes;
    LayerFields m_fields;
    bool m_merges;
};

// A layer moved up or down the stack.
class StackCommand : public QUndoCommand
{
public:
    StackCommand(WatermarkDocument *document, LayerId id, int from, int to, const QString &text)
        : QUndoCommand(text)
        , m_document(document)
        , m_id(id)
        , m_from(from)
        , m_to(to)
    {
    }

    void redo() override { m_document->moveLayer(m_id, m_to); }
    void undo() override { m_document->moveLayer(m_id, m_from); }

private:
    WatermarkDocument *m_document;
    LayerId m_id;
    int m_from;
    int m_to;
};

}

CanvasHistory::CanvasHistory(WatermarkDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
}

CanvasHistory::~CanvasHistory() = default;

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

LayerId CanvasHistory::addLayer(const CLayerInfo &record, const QString &text)
{
    const LayerId id = m_document->newId();
    m_stack.push(new PresenceCommand(m_document, id, record, m_document->count(), true, text));
    return id;
}

void CanvasHistory::removeLayers(const QList<LayerId> &ids, const QString &text)
{
    QList<LayerId> present;
    for (LayerId id : ids)
        if (m_document->contains(id) && !present.contains(id))
            present << id;
    if (present.isEmpty())
        return;
    // Undone in reverse order, each layer goes back to the place it left.
    m_stack.beginMacro(text);
    for (LayerId id : qAsConst(present))
        m_stack.push(new PresenceCommand(m_document, id, m_document->layer(id), m_document->indexOf(id), false, text));
    m_stack.endMacro();
}

void CanvasHistory::changeLayer(LayerId id, const CLayerInfo &after, LayerFields fields, const QString &text,
                                Merge merge)
{
    QMap<LayerId, CLayerInfo> afters;
    afters.insert(id, after);
    changeLayers(afters, fields, text, merge);
}

void CanvasHistory::changeLayers(const QMap<LayerId, CLayerInfo> &afters, LayerFields fields, const QString &text,
                                 Merge merge)
{
    QList<ChangeCommand::Change> changes;
    for (auto it = afters.cbegin(); it != afters.cend(); ++it) {
        if (!m_document->contains(it.key()))
            continue;
        const CLayerInfo &before = m_document->layer(it.key());
        if (differingLayerFields(before, it.value(), fields))
            changes << ChangeCommand::Change{it.key(), before, it.value()};
    }
    if (!changes.isEmpty())
        m_stack.push(new ChangeCommand(m_document, changes, fields, merge == MergeRepeats, text));
}

void CanvasHistory::editLayers(const QList<LayerId> &ids, const std::function<void(CLayerInfo &)> &edit,
                               LayerFields fields, const QString &text, Merge merge)
{
    QMap<LayerId, CLayerInfo> afters;
    for (LayerId id : ids) {
        if (!m_document->contains(id))
            continue;
        CLayerInfo after = m_document->layer(id);
        edit(after);
        afters.insert(id, after);
    }
    changeLayers(afters, fields, text, merge);
}

void CanvasHistory::moveLayer(LayerId id, int index)
{
    const int from = m_document->indexOf(id);
    if (from < 0 || index < 0 || index >= m_document->count() || index == from)
        return;
    m_stack.push(new StackCommand(m_document, id, from, index, from < index ? tr("Down") : tr("Up")));
}
