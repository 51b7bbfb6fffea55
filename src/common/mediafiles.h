#pragma once

#include <QString>
#include <QStringList>

// File patterns of the open dialogs and folder scans, and the sidecar subtitle rule.
namespace MediaFiles {

QStringList videoPatterns();
QStringList audioPatterns();
QStringList mediaPatterns();
// "All Supported Media Files(...);;All Supported Video Files(...);;..." for file dialogs.
QString mediaFilter();
// The video part of the media filter, and the still images a watermark may be made of.
QString videoFilter();
QString imageFilter();

// The folder's media files in the default order, not recursive.
QStringList mediaFilesIn(const QString &folder);
// Every dropped or chosen path as files: a folder gives its media files.
QStringList expandFolders(const QStringList &paths);

// The first of <base>.ass, <base>.ssa, <base>.srt beside the source that exists; empty if none.
QString sidecarSubtitle(const QString &sourcePath);

}
