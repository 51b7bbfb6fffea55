#pragma once

#include <QString>
#include <QTime>

// Picks the file an output is written to. With coverage on, the proposed path
// is used as it stands. Otherwise an existing file is never overwritten: the
// time "(hhmmss)" goes before the extension, and a counter after it when that
// name is taken too.
QString outputPathFor(const QString &proposedPath, bool coverage, const QTime &now = QTime::currentTime());
