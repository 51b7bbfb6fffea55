#include "layers/burninsubtitle.h"

#include "common/converttask.h"
#include "common/asslibrary.h"
#include "common/folders.h"
#include "common/subtitletrack.h"
#include "subtitles/subtitleparser.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace {

// The ass filter fails the whole graph on a file libass cannot load, so a file
// we did not write ourselves is loaded first.
bool libassReads(const QString &path)
{
    QByteArray name = QFile::encodeName(path);
    char charset[] = "UTF-8";
    ASS_Track *track = ass_read_file(assLibrary(), name.data(), charset);
    if (!track)
        return false;
    ass_free_track(track);
    return true;
}

QString leaveOut(const QString &why, QString *reason)
{
    const QString text = QCoreApplication::translate("BurnInSubtitle", "Subtitle left out of the picture: %1").arg(why);
    qWarning().noquote() << text;
    if (reason)
        *reason = text;
    return QString();
}

QString writtenToCache(const std::function<bool(const QString &)> &write, const QString &cacheFolder,
                       const QString &sourcePath, const QString &what, QString *reason)
{
    if (!write)
        return leaveOut(QCoreApplication::translate("BurnInSubtitle", "%1 cannot be converted here").arg(what), reason);
    if (!ensureFolder(cacheFolder))
        return leaveOut(QCoreApplication::translate("BurnInSubtitle", "the cache folder %1 cannot be made")
                            .arg(cacheFolder),
                        reason);
    const QString target = burnInSubtitleCachePath(cacheFolder, sourcePath);
    // A file left from an earlier run must not pass for this one.
    QFile::remove(target);
    if (!write(target) || QFileInfo(target).size() == 0)
        return leaveOut(QCoreApplication::translate("BurnInSubtitle", "%1 could not be converted").arg(what), reason);
    return target;
}

}

QString burnInSubtitleCachePath(const QString &cacheFolder, const QString &sourcePath)
{
    if (sourcePath.isEmpty())
        return cacheFolder + QStringLiteral("/subtitle.ass");
    const QByteArray key = QCryptographicHash::hash(sourcePath.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return cacheFolder + QStringLiteral("/subtitle-%1.ass").arg(QLatin1String(key));
}

SubtitleWriters documentWriters(const SubtitleParser &editedDocument)
{
    SubtitleWriters writers;
    writers.srtToAss = [](const QString &srtPath, const QString &assPath) {
        return SubtitleParser().writeAssFromSrt(srtPath, assPath);
    };
    writers.writeDocument = [&editedDocument](const QString &assPath) { return editedDocument.writeAss(assPath); };
    writers.documentPath = editedDocument.fileName();
    return writers;
}

QString prepareBurnInSubtitle(const ConvertTask &task, const QString &cacheFolder, const SubtitleWriters &writers,
                              QString *reason)
{
    const QFileInfo source(task.subtitlePath);
    if (task.subtitleTrack >= 0 && !task.subtitleTrackPictures && !source.isFile()
        && (task.subtitlePath.isEmpty() || task.subtitlePath != writers.documentPath)) {
        // The track was never read into a file, or its file went with the cache: read it again.
        QString problem;
        const auto extract = [&](const QString &target) {
            return extractSubtitleTrack(task.sourcePath, task.subtitleTrack, target, &problem);
        };
        const QString what = QCoreApplication::translate("BurnInSubtitle", "subtitle track %1 of %2")
                                 .arg(task.subtitleTrack + 1)
                                 .arg(task.sourcePath);
        const QString written = writtenToCache(extract, cacheFolder,
                                               task.sourcePath + QStringLiteral("#%1").arg(task.subtitleTrack), what,
                                               reason);
        if (written.isEmpty() && reason && !problem.isEmpty())
            *reason = QCoreApplication::translate("BurnInSubtitle", "Subtitle left out of the picture: %1").arg(problem);
        return written;
    }
    if (!task.subtitlePath.isEmpty() && source.isFile()) {
        if (!source.isReadable())
            return leaveOut(QCoreApplication::translate("BurnInSubtitle", "%1 cannot be read").arg(task.subtitlePath),
                            reason);
        if (task.subtitlePath.right(3).toLower() == QLatin1String("srt")) {
            const auto convert = writers.srtToAss
                                     ? std::function<bool(const QString &)>([&](const QString &target) {
                                           return writers.srtToAss(task.subtitlePath, target);
                                       })
                                     : std::function<bool(const QString &)>();
            return writtenToCache(convert, cacheFolder, task.subtitlePath, task.subtitlePath, reason);
        }
        if (!libassReads(task.subtitlePath))
            return leaveOut(QCoreApplication::translate("BurnInSubtitle", "%1 is not a subtitle file libass can read")
                                .arg(task.subtitlePath),
                            reason);
        return task.subtitlePath;
    }
    if (!task.subtitlePath.isEmpty() && task.subtitlePath != writers.documentPath)
        return leaveOut(QCoreApplication::translate("BurnInSubtitle", "%1 no longer exists").arg(task.subtitlePath),
                        reason);
    return writtenToCache(writers.writeDocument, cacheFolder, QString(),
                          QCoreApplication::translate("BurnInSubtitle", "the edited subtitles"), reason);
}
