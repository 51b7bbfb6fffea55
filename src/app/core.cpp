#include "app/core.h"

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

QString Core::buildFilterGraph(int taskIndex) const
{
    Q_UNUSED(taskIndex)
    return QString();
}

ConvertTask *Core::activeTask()
{
    return currentTask >= 0 && currentTask < tasks.size() ? &tasks[currentTask] : nullptr;
}
