#include "layers/filtergraph.h"

#include "common/converttask.h"
#include "common/filtergraphescape.h"
#include "common/folders.h"
#include "layers/clayerinfo.h"
#include "layers/layersource.h"
#include "layers/layerstream.h"
#include "layers/recordlayer.h"
#include "layers/subtitlepictures.h"
#include "layers/watermarkdocument.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Fractions are written like printf's %g: 0.5 stays 0.5, 1.0 becomes 1.
QString decimal(double value)
{
    return QString::number(value, 'g', 6);
}

float seconds(qint64 us)
{
    return float(us) / 1000000.0f;
}

// Radians per degree as the graph has always written it.
constexpr float kRadiansPerDegree = 0.01745f;
constexpr float kFadeSeconds = 0.5f;

struct BaseFilters
{
    QString text; // each filter followed by a comma
    int width = 0;
    int height = 0;
};

BaseFilters baseFilters(const ConvertTask &task)
{
    BaseFilters base{QString(), task.width, task.height};
    if (task.horizontalFlip)
        base.text += QStringLiteral("hflip,");
    if (task.verticalFlip)
        base.text += QStringLiteral("vflip,");
    if (task.transpose != -1) {
        base.text += QStringLiteral("transpose=%1,").arg(task.transpose);
        if (task.transpose == 1 || task.transpose == 2)
            std::swap(base.width, base.height);
    }
    if (task.crop.cropped) {
        const ST_CROP_THICK &c = task.crop;
        const int x = int(base.width * c.left);
        const int y = int(base.height * c.top);
        int w = int((1.0 - c.left - c.right) * base.width);
        int h = int((1.0 - c.top - c.bottom) * base.height);
        // Encoders want even sizes.
        w += w % 2;
        h += h % 2;
        base.text += QStringLiteral("crop=%1:%2:%3:%4,").arg(w).arg(h).arg(x).arg(y);
        base.width = w;
        base.height = h;
    }
    return base;
}

QList<const LayerSource *> inStackingOrder(QList<const LayerSource *> layers)
{
    std::stable_sort(layers.begin(), layers.end(),
                     [](const LayerSource *a, const LayerSource *b) { return a->layerZ() < b->layerZ(); });
    return layers;
}

// An animated PNG announces itself with an acTL chunk before its first image data.
bool isAnimatedPng(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64 * 1024);
    const int data = head.indexOf("IDAT");
    const int animation = head.indexOf("acTL");
    return animation >= 0 && (data < 0 || animation < data);
}

// Picture files that hold exactly one image; GIF and WebP may be animated and play like videos.
bool isSinglePicture(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return !isAnimatedPng(path);
    static const QStringList stills{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                    QStringLiteral("tif"), QStringLiteral("tiff")};
    return stills.contains(suffix);
}

void note(QStringList *log, const QString &line)
{
    qWarning().noquote() << line;
    if (log)
        log->append(line);
}

bool fades(const OverlayEntry &entry)
{
    switch (entry.fade) {
    case CLayerInfo::FadeIn:
    case CLayerInfo::FadeInOut:
        return true;
    case CLayerInfo::FadeOut:
        return entry.end != 0;
    default:
        return false;
    }
}

// A still picture that does not fade needs one frame only: the overlay keeps it.
bool readsOnce(const OverlayEntry &entry)
{
    return entry.still && entry.loop == 0 && !fades(entry);
}

QString overlayOf(const OverlayEntry &e)
{
    return overlayExpression(e.x, e.y, e.start, e.end, e.animation, e.speed,
                             readsOnce(e) ? LayerEnd::Repeat : LayerEnd::Pass);
}

QString rotateFilter(const OverlayEntry &entry)
{
    const QString radians = decimal(entry.angle * kRadiansPerDegree);
    if (radians == QLatin1String("0"))
        return QString();
    return QStringLiteral(",rotate='%1:ow=%2:oh=%3:c=0x00000000'").arg(radians).arg(entry.boxWidth).arg(entry.boxHeight);
}

// Scales the alpha of a picture that has one; colours pass unchanged.
QString opacityLut(const OverlayEntry &entry)
{
    if (entry.opacity == 100)
        return QString();
    return QStringLiteral(",lutyuv=y=val:u=val:v=val:a=val*%1").arg(decimal(entry.opacity / 100.0));
}

// Seconds as the trim filter reads them, to the microsecond.
QString preciseSeconds(double value)
{
    return QString::number(value, 'g', 12);
}

