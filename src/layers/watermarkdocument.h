#pragma once

#include "layers/clayerinfo.h"

#include <QFlags>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSize>
#include <QtGlobal>

// The parts of a layer record that one edit touches; undoing the edit restores these alone.
enum class LayerField : quint32 {
    Place = 0x1,   // x, y
    Size = 0x2,    // Width, Height
    Angle = 0x4,
    Keep = 0x8,
    Opacity = 0x10,
    Motion = 0x20, // Animation
    Speed = 0x40,
    Fade = 0x80,
    Loop = 0x100,
    Start = 0x200,
    End = 0x400,
    Text = 0x800,  // the word art and the picture rendered from it
    Lock = 0x1000,
};
Q_DECLARE_FLAGS(LayerFields, LayerField)
Q_DECLARE_OPERATORS_FOR_FLAGS(LayerFields)

// Copies the named parts of one record into another.
void copyLayerFields(CLayerInfo &to, const CLayerInfo &from, LayerFields fields);
// The parts in which two records differ, among those named.
LayerFields differingLayerFields(const CLayerInfo &a, const CLayerInfo &b, LayerFields among);

// Names a layer for its whole life in the document, across undo and redo; never 0.
using LayerId = quint64;

// The watermark layers: their records with stable ids, in stacking order (the first is
// drawn lowest), and the canvas they are placed on. The canvas items, the layer panel and
// the filter graph builders read it; edits arrive as the editor's undo commands.
class WatermarkDocument : public QObject
{
    Q_OBJECT
public:
    explicit WatermarkDocument(QObject *parent = nullptr);

    int count() const { return m_layers.size(); }
    bool isEmpty() const { return m_layers.isEmpty(); }
    // Bottom first.
    QList<LayerId> ids() const;
    bool contains(LayerId id) const { return indexOf(id) >= 0; }
    // The layer's place in the stack, 0 at the bottom; -1 for an id not in the document.
    int indexOf(LayerId id) const;
    LayerId idAt(int index) const;
    // The record of a layer in the document.
    const CLayerInfo &layer(LayerId id) const;
    // Every record, bottom first.
    QList<CLayerInfo> layers() const;

    // The canvas in pixels (the source frame after its turns and crop) and the duration
    // of the media it shows, in microseconds.
    QSize canvasSize() const { return m_canvasSize; }
    qint64 mediaDuration() const { return m_mediaDuration; }
    void setCanvas(const QSize &size, qint64 mediaDuration);

    LayerId newId() { return m_nextId++; }
    // Puts a record into the stack at index (clamped); text layers are named after their id,
    // so that their pictures never share a file.
    void insertLayer(LayerId id, const CLayerInfo &record, int index);
    void removeLayer(LayerId id);
    // Takes the named parts of values into the layer's record.
    void changeLayer(LayerId id, const CLayerInfo &values, LayerFields fields);
    void moveLayer(LayerId id, int index);
    // Replaces every layer, bottom first, each with a new id.
    void reset(const QList<CLayerInfo> &records);

signals:
    void layerAdded(LayerId id);
    void layerRemoved(LayerId id);
    void layerChanged(LayerId id, LayerFields fields);
    void layersReordered();
    void documentReset();
    void canvasChanged();

private:
    struct Entry
    {
        LayerId id;
        CLayerInfo record;
    };

    CLayerInfo named(LayerId id, const CLayerInfo &record) const;

    QList<Entry> m_layers;
    LayerId m_nextId = 1;
    QSize m_canvasSize;
    qint64 m_mediaDuration = 0;
};

Q_DECLARE_METATYPE(LayerFields)
