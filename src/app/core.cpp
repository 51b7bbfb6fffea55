#include "app/core.h"

#include "common/folders.h"
#include "editor/qwatermarkbase.h"
#include "editor/qwatermarkscene.h"
#include "layers/filtergraph.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Folders of earlier builds are kept while a conversion may still read them; after two
// days nothing does.
void removeStaleBuildFolders(const QString &cacheFolder)
{
    const QDateTime stale = QDateTime::currentDateTime().addDays(-2);
    const QFileInfoList folders =
        QDir(cacheFolder).entryInfoList({QStringLiteral("graph-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &folder : folders)
        if (folder.lastModified() < stale)
            QDir(folder.absoluteFilePath()).removeRecursively();
}

// Each build writes its text pictures and converted subtitle into a folder of its own, so
// that a later build (the preview, the next task of a run, another instance of the program)
// never overwrites files that a queued conversion is still to read.
QString buildFolder(const QString &cacheFolder)
{
    if (!ensureFolder(cacheFolder))
        return cacheFolder;
    removeStaleBuildFolders(cacheFolder);
    QTemporaryDir folder(cacheFolder + QStringLiteral("/graph-XXXXXX"));
    if (!folder.isValid())
        return cacheFolder;
    folder.setAutoRemove(false);
    return folder.path();
}

}

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

QString Core::buildFilterGraph(const ConvertTask &task, QStringList *problems) const
{
    return buildGraph(task, [this] { return buildFolder(cacheFolder); }, problems);
}

QString Core::buildPreviewGraph(const ConvertTask &task) const
{
    return buildGraph(task, [this] { return cacheFolder + QStringLiteral("/preview"); }, nullptr);
}

QString Core::buildGraph(const ConvertTask &task, const std::function<QString()> &chooseFolder,
                         QStringList *problems) const
{
    if (task.sourcePath.isEmpty())
        return QString();
    OverlayCanvas overlayCanvas;
    if (canvas) {
        overlayCanvas.size = canvas->canvasSize();
        overlayCanvas.mediaDuration = canvas->mediaDuration();
    }
    // The builder stacks the layers by their z values itself.
    QList<const LayerSource *> sources;
    bool hasText = false;
    for (const QWatermarkBase *layer : qAsConst(layers)) {
        sources.append(layer);
        hasText = hasText || layer->info().Type == CLayerInfo::Text;
    }
    const bool writesFiles = task.hasSubtitle || (hasText && !overlayCanvas.size.isEmpty());
    const QString folder = writesFiles ? chooseFolder() : cacheFolder;
    return ::buildFilterGraph(task, sources, overlayCanvas, folder, documentWriters(subtitles), problems);
}
