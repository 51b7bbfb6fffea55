#pragma once

#include "layers/burninsubtitle.h"
#include "layers/overlayentry.h"

#include <QList>
#include <QSize>
#include <QString>

class LayerSource;
class WatermarkDocument;
struct ConvertTask;

// The editor canvas as the graph needs it: its size in pixels (the background's
// Width and Height) and the duration of the media it shows, in microseconds.
struct OverlayCanvas
{
    QSize size;
    qint64 mediaDuration = 0;
};

// The FFmpeg filter graph (one input, one output) that applies the task's flips, quarter
// turn and crop, overlays the layers scaled from canvas to output pixels in ascending z
// order, and burns in the task's subtitle. Empty when there is nothing to do. Text layers
// are saved as PNG files into the cache folder. Problems that leave something out of the
// picture are appended to *log, one line each.
QString buildFilterGraph(const ConvertTask &task, const QList<const LayerSource *> &layers,
                         const OverlayCanvas &canvas, const QString &cacheFolder,
                         const SubtitleWriters &subtitleWriters = SubtitleWriters(), QStringList *log = nullptr);

// The same graph for the layers of a watermark document, on the document's canvas.
QString buildFilterGraph(const ConvertTask &task, const WatermarkDocument &document, const QString &cacheFolder,
                         const SubtitleWriters &subtitleWriters = SubtitleWriters(), QStringList *log = nullptr);

// The entry of one layer; sx and sy turn canvas pixels into output pixels.
OverlayEntry overlayEntryFor(const LayerSource &layer, float sx, float sy, const QString &cacheFolder);

// The source chain of one layer: movie, opacity, scale, rotation, fades. A still without
// fades is read and converted once; a moving source is trimmed to its time window. Links
// inside the chain take their names from label, the name its output is given.
QString movieChain(const OverlayEntry &entry, qint64 mediaDuration, const QString &label);

// What an overlay does once its layer's source has ended: show the main picture alone,
// or keep showing the layer's last frame (a still read only once).
enum class LayerEnd { Pass, Repeat };

// The overlay filter of one layer: position or scrolling motion, time window.
QString overlayExpression(int x, int y, qint64 start, qint64 end, int animation, int speed,
                          LayerEnd layerEnd = LayerEnd::Pass);
