#pragma once

#include <QString>

#include <functional>

struct ConvertTask;

// The subtitle document's writers, which burn-in needs for SRT files and for
// subtitles edited but not saved. Unset writers make those cases fail cleanly.
struct SubtitleWriters
{
    // Reads an SRT file and writes it as ASS; false when it could not.
    std::function<bool(const QString &srtPath, const QString &assPath)> srtToAss;
    // Writes the subtitle document being edited as ASS; false when it could not.
    std::function<bool(const QString &assPath)> writeDocument;
};

// The ASS or SSA file to burn into the task's picture: an ASS or SSA subtitle as it is,
// an SRT subtitle converted into the cache folder, or, when the task's subtitle file does
// not exist, the edited document written there. Empty when none can be made; the
// reason goes to *reason and the debug log.
QString prepareBurnInSubtitle(const ConvertTask &task, const QString &cacheFolder, const SubtitleWriters &writers,
                              QString *reason = nullptr);

// The file in the cache folder that converted and edited subtitles are written to.
QString burnInSubtitleCachePath(const QString &cacheFolder);
