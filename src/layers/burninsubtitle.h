#pragma once

#include <QString>

#include <functional>

struct ConvertTask;
class SubtitleParser;

// The subtitle document's writers, which burn-in needs for SRT files and for
// subtitles edited but not saved. Unset writers make those cases fail cleanly.
struct SubtitleWriters
{
    // Reads an SRT file and writes it as ASS; false when it could not.
    std::function<bool(const QString &srtPath, const QString &assPath)> srtToAss;
    // Writes the subtitle document being edited as ASS; false when it could not.
    std::function<bool(const QString &assPath)> writeDocument;
    // The file the edited document was read from: a task whose subtitle file vanished
    // gets the edited document only when it is that file's, never another row's.
    QString documentPath;
};

// Writers backed by the subtitle reader and by the document being edited.
SubtitleWriters documentWriters(const SubtitleParser &editedDocument);

// The ASS or SSA file to burn into the task's picture: an ASS or SSA subtitle as it is,
// an SRT subtitle converted into the cache folder, or, when the task has no subtitle file
// or its vanished file is the edited document's, the edited document written there. Empty when none can be made; the
// reason goes to *reason and the debug log.
QString prepareBurnInSubtitle(const ConvertTask &task, const QString &cacheFolder, const SubtitleWriters &writers,
                              QString *reason = nullptr);

// The file in the cache folder that a converted SRT (or, for an empty source path, the
// edited document) is written to. Each source gets its own file, because a run prepares
// every row's subtitles before the first conversion starts.
QString burnInSubtitleCachePath(const QString &cacheFolder, const QString &sourcePath = QString());
