#pragma once

#include <QSize>
#include <QString>

struct ConvertTask;

// The start of a graph that burns a subtitle track of pictures (DVD, Blu-ray, DVB) from the
// task's source: the track as a labelled stream named "label", scaled to the picture it is
// drawn on. Empty when the task burns no such track or the source's track cannot be drawn;
// the reason goes to *reason then.
QString pictureSubtitleChain(const ConvertTask &task, QSize picture, const QString &label, QString *reason);

// Whether a graph reads the source's streams by name, so that it must be given to the engine
// as a complex graph rather than as the video's filter.
bool readsSourceStreams(const QString &graph);
