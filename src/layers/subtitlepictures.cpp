#include "layers/subtitlepictures.h"

#include "common/converttask.h"
#include "common/mediaprobe.h"

#include <QCoreApplication>

namespace {

QString leaveOut(const QString &why, QString *reason)
{
    if (reason)
        *reason = QCoreApplication::translate("BurnInSubtitle", "Subtitle left out of the picture: %1").arg(why);
    return QString();
}

}

QString pictureSubtitleChain(const ConvertTask &task, QSize picture, const QString &label, QString *reason)
{
    if (!task.hasSubtitle || task.subtitleTrack < 0 || !task.subtitleTrackPictures)
        return QString();
    // The engine stops at a stream it cannot decode, which would fail the whole conversion.
    const MediaProbe probe = probeMedia(task.sourcePath);
    if (task.subtitleTrack >= probe.subtitleTracks.size())
        return leaveOut(QCoreApplication::translate("BurnInSubtitle", "%1 has no subtitle track %2")
                            .arg(task.sourcePath)
                            .arg(task.subtitleTrack + 1),
                        reason);
    const SubtitleTrack &track = probe.subtitleTracks.at(task.subtitleTrack);
    if (!track.decodable || !track.bitmap)
        return leaveOut(QCoreApplication::translate("BurnInSubtitle", "subtitle track %1 of %2 cannot be decoded")
                            .arg(task.subtitleTrack + 1)
                            .arg(task.sourcePath),
                        reason);
    // The pictures are placed on the source's frame; a crop or a turn changes the frame they go on.
    QString chain = QStringLiteral("[0:s:%1]").arg(task.subtitleTrack);
    if (picture.isValid() && picture != QSize(probe.width, probe.height))
        chain += QStringLiteral("scale=%1:%2").arg(picture.width()).arg(picture.height());
    else
        chain += QStringLiteral("null");
    return chain + QStringLiteral("[%1];").arg(label);
}

bool readsSourceStreams(const QString &graph)
{
    return graph.startsWith(QLatin1String("[0:"));
}
