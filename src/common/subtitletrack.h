#pragma once

#include <QList>
#include <QString>

// A subtitle stream that a media file carries.
struct SubtitleTrack
{
    int index = -1;    // among the file's subtitle streams, as "0:s:index" names it
    QString language;  // as tagged, "eng" say; empty when untagged
    QString title;
    QString codec;     // FFmpeg's decoder name: "subrip", "ass", "dvd_subtitle", ...
    bool isDefault = false;
    bool forced = false;
    bool bitmap = false; // pictures rather than text: burned as they are, never edited
    bool decodable = false; // this FFmpeg has a decoder for it
};

// The subtitle streams of an open FFmpeg demuxer context (an AVFormatContext).
QList<SubtitleTrack> subtitleTracksOf(const void *formatContext);

// One line naming the track for a list: number, language, title, codec and flags.
QString describeSubtitleTrack(const SubtitleTrack &track);

// Decodes a text track of a media file into an ASS file, its styles kept and its times
// counted from the file's start, as a conversion counts them. False with the reason in
// *problem when the file, the track or its lines cannot be read or the file not written.
bool extractSubtitleTrack(const QString &mediaPath, int track, const QString &assPath, QString *problem = nullptr);
