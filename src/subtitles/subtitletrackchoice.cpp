#include "subtitles/subtitletrackchoice.h"

#include "common/converttask.h"
#include "common/folders.h"

#include <QCoreApplication>
#include <QCryptographicHash>
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
    if (!ensureFolder(folder)) {
        *problem = QCoreApplication::translate("SubtitleTrackChoice", "The folder %1 cannot be made.").arg(folder);
        return false;
    }
    // One file per video and track: choosing it again reads it again.
    const QByteArray key = QCryptographicHash::hash(source.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const QString target = folder + QStringLiteral("/track-%1-%2.ass").arg(QLatin1String(key)).arg(track.index + 1);
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
