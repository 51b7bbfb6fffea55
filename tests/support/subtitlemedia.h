#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

// Subtitle tracks that ffmpeg's command line cannot make from text.
namespace SubtitleMedia {

// A Matroska file with one DVD subtitle track (dvdsub) of one cue: a white box at "box" on a
// 320x240 canvas, shown from "from" to "to" seconds. Cached like TestMedia's clips.
QString pictureTrack(const QString &name, QRect box, double from, double to);

// One cue, "HELLO WORLD HELLO" unless told otherwise, from "from" to "to" seconds, as SRT.
QByteArray cueSrt(double from, double to, const QByteArray &text = "HELLO WORLD HELLO");

// A 3 s blue 320x240 video (in the container its name ends with) carrying the subtitle files
// given (SRT, ASS or tracks made above) as its tracks, in that order, written with the subtitle
// encoder named ("srt", "ass", "mov_text", or "copy"). A start time moves every stream later.
QString videoWithTracks(const QString &name, const QList<QByteArray> &subtitleFiles, const QString &encoder,
                        double startSeconds = 0.0);

// The file with its first Matroska SubRip track's codec renamed to one nothing decodes.
QString undecodableCopy(const QString &mkv, const QString &name);

}
