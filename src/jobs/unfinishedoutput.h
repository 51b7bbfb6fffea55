#pragma once

#include <QString>

#include <functional>

// The name an engine's output keeps when its job was stopped before the end:
// "clip.mp4" becomes "clip (unfinished).mp4".
QString unfinishedName(const QString &path);

// Moves a stopped job's output away from the name a finished file would have. It takes the
// place of the unfinished file an earlier stop left of the same output, so that one is kept,
// the newest; unless inUse says that file is still read, in which case the new one gets a
// numbered name. Returns where the file now is; empty when there was no file (or it could
// not be moved, in which case it is removed so that no half file passes for a whole one).
QString setAsideUnfinished(const QString &path, const std::function<bool(const QString &)> &inUse = {});
