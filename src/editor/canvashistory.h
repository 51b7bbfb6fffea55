#pragma once

#include "layers/watermarkdocument.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;

// The editor's one undo history over the watermark document. Every edit, from the canvas,
// the layer panel, the layer dialog or the text dialog, is one command here; undoing it
// puts back only the parts of the records that it changed.
class CanvasHistory : public QObject
{
    Q_OBJECT
public:
    // Edits whose commands merge with the one before when they touch the same layers and
    // parts: a spin box stepped or a time typed digit by digit is one step.
    enum Merge { Separate, MergeRepeats };

    explicit CanvasHistory(WatermarkDocument *document, QObject *parent = nullptr);
    ~CanvasHistory() override;

    WatermarkDocument *document() const { return m_document; }
    QUndoStack *stack() { return &m_stack; }
    // Undo (Ctrl+Z) and redo (Ctrl+Shift+Z, Ctrl+Y) actions for a menu or tool bar.
    QAction *createUndoAction(QObject *parent);
    QAction *createRedoAction(QObject *parent);

    // Puts a layer on top of the stack; its id.
    LayerId addLayer(const CLayerInfo &record, const QString &text);
    void removeLayers(const QList<LayerId> &ids, const QString &text);
    // Takes the named parts of after into the layer.
    void changeLayer(LayerId id, const CLayerInfo &after, LayerFields fields, const QString &text,
                     Merge merge = Separate);
    // Takes the named parts of each record into its layer, as one step.
    void changeLayers(const QMap<LayerId, CLayerInfo> &afters, LayerFields fields, const QString &text,
                      Merge merge = Separate);
    // Applies one edit to the named parts of several layers, as one step.
    void editLayers(const QList<LayerId> &ids, const std::function<void(CLayerInfo &)> &edit, LayerFields fields,
                    const QString &text, Merge merge = Separate);
    // Moves a layer to another place in the stack.
    void moveLayer(LayerId id, int index);

    void beginMacro(const QString &text) { m_stack.beginMacro(text); }
    void endMacro() { m_stack.endMacro(); }
    // Forgets every step, for a document replaced as a whole.
    void clear() { m_stack.clear(); }

private:
    WatermarkDocument *m_document;
    QUndoStack m_stack;
};