// Frames of a moving layer outside its time window are never seen, so the scaler, the turn
// and the fades need not touch them. Kept are the frame that is current when the window
// opens and, at its close, the frame after the last one shown: without that one the overlay
// would take the layer's end for the end of its last frame. Each bound lies half a frame
// away from the frames it separates.
QString trimToWindow(const OverlayEntry &entry)
{
    QStringList bounds;
    if (entry.rateNum > 0 && entry.rateDen > 0 && entry.rateNum <= 1000000) {
        const qint64 usPerSecondTimesDen = qint64(entry.rateDen) * 1000000;
        const auto frameAt = [&](qint64 us) { return us * entry.rateNum / usPerSecondTimesDen; };
        const auto secondsOfFrame = [&](double frame) { return frame * entry.rateDen / entry.rateNum; };
        const qint64 first = frameAt(entry.start);
        if (first > 0)
            bounds << QStringLiteral("start=") + preciseSeconds(secondsOfFrame(first - 0.5));
        if (entry.end != 0)
            bounds << QStringLiteral("end=") + preciseSeconds(secondsOfFrame(frameAt(entry.end) + 1.5));
    } else {
        // Half a second either side, when the file does not tell its rate.
        constexpr qint64 kMarginUs = 500000;
        if (entry.start > kMarginUs)
            bounds << QStringLiteral("start=") + decimal(seconds(entry.start - kMarginUs));
        if (entry.end != 0)
            bounds << QStringLiteral("end=") + decimal(seconds(entry.end + kMarginUs));
    }
    return bounds.isEmpty() ? QString() : QStringLiteral(",trim=") + bounds.join(QLatin1Char(':'));
}

QString layerChains(const QList<OverlayEntry> &entries, qint64 mediaDuration)
{
    QString text;
    if (entries.size() == 1) {
        const OverlayEntry &e = entries.first();
        return movieChain(e, mediaDuration, QStringLiteral("m")) + QStringLiteral("[m];[in][m]") + overlayOf(e);
    }
    for (int i = 0; i < entries.size(); ++i) {
        const QString label = QStringLiteral("m%1").arg(i);
        text += movieChain(entries.at(i), mediaDuration, label) + QStringLiteral("[%1];").arg(label);
    }
    text += QStringLiteral("[in][m0]") + overlayOf(entries.first()) + QStringLiteral("[o0];");
    for (int i = 1; i < entries.size(); ++i) {
        text += QStringLiteral("[o%1][m%2]").arg(i - 1).arg(i) + overlayOf(entries.at(i));
        if (i != entries.size() - 1)
            text += QStringLiteral("[o%1];").arg(i);
    }
    return text;
}

// The graph as a complex one over the source's streams, the subtitle pictures drawn last.
// A graph that starts with its layers' sources names the video it draws on [in].
QString withSubtitlePictures(const QString &graph, const QString &picturesChain, bool namesVideoIn)
{
    const QString video = QStringLiteral("[0:v:0]");
    const QString drawn = QStringLiteral("overlay=eof_action=pass");
    if (graph.isEmpty())
        return picturesChain + video + QStringLiteral("[subs]") + drawn;
    const QString start = namesVideoIn ? video + QStringLiteral("null[in];") : video;
    return picturesChain + start + graph + QStringLiteral("[drawn];[drawn][subs]") + drawn;
}

}

OverlayEntry overlayEntryFor(const LayerSource &layer, float sx, float sy, const QString &cacheFolder)
{
    const CLayerInfo &info = layer.layerInfo();
    const QRectF box = layer.sceneBox();
    const QImage image = layer.layerImage();
    OverlayEntry entry;
    entry.path = info.Type == CLayerInfo::Text ? cacheFolder + QLatin1Char('/') + info.FileName + QStringLiteral(".png")
                                               : info.FileName;
    entry.opacity = info.Transparent;
    entry.x = int(float(box.left()) * sx);
    entry.y = int(float(box.top()) * sy);
    entry.angle = float(layer.layerRotation());
    entry.boxWidth = int(float(box.width()) * sx);
    entry.boxHeight = int(float(box.height()) * sy);
    const float width = float(info.Width) * sx;
    const float height = float(info.Height) * sy;
    entry.needsScale = width != float(image.width()) || height != float(image.height());
    entry.width = int(width);
    entry.height = int(height);
    entry.animation = info.Animation;
    entry.fade = info.fade;
    entry.loop = info.Loop;
    entry.start = info.StartTime;
    entry.end = info.EndTime;
    entry.speed = info.Speed;
    entry.still = info.Type == CLayerInfo::Text || (info.Type == CLayerInfo::Picture && isSinglePicture(info.FileName));
    // A layer read frame by frame is trimmed to its time window by its frame rate, and a
    // turned video without alpha takes a cheaper path; opening the file is not worth it otherwise.
    const bool turned = !rotateFilter(entry).isEmpty();
    if (!readsOnce(entry) && (entry.start != 0 || entry.end != 0 || (turned && !entry.still))) {
        const LayerStream stream = probeLayerStream(entry.path);
        entry.opaqueVideo = !entry.still && turned && stream.opaque;
        entry.rateNum = stream.rateNum;
        entry.rateDen = stream.rateDen;
    }
    return entry;
}

