#include "subtitles/subtitletrackchoice.h"

#include "common/converttask.h"
#include "common/folders.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QMessageBox>

namespace SubtitleTrackChoice {

bool read(const QString &source, const SubtitleTrack &track, const QString &folder, QString *path,
          QString *problem)
{
    path->clear();
    if (track.bitmap) {
        if (track.decodable)
            return true;
        *problem = QCoreApplication::translate("SubtitleTrackChoice", "This FFmpeg cannot decode %1 subtitles.")
                       .arg(track.codec);
        return false;
    }
    // One file per video and track, named after the video as the panel's title shows it; a
    // folder per video keeps videos of one name in different folders apart.
    const QByteArray key = QCryptographicHash::hash(source.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const QString videoFolder = folder + QLatin1Char('/') + QLatin1String(key);
    if (!ensureFolder(videoFolder)) {
        *problem = QCoreApplication::translate("SubtitleTrackChoice", "The folder %1 cannot be made.").arg(videoFolder);
        return false;
    }
    const QString target = videoFolder + QLatin1Char('/')
                           + QCoreApplication::translate("SubtitleTrackChoice", "%1 (track %2).ass")
                                 .arg(QFileInfo(source).completeBaseName())
                                 .arg(track.index + 1);
    if (!extractSubtitleTrack(source, track.index, target, problem))
        return false;
    *path = target;
    return true;
}

void apply(ConvertTask &task, const SubtitleTrack &track, const QString &path)
{
    task.hasSubtitle = true;
    task.subtitlePath = path;
    task.subtitleTrack = track.index;
    task.subtitleTrackPictures = track.bitmap;
}

void applyFile(ConvertTask &task, const QString &path)
{
    task.hasSubtitle = true;
    task.subtitlePath = path;
    task.subtitleTrack = -1;
    task.subtitleTrackPictures = false;
}

void showReadProblem(QWidget *parent, const QString &problem)
{
    QMessageBox::warning(parent, QCoreApplication::translate("SubtitleTrackChoice", "Subtitle Track"),
                         QCoreApplication::translate("SubtitleTrackChoice", "The subtitle track cannot be read.\n%1")
                             .arg(problem));
}

QString picturesNote(const ConvertTask &task)
{
    if (!task.hasSubtitle || task.subtitleTrack < 0 || !task.subtitleTrackPictures)
        return QString();
    return QCoreApplication::translate("SubtitleTrackChoice",
                                       "Subtitle track %1 of the video is burned as pictures; they cannot be edited.")
        .arg(task.subtitleTrack + 1);
}

}
