#include "app/core.h"

#include "layers/filtergraph.h"

#include <QDebug>

Core &Core::instance()
{
    static Core theCore;
    return theCore;
}

void Core::onAddLayer(QWatermarkBase *pItem)
{
    layers.append(pItem);
    qDebug() << "onAddLayer" << layers.size();
    emit sigAddLayer(pItem);
}

void Core::onRemoveLayer(QWatermarkBase *pItem)
{
    layers.removeOne(pItem);
    qDebug() << "onRemoveLayer" << layers.size();
    emit sigRemoveLayer(pItem);
}

QString Core::buildFilterGraph(int taskIndex, QStringList *problems) const
{
    if (taskIndex < 0 || taskIndex >= tasks.size())
        return QString();
    // Layers are drawn from the editor canvas's items; without the canvas only the task's own
    // picture settings and subtitle make up the graph.
    return ::buildFilterGraph(tasks[taskIndex], {}, OverlayCanvas(), cacheFolder, documentWriters(subtitles),
                              problems);
}

ConvertTask *Core::activeTask()
{
    return currentTask >= 0 && currentTask < tasks.size() ? &tasks[currentTask] : nullptr;
}
