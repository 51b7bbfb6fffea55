#pragma once

#include "common/subtitletrack.h"

#include <QString>

class QWidget;
struct ConvertTask;

// What choosing a subtitle track of a row's video does, the same in every window.
namespace SubtitleTrackChoice {

// Reads a text track into an ASS file of its own in the folder, which the row's session then
// shows; a track of pictures needs no file (*path empty). False with the reason otherwise.
bool read(const QString &source, const SubtitleTrack &track, const QString &folder, QString *path,
          QString *problem);
// The task burning the track: its text through the file read, its pictures from the source.
void apply(ConvertTask &task, const SubtitleTrack &track, const QString &path);
// The task burning a subtitle file instead of a track.
void applyFile(ConvertTask &task, const QString &path);
// Tells the user why the track chosen could not be read.
void showReadProblem(QWidget *parent, const QString &problem);
// Says that the task burns a track of pictures, which no window can edit; empty otherwise.
QString picturesNote(const ConvertTask &task);

}
