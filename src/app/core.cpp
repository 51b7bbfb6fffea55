#include "app/core.h"

#include "common/folders.h"
#include "layers/filtergraph.h"
#include "layers/watermarkdocument.h"

#include <QDateTime>
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

QString Core::buildFilterGraph(const WatermarkDocument &layers, const ConvertTask &task, QStringList *problems) const
{
    return buildGraph(layers, task, [this] { return buildFolder(cacheFolder); }, problems);
}

QString Core::buildPreviewGraph(const WatermarkDocument &layers, const ConvertTask &task) const
{
    return buildGraph(layers, task, [this] { return cacheFolder + QStringLiteral("/preview"); }, nullptr);
}

QString Core::buildGraph(const WatermarkDocument &layers, const ConvertTask &task,
                         const std::function<QString()> &chooseFolder, QStringList *problems) const
{
    if (task.sourcePath.isEmpty())
        return QString();
    bool hasText = false;
    for (const CLayerInfo &layer : layers.layers())
        hasText = hasText || layer.Type == CLayerInfo::Text;
    const bool writesFiles = task.hasSubtitle || (hasText && !layers.canvasSize().isEmpty());
    const QString folder = writesFiles ? chooseFolder() : cacheFolder;
    return ::buildFilterGraph(task, layers, folder, documentWriters(subtitles), problems);
}