QString movieChain(const OverlayEntry &entry, qint64 mediaDuration, const QString &label)
{
    const bool once = readsOnce(entry);
    QString chain = QStringLiteral("movie=%1").arg(quoteFilterGraphPath(entry.path));
    // The image reader takes a name with '%' for a numbered sequence (a%d.png would open
    // a1.png); the layer's file is meant exactly as named.
    if (entry.path.contains(QLatin1Char('%')))
        chain += QStringLiteral(":format_opts=pattern_type=none");
    if (!once)
        chain += QStringLiteral(":loop=%1,setpts=N/FRAME_RATE/TB").arg(entry.loop) + trimToWindow(entry);
    const QString scale = entry.needsScale ? QStringLiteral(",scale=%1:%2").arg(entry.width).arg(entry.height)
                                           : QString();
    const QString turn = rotateFilter(entry);
    if (entry.still) {
        // A picture without alpha of its own gets one, or its opacity would be lost.
        if (entry.opacity != 100)
            chain += QStringLiteral(",format=rgba,colorchannelmixer=aa=%1").arg(decimal(entry.opacity / 100.0));
        chain += scale + turn;
    } else if (entry.opaqueVideo) {
        // Every picture of an opaque video has the same alpha once turned: the layer's box
        // with its opacity inside and transparent corners. That mask is turned once, from
        // the first picture, and the pictures are turned without an alpha plane.
        const QString frames = label + QStringLiteral("frames");
        const QString first = label + QStringLiteral("first");
        const QString mask = label + QStringLiteral("mask");
        const QString turned = label + QStringLiteral("turned");
        // Pinned again after the scaler, or the format negotiated downstream would hand the turn
        // an alpha plane of its own to turn on every picture.
        const QString opaque = QStringLiteral(",format=yuv420p");
        chain += opaque + (scale.isEmpty() ? QString() : scale + opaque)
                 + QStringLiteral(",split[%1][%2];").arg(frames, first)
                 + QStringLiteral("[%1]trim=end_frame=1,format=yuva420p").arg(first) + opacityLut(entry) + turn
                 + QStringLiteral(",alphaextract[%1];").arg(mask) + QStringLiteral("[%1]").arg(frames) + turn.mid(1)
                 + QStringLiteral(",format=yuva420p[%1];[%1][%2]alphamerge").arg(turned, mask);
    } else if (entry.opacity != 100 || !turn.isEmpty()) {
        // A video has no alpha channel of its own; without one neither its opacity nor the
        // transparent corners of its turned box could show.
        chain += QStringLiteral(",format=yuva420p") + opacityLut(entry) + scale + turn;
    } else {
        chain += scale;
    }
    const QString fadeIn = QStringLiteral(",fade=t=in:st=%1:d=0.5:alpha=1").arg(decimal(seconds(entry.start)));
    const auto fadeOutAt = [](float endSeconds) {
        return QStringLiteral(",fade=t=out:st=%1:d=0.5:alpha=1").arg(decimal(endSeconds - kFadeSeconds));
    };
    switch (entry.fade) {
    case CLayerInfo::FadeIn:
        chain += fadeIn;
        break;
    case CLayerInfo::FadeOut:
        if (entry.end != 0)
            chain += fadeOutAt(seconds(entry.end));
        break;
    case CLayerInfo::FadeInOut:
        chain += fadeIn + fadeOutAt(seconds(entry.end != 0 ? entry.end : mediaDuration));
        break;
    default:
        break;
    }
    if (once)
        chain += QStringLiteral(",format=yuva420p");
    return chain;
}

