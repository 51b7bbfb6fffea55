#pragma once

#include <QString>

// The name an engine's output keeps when its job was stopped before the end:
// "clip.mp4" becomes "clip (unfinished).mp4", numbered when that exists.
QString unfinishedName(const QString &path);

// Moves a stopped job's output away from the name a finished file would have.
// Returns where the file now is; empty when there was no file (or it could not be
// moved, in which case it is removed so that no half file passes for a whole one).
QString setAsideUnfinished(const QString &path);
