#include "layers/overlaygraphs.h"

#include "common/converttask.h"
#include "common/folders.h"
#include "layers/burninsubtitle.h"
#include "layers/filtergraph.h"
#include "layers/watermarkdocument.h"
#include "subtitles/subtitleparser.h"

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

OverlayGraphs::OverlayGraphs(const WatermarkDocument *layers, const QString &cacheFolder, SubtitlesOfRow subtitles)
    : m_layers(layers)
    , m_cacheFolder(cacheFolder)
    , m_subtitles(std::move(subtitles))
{
}

QString OverlayGraphs::forRun(quint64 rowId, const ConvertTask &task, QStringList *problems) const
{
    return build(rowId, task, [this] { return buildFolder(m_cacheFolder); }, problems);
}

QString OverlayGraphs::forPreview(quint64 rowId, const ConvertTask &task) const
{
    // The player draws a track of pictures itself, over what the graph gives.
    ConvertTask shown = task;
    if (shown.subtitleTrack >= 0 && shown.subtitleTrackPictures)
        shown.hasSubtitle = false;
    return build(rowId, shown, [this] { return m_cacheFolder + QStringLiteral("/preview"); }, nullptr);
}

QString OverlayGraphs::build(quint64 rowId, ConvertTask task, const std::function<QString()> &chooseFolder,
                             QStringList *problems) const
{
    if (task.sourcePath.isEmpty())
        return QString();
    const ShownSubtitles shown = m_subtitles ? m_subtitles(rowId) : ShownSubtitles();
    SubtitleParser noDocument;
    if (shown.document && shown.unsaved) {
        // The edited lines stand in for the file: a task without a subtitle file burns them.
        task.hasSubtitle = !shown.document->events.isEmpty();
        task.subtitlePath.clear();
        task.subtitleTrack = -1;
    }
    bool hasText = false;
    for (const CLayerInfo &layer : m_layers->layers())
        hasText = hasText || layer.Type == CLayerInfo::Text;
    const bool writesFiles = task.hasSubtitle || (hasText && !m_layers->canvasSize().isEmpty());
    const QString folder = writesFiles ? chooseFolder() : m_cacheFolder;
    const SubtitleWriters writers = documentWriters(shown.document ? *shown.document : noDocument);
    return buildFilterGraph(task, *m_layers, folder, writers, problems);
}
