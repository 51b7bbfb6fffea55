#include "layers/watermarkdocument.h"

#include <utility>

void copyLayerFields(CLayerInfo &to, const CLayerInfo &from, LayerFields fields)
{
    if (fields & LayerField::Place) {
        to.x = from.x;
        to.y = from.y;
    }
    if (fields & LayerField::Size) {
        to.Width = from.Width;
        to.Height = from.Height;
    }
    if (fields & LayerField::Angle)
        to.Angle = from.Angle;
    if (fields & LayerField::Keep)
        to.Keep = from.Keep;
    if (fields & LayerField::Opacity)
        to.Transparent = from.Transparent;
    if (fields & LayerField::Motion)
        to.Animation = from.Animation;
    if (fields & LayerField::Speed)
        to.Speed = from.Speed;
    if (fields & LayerField::Fade)
        to.fade = from.fade;
    if (fields & LayerField::Loop)
        to.Loop = from.Loop;
    if (fields & LayerField::Start)
        to.StartTime = from.StartTime;
    if (fields & LayerField::End)
        to.EndTime = from.EndTime;
    if (fields & LayerField::Text) {
        to.wordArt = from.wordArt;
        to.image = from.image;
    }
    if (fields & LayerField::Lock)
        to.locked = from.locked;
}

LayerFields differingLayerFields(const CLayerInfo &a, const CLayerInfo &b, LayerFields among)
{
    LayerFields differ;
    const auto check = [&](LayerField field, bool same) {
        if ((among & field) && !same)
            differ |= field;
    };
    check(LayerField::Place, a.x == b.x && a.y == b.y);
    check(LayerField::Size, a.Width == b.Width && a.Height == b.Height);
    check(LayerField::Angle, a.Angle == b.Angle);
    check(LayerField::Keep, a.Keep == b.Keep);
    check(LayerField::Opacity, a.Transparent == b.Transparent);
    check(LayerField::Motion, a.Animation == b.Animation);
    check(LayerField::Speed, a.Speed == b.Speed);
    check(LayerField::Fade, a.fade == b.fade);
    check(LayerField::Loop, a.Loop == b.Loop);
    check(LayerField::Start, a.StartTime == b.StartTime);
    check(LayerField::End, a.EndTime == b.EndTime);
    // Word art has no comparison of its own; its rendered picture stands for it.
    check(LayerField::Text, a.image == b.image);
    check(LayerField::Lock, a.locked == b.locked);
    return differ;
}

WatermarkDocument::WatermarkDocument(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<LayerId>("LayerId");
    qRegisterMetaType<LayerFields>("LayerFields");
}

QList<LayerId> WatermarkDocument::ids() const
{
    QList<LayerId> found;
    for (const Entry &entry : m_layers)
        found << entry.id;
    return found;
}

int WatermarkDocument::indexOf(LayerId id) const
{
    for (int i = 0; i < m_layers.size(); ++i)
        if (m_layers.at(i).id == id)
            return i;
    return -1;
}

LayerId WatermarkDocument::idAt(int index) const
{
    return index >= 0 && index < m_layers.size() ? m_layers.at(index).id : 0;
}

const CLayerInfo &WatermarkDocument::layer(LayerId id) const
{
    const int index = indexOf(id);
    Q_ASSERT(index >= 0);
    return m_layers.at(index).record;
}

QList<CLayerInfo> WatermarkDocument::layers() const
{
    QList<CLayerInfo> records;
    for (const Entry &entry : m_layers)
        records << entry.record;
    return records;
}

void WatermarkDocument::setCanvas(const QSize &size, qint64 mediaDuration)
{
    if (size == m_canvasSize && mediaDuration == m_mediaDuration)
        return;
    m_canvasSize = size;
    m_mediaDuration = mediaDuration;
    emit canvasChanged();
}

CLayerInfo WatermarkDocument::named(LayerId id, const CLayerInfo &record) const
{
    CLayerInfo copy = record;
    if (copy.Type == CLayerInfo::Text)
        copy.FileName = QStringLiteral("Text%1").arg(id);
    return copy;
}

void WatermarkDocument::insertLayer(LayerId id, const CLayerInfo &record, int index)
{
    if (id == 0 || contains(id))
        return;
    m_nextId = qMax(m_nextId, id + 1);
    m_layers.insert(qBound(0, index, m_layers.size()), Entry{id, named(id, record)});
    emit layerAdded(id);
}

void WatermarkDocument::removeLayer(LayerId id)
{
    const int index = indexOf(id);
    if (index < 0)
        return;
    m_layers.removeAt(index);
    emit layerRemoved(id);
}

void WatermarkDocument::changeLayer(LayerId id, const CLayerInfo &values, LayerFields fields)
{
    const int index = indexOf(id);
    if (index < 0 || !fields)
        return;
    copyLayerFields(m_layers[index].record, values, fields);
    emit layerChanged(id, fields);
}

void WatermarkDocument::moveLayer(LayerId id, int index)
{
    const int from = indexOf(id);
    const int to = qBound(0, index, m_layers.size() - 1);
    if (from < 0 || from == to)
        return;
    m_layers.move(from, to);
    emit layersReordered();
}

void WatermarkDocument::reset(const QList<CLayerInfo> &records)
{
    m_layers.clear();
    for (const CLayerInfo &record : records) {
        const LayerId id = newId();
        m_layers.append(Entry{id, named(id, record)});
    }
    emit documentReset();
}