QString overlayExpression(int x, int y, qint64 start, qint64 end, int animation, int speed, LayerEnd layerEnd)
{
    const QString t0 = decimal(seconds(start));
    QString posX;
    QString posY;
    switch (animation) {
    case CLayerInfo::NoMotion:
        posX = QString::number(x);
        posY = QString::number(y);
        break;
    case CLayerInfo::ScrollLeft:
        posX = QStringLiteral("-w+mod(((t-%1)*%2+w+%3)\\,W+w)").arg(t0).arg(speed).arg(x);
        posY = QString::number(y);
        break;
    case CLayerInfo::ScrollRight:
        posX = QStringLiteral("W - mod(((t-%1)*%2+W-%3)\\,W+w)").arg(t0).arg(speed).arg(x);
        posY = QString::number(y);
        break;
    case CLayerInfo::ScrollTop:
        posX = QString::number(x);
        posY = QStringLiteral("-h+mod(((t-%1)*%2+h+%3)\\,H+h)").arg(t0).arg(speed).arg(y);
        break;
    case CLayerInfo::ScrollBottom:
        posX = QString::number(x);
        posY = QStringLiteral("H - mod(((t-%1)*%2+H-%3)\\,H+h)").arg(t0).arg(speed).arg(y);
        break;
    default:
        break;
    }
    QString overlay;
    if (start == 0 && end == 0)
        overlay = QStringLiteral("overlay=%1:%2").arg(posX, posY);
    else if (end == 0)
        overlay = QStringLiteral("overlay='if(gte(t,%1),%2,NAN)':%3").arg(t0, posX, posY);
    else
        overlay = QStringLiteral("overlay='if(between(t,%1,%2),%3,NAN)':%4")
                      .arg(t0, decimal(seconds(end)), posX, posY);
    return overlay + (layerEnd == LayerEnd::Repeat ? QStringLiteral(":eof_action=repeat")
                                                   : QStringLiteral(":eof_action=pass"));
}

QString buildFilterGraph(const ConvertTask &task, const QList<const LayerSource *> &layers,
                         const OverlayCanvas &canvas, const QString &cacheFolder,
                         const SubtitleWriters &subtitleWriters, QStringList *log)
{
    const BaseFilters base = baseFilters(task);
    const bool hasBaseFilters = !base.text.isEmpty();

    QList<OverlayEntry> entries;
    if (!layers.isEmpty() && !canvas.size.isEmpty()) {
        const float sx = float(base.width) / float(canvas.size.width());
        const float sy = float(base.height) / float(canvas.size.height());
        bool cacheReady = false;
        for (const LayerSource *layer : inStackingOrder(layers)) {
            const OverlayEntry entry = overlayEntryFor(*layer, sx, sy, cacheFolder);
            if (layer->layerInfo().Type == CLayerInfo::Text) {
                cacheReady = cacheReady || ensureFolder(cacheFolder);
                if (!cacheReady || !layer->layerImage().save(entry.path, "PNG"))
                    note(log, QCoreApplication::translate("FilterGraph", "The text layer image %1 could not be saved")
                                  .arg(entry.path));
            }
            entries.append(entry);
        }
    }

    QString subtitle;
    QString pictures;
    const bool picturesTrack = task.subtitleTrack >= 0 && task.subtitleTrackPictures;
    if (task.hasSubtitle) {
        QString reason;
        if (picturesTrack)
            pictures = pictureSubtitleChain(task, QSize(base.width, base.height), QStringLiteral("subs"), &reason);
        else
            subtitle = prepareBurnInSubtitle(task, cacheFolder, subtitleWriters, &reason);
        if (subtitle.isEmpty() && pictures.isEmpty() && log)
            log->append(reason);
    }

    QString graph = base.text;
    graph.chop(1);
    if (!entries.isEmpty() && hasBaseFilters)
        graph += QStringLiteral("[in];");
    else if (entries.isEmpty() && hasBaseFilters && !subtitle.isEmpty())
        graph += QLatin1Char(',');

    if (!entries.isEmpty())
        graph += layerChains(entries, canvas.mediaDuration);

    if (!subtitle.isEmpty()) {
        const QString assFilter = QStringLiteral("ass=%1").arg(quoteFilterGraphPath(subtitle));
        graph += entries.isEmpty() ? assFilter : QStringLiteral("[o];[o]") + assFilter;
    }
    if (!pictures.isEmpty())
        graph = withSubtitlePictures(graph, pictures, !entries.isEmpty() && !hasBaseFilters);
    return graph;
}

QString buildFilterGraph(const ConvertTask &task, const WatermarkDocument &document, const QString &cacheFolder,
                         const SubtitleWriters &subtitleWriters, QStringList *log)
{
    std::vector<std::unique_ptr<RecordLayer>> records;
    QList<const LayerSource *> layers;
    const QList<CLayerInfo> stack = document.layers();
    for (int i = 0; i < stack.size(); ++i) {
        records.push_back(std::make_unique<RecordLayer>(stack.at(i), i + 1));
        layers << records.back().get();
    }
    return buildFilterGraph(task, layers, OverlayCanvas{document.canvasSize(), document.mediaDuration()}, cacheFolder,
                            subtitleWriters, log);
}
