#pragma once

#include "subtitles/subtitleevent.h"
#include "subtitles/subtitlestyle.h"

#include <QFile>
#include <QVector>

// The subtitle document: lines, ASS styles and the script header values that
// travel from file to file. The file name is the subtitle file it was read from.
// Reads SRT itself, ASS/SSA/style files through libass; writes ASS, SRT and
// style-only files (all UTF-8 without a byte-order mark). The texts keep the
// form of the file they came from, so an SRT written back keeps its tags.
class SubtitleParser : public QFile
{
    Q_OBJECT
public:
    explicit SubtitleParser(QObject *parent = nullptr);

    // Sets the file name and reads the file with the reader its ending names
    // ("srt"; "ass", "ssa" or "sty"). False for other endings or a failed read.
    bool read(const QString &path);
    // Replaces the whole document with the ASS, SSA or style file named by
    // fileName(). On failure the document is left as it was.
    bool readAss();
    // Replaces the events with the SRT file named by fileName(); styles and
    // header stay. Works whether or not the caller opened the file.
    bool readSrt();

    // Writes with the writer the ending names ("srt"; "ass" or "ssa").
    bool write(const QString &path) const;
    bool writeAss(const QString &path) const;
    // The SRT file as ASS with this document's header and styles, cue by cue:
    // nothing of the SRT is kept, however long it is. The document is not changed.
    bool writeAssFromSrt(const QString &srtPath, const QString &assPath) const;
    bool writeSrt(const QString &path) const;
    // Only the "[V4+ Styles]" section: the style file format.
    bool writeStyles(const QString &path) const;

    QVector<SubtitleEvent> events;
    QVector<SubtitleStyle> styles;
    int PlayResX = 0; // 0 = absent
    int PlayResY = 0;
    int WrapStyle = 0;
    int ScaledBorderAndShadow = 0; // 1 = yes
    int YCbCrMatrix = 0;           // libass numbering; 0 and 1 = absent
    bool utf8 = true;              // the texts last read were UTF-8
    // The texts carry SRT's tags (<i>, <font color=...>), as read from an SRT
    // file; the ASS writer turns them into override tags.
    bool srtMarkup = false;
};
