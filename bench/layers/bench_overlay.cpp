// What watermarks cost at 720p and 1080p on a 10 s clip: the plain x264 conversion against
// the conversion with a typical watermark (a PNG logo and a line of text) and with a heavy
// project (logo, text at 90 %, a turned and faded video layer, an ASS subtitle); the graph
// stage against decoding with 1, 2, 4 and 8 still layers; and whether filter threads help.
// The heavy project's floor is what its conversion would cost if its graph cost no more than
// the ffmpeg filters it cannot do without, each measured alone: reading the video layer's
// frames, turning them, the overlays and the subtitle. Runs of compared commands alternate.
// Usage: bench_overlay [runs per figure, default 3]

#include "benchtarget.h"
#include "placedlayer.h"

#include "common/converttask.h"
#include "common/filtergraphescape.h"
#include "layers/filtergraph.h"
#include "text/cwordartinfo.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {

constexpr int kRate = 25;
constexpr int kSeconds = 10;
constexpr int kFrames = kRate * kSeconds;

bool ffmpeg(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-y"), QStringLiteral("-v"),
                                                        QStringLiteral("error")} + arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

struct Line
{
    double intercept = 0;
    double slope = 0;
};

Line leastSquares(const QVector<int> &x, const QVector<double> &y)
{
    const int n = x.size();
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < n; ++i) {
        sx += x.at(i);
        sy += y.at(i);
        sxx += double(x.at(i)) * x.at(i);
        sxy += x.at(i) * y.at(i);
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return Line{(sy - slope * sx) / n, slope};
}

// Medians of runs of ffmpeg: CPU time (user + system, steady while other work shares
// the machine) and wall time, in milliseconds; -1 on failure.
struct Timing
{
    double cpu = -1;
    double wall = -1;
};

// Runs every command once per round, round after round, so that a slow spell of the machine
// touches all of them alike; the median of each command's rounds.
QVector<Timing> alternatingMedians(const QVector<QStringList> &commands, int runs)
{
    QVector<QVector<double>> cpu(commands.size());
    QVector<QVector<double>> wall(commands.size());
    for (int round = 0; round < runs; ++round) {
        for (int i = 0; i < commands.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            const double cpuBefore = childCpuMs();
            if (!ffmpeg(commands.at(i)))
                return QVector<Timing>(commands.size());
            wall[i].append(timer.nsecsElapsed() / 1e6);
            cpu[i].append(childCpuMs() - cpuBefore);
        }
    }
    QVector<Timing> medians;
    for (int i = 0; i < commands.size(); ++i)
        medians.append(Timing{median(cpu.at(i)), median(wall.at(i))});
    return medians;
}

QString writeSubtitle(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QTextStream out(&file);
    out << "[Script Info]\nScriptType: v4.00+\nPlayResX: 1920\nPlayResY: 1080\n\n"
           "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, "
           "Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, "
           "Alignment, MarginL, MarginR, MarginV, Encoding\n"
           "Style: Default,DejaVu Sans,64,&H00FFFFFF,&H00FFFFFF,&H00000000,&H80000000,0,0,0,0,100,100,0,0,1,3,2,2,"
           "40,40,60,1\n\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
    for (int s = 0; s < kSeconds; s += 2)
        out << QStringLiteral("Dialogue: 0,0:00:%1.00,0:00:%2.80,Default,,0,0,0,,Subtitle line number %3\\Nsecond row\n")
                   .arg(s, 2, 10, QLatin1Char('0'))
                   .arg(s + 1, 2, 10, QLatin1Char('0'))
                   .arg(s / 2 + 1);
    return path;
}


QList<const LayerSource *> sources(const QList<PlacedLayer *> &layers)
{
    QList<const LayerSource *> list;
    for (const PlacedLayer *layer : layers)
        list.append(layer);
    return list;
}

// Layers are placed on a 1080p canvas and scaled to the clip, as the editor's layers are.
QString graphOf(QSize frame, const QList<PlacedLayer *> &layers, const QString &subtitle, const QString &cache)
{
    ConvertTask task;
    task.width = frame.width();
    task.height = frame.height();
    task.hasSubtitle = !subtitle.isEmpty();
    task.subtitlePath = subtitle;
    return buildFilterGraph(task, sources(layers), OverlayCanvas{QSize(1920, 1080), qint64(kSeconds) * 1000000},
                            cache);
}

void print(const char *label, const Timing &t)
{
    std::printf("  %-46s cpu %9.1f ms (%6.2f ms/frame)   wall %9.1f ms\n", label, t.cpu, t.cpu / kFrames, t.wall);
}

PlacedLayer logoLayer(const QString &path, int x, int y, qreal z)
{
    CLayerInfo info;
    info.Type = CLayerInfo::Picture;
    info.FileName = path;
    info.image = QImage(path);
    info.x = x;
    info.y = y;
    info.Width = info.image.width();
    info.Height = info.image.height();
    return PlacedLayer(info, z);
}

PlacedLayer textLayer()
{
    CLayerInfo info;
    info.Type = CLayerInfo::Text;
    info.FileName = QStringLiteral("Text1");
    info.wordArt.Text = QStringLiteral("Brindle benchmark\nsecond line of text");
    info.wordArt.Font = QFont(QStringLiteral("DejaVu Sans"));
    info.wordArt.Font.setPixelSize(72);
    info.wordArt.TextEffect = CWordArtInfo::SingleOutline;
    info.wordArt.OutlineThickness1 = 6;
    info.wordArt.OutlineAlpha1 = 255;
    info.wordArt.OutlineColor1 = Qt::black;
    info.wordArt.EnableShadow = true;
    info.wordArt.ShadowAlpha = 160;
    info.wordArt.render(info.image);
    info.x = 60;
    info.y = 60;
    info.Width = info.image.width();
    info.Height = info.image.height();
    info.Transparent = 90;
    return PlacedLayer(info, 2);
}

PlacedLayer videoLayer(const QString &path)
{
    CLayerInfo info;
    info.Type = CLayerInfo::Video;
    info.FileName = path;
    info.image = QImage(640, 360, QImage::Format_ARGB32);
    info.x = 200;
    info.y = 500;
    info.Width = 640;
    info.Height = 360;
    info.Angle = 30;
    info.fade = CLayerInfo::FadeInOut;
    info.StartTime = 1000000;
    info.EndTime = 9000000;
    return PlacedLayer(info, 3);
}

bool makeClip(QSize frame, const QString &path)
{
    return ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("testsrc2=size=%1x%2:rate=%3:duration=%4")
                       .arg(frame.width())
                       .arg(frame.height())
                       .arg(kRate)
                       .arg(kSeconds),
                   QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                   QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), path});
}

// The heavy project's graph taken apart into the filters it cannot do without. Each cost is
// the difference of two runs of ffmpeg; their sum is the graph's floor.
struct FloorCommands
{
    QVector<QStringList> commands;
    enum { StartUp, LayerFrames, LayerTurned, Decode, Graph, GraphWithoutOverlays, Subtitle };
};

FloorCommands floorCommands(QSize frame, const QStringList &input, const QList<PlacedLayer *> &layers,
                            const PlacedLayer &video, const QString &subtitle, const QString &cache)
{
    const QStringList toNull{QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};
    const QString lavfi = QStringLiteral("lavfi");
    const float sx = float(frame.width()) / 1920.0f;
    const float sy = float(frame.height()) / 1080.0f;
    const qint64 duration = qint64(kSeconds) * 1000000;

    // The video layer's frames as the graph reads them (decoded, scaled, trimmed to the frames
    // its window shows), and the same frames turned by ffmpeg's rotate as the graph turns them.
    PlacedLayer upright = video;
    upright.info.Angle = 0;
    upright.info.fade = CLayerInfo::NoFade;
    const QString frames = movieChain(overlayEntryFor(upright, sx, sy, cache), duration, QStringLiteral("v"));
    const OverlayEntry turned = overlayEntryFor(video, sx, sy, cache);
    const QString turn = QStringLiteral(",rotate='%1:ow=%2:oh=%3:c=0x00000000'")
                             .arg(QString::number(turned.angle * 0.01745f, 'g', 6))
                             .arg(turned.boxWidth)
                             .arg(turned.boxHeight);

    // Every layer read and prepared as in the graph, but overlaid on nothing.
    QString withoutOverlays;
    QString sinks;
    for (int i = 0; i < layers.size(); ++i) {
        const QString label = QStringLiteral("m%1").arg(i);
        withoutOverlays += movieChain(overlayEntryFor(*layers.at(i), sx, sy, cache), duration, label)
                           + QStringLiteral("[%1];").arg(label);
        sinks += QStringLiteral("[%1]nullsink;").arg(label);
    }
    const QString assFilter = QStringLiteral("ass=") + quoteFilterGraphPath(subtitle);
    withoutOverlays += sinks + QStringLiteral("[in]") + assFilter;

    FloorCommands floor;
    floor.commands = {
        QStringList{QStringLiteral("-f"), lavfi, QStringLiteral("-i"), QStringLiteral("nullsrc=s=16x16:d=0.04")} + toNull,
        QStringList{QStringLiteral("-f"), lavfi, QStringLiteral("-i"), frames} + toNull,
        QStringList{QStringLiteral("-f"), lavfi, QStringLiteral("-i"), frames + turn} + toNull,
        input + toNull,
        input + QStringList{QStringLiteral("-vf"), graphOf(frame, layers, subtitle, cache)} + toNull,
        input + QStringList{QStringLiteral("-vf"), withoutOverlays} + toNull,
        input + QStringList{QStringLiteral("-vf"), assFilter} + toNull,
    };
    return floor;
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    QTemporaryDir dir;
    const QString layerClip = dir.filePath(QStringLiteral("layer360.mp4"));
    const QString logoPath = dir.filePath(QStringLiteral("logo.png"));
    const QString cache = dir.filePath(QStringLiteral("cache"));
    if (!ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("mandelbrot=size=640x360:rate=25"), QStringLiteral("-t"), QString::number(kSeconds),
                 QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                 QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), layerClip})) {
        std::fprintf(stderr, "ffmpeg could not make the media\n");
        return 1;
    }
    QImage logo(400, 200, QImage::Format_ARGB32);
    logo.fill(QColor(20, 120, 220, 180));
    logo.save(logoPath, "PNG");

    PlacedLayer logoOnly = logoLayer(logoPath, 1480, 40, 1);
    PlacedLayer text = textLayer();
    PlacedLayer video = videoLayer(layerClip);
    const QString subtitle = writeSubtitle(dir.filePath(QStringLiteral("subtitle.ass")));
    QList<PlacedLayer> stills;
    for (int i = 0; i < 8; ++i)
        stills.append(logoLayer(logoPath, 100 + i * 200, 100 + i * 100, i + 1));

    const QStringList toNull{QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};
    bool failed = false;
    for (const QSize frame : {QSize(1280, 720), QSize(1920, 1080)}) {
        const QString clip = dir.filePath(QStringLiteral("clip%1.mp4").arg(frame.height()));
        std::printf("\n== %dx%d, %d s, %d frames, medians of %d runs ==\n", frame.width(), frame.height(), kSeconds,
                    kFrames, runs);
        if (!makeClip(frame, clip)) {
            std::fprintf(stderr, "ffmpeg could not make the clip\n");
            return 1;
        }
        const QStringList input{QStringLiteral("-i"), clip};
        const QList<PlacedLayer *> heavyLayers{&logoOnly, &text, &video};
        const QString typical = graphOf(frame, {&logoOnly, &text}, QString(), cache);
        const QString heavy = graphOf(frame, heavyLayers, subtitle, cache);
        std::printf("Heavy project graph (%d characters):\n%s\n", int(heavy.size()), qPrintable(heavy));

        QVector<QStringList> graphStage{input + toNull};
        const QVector<int> stillCounts{1, 2, 4, 8};
        for (const int count : stillCounts) {
            QList<PlacedLayer *> some;
            for (int i = 0; i < count; ++i)
                some.append(&stills[i]);
            graphStage.append(input + QStringList{QStringLiteral("-vf"), graphOf(frame, some, QString(), cache)}
                              + toNull);
        }
        const QVector<Timing> stage = alternatingMedians(graphStage, runs);
        const Timing decode = stage.first();
        print("decode only", decode);
        std::printf("Graph stage with still layers (CPU above decoding):\n");
        QVector<double> above;
        for (int i = 0; i < stillCounts.size(); ++i) {
            const Timing &t = stage.at(i + 1);
            above.append((t.cpu - decode.cpu) / kFrames);
            std::printf("  %d still(s): %6.2fx decode, %6.3f ms per frame above decoding\n", stillCounts.at(i),
                        decode.cpu > 0 ? t.cpu / decode.cpu : 0.0, above.last());
            failed = failed || t.cpu < 0;
        }
        // Any overlay copies the decoder's picture once before it draws on it, whatever the
        // number of layers; the slope over 1 to 8 stills is what each still adds.
        const Line fit = leastSquares(stillCounts, above);
        std::printf("  any overlay: %.3f ms per frame; each still: %.3f ms per frame\n", fit.intercept, fit.slope);

        const FloorCommands floor = floorCommands(frame, input, heavyLayers, video, subtitle, cache);
        const QVector<Timing> parts = alternatingMedians(floor.commands, runs);
        const auto cpu = [&parts](int i) { return parts.at(i).cpu; };
        const double layerFrames = cpu(FloorCommands::LayerFrames) - cpu(FloorCommands::StartUp);
        const double turning = cpu(FloorCommands::LayerTurned) - cpu(FloorCommands::LayerFrames);
        const double overlays = cpu(FloorCommands::Graph) - cpu(FloorCommands::GraphWithoutOverlays);
        const double subtitles = cpu(FloorCommands::Subtitle) - cpu(FloorCommands::Decode);
        const double filters = layerFrames + turning + overlays + subtitles;
        const double graph = cpu(FloorCommands::Graph) - cpu(FloorCommands::Decode);
        for (const Timing &t : parts)
            failed = failed || t.cpu < 0;
        std::printf("Heavy project's graph stage and the ffmpeg filters it needs, each alone (CPU):\n");
        const auto perFrame = [](const char *what, double ms) {
            std::printf("  %-52s %8.1f ms (%6.2f ms/frame)\n", what, ms, ms / kFrames);
        };
        perFrame("reading the video layer's shown frames", layerFrames);
        perFrame("turning them (rotate)", turning);
        perFrame("the three overlays", overlays);
        perFrame("the subtitle (ass)", subtitles);
        perFrame("sum of the filters: the graph's floor", filters);
        perFrame("the whole graph stage (above decoding)", graph);

        const QString output = dir.filePath(QStringLiteral("out.mp4"));
        const QStringList encode{QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-an"), output};
        const auto conversion = [&](const QString &graphText, const QStringList &extra = QStringList()) {
            return extra + input
                   + (graphText.isEmpty() ? QStringList() : QStringList{QStringLiteral("-vf"), graphText}) + encode;
        };
        const QStringList oneFilterThread{QStringLiteral("-filter_threads"), QStringLiteral("1")};
        const QVector<Timing> converted = alternatingMedians(
            {conversion(QString()), conversion(typical), conversion(heavy), conversion(typical, oneFilterThread),
             conversion(heavy, oneFilterThread)},
            runs);
        std::printf("Conversion with x264 (default preset):\n");
        const Timing &plain = converted.at(0);
        print("plain conversion", plain);
        print("typical watermark (logo + text)", converted.at(1));
        print("heavy project", converted.at(2));
        print("typical watermark, -filter_threads 1", converted.at(3));
        print("heavy project, -filter_threads 1", converted.at(4));
        for (const Timing &t : converted)
            failed = failed || t.cpu < 0;

        const auto ratio = [](const Timing &a, const Timing &b) { return b.cpu > 0 ? a.cpu / b.cpu : -1; };
        // What the heavy conversion would cost if its graph cost no more than its filters alone.
        const double floorRatio = plain.cpu > 0 ? (converted.at(2).cpu - graph + filters) / plain.cpu : -1;
        std::printf("Verdicts (filter threads as ffmpeg chooses / one filter thread):\n");
        BenchTarget::atMost("typical watermark / plain (CPU)", ratio(converted.at(1), plain), 1.05);
        BenchTarget::atMost("typical watermark / plain (CPU), one filter thread", ratio(converted.at(3), plain), 1.05);
        BenchTarget::atMost("heavy project / plain (CPU)", ratio(converted.at(2), plain), 1.20);
        BenchTarget::atMost("heavy project / plain (CPU), one filter thread", ratio(converted.at(4), plain), 1.20);
        // No graph with the same pixels goes below its filters; a floor above the target puts
        // the target out of reach of the graph.
        std::printf("  %-56s %9.3fx  (target at most 1.2x: %s)\n", "heavy project's floor / plain (CPU)", floorRatio,
                    floorRatio >= 0 && floorRatio <= 1.20 ? "within reach" : "out of reach with the same pixels");
        BenchTarget::atMost("each still layer, ms per frame", fit.slope, 0.3, " ms");
        std::printf("  wall time with one filter thread / with ffmpeg's choice: typical %.3f, heavy %.3f\n",
                    converted.at(1).wall > 0 ? converted.at(3).wall / converted.at(1).wall : 0.0,
                    converted.at(2).wall > 0 ? converted.at(4).wall / converted.at(2).wall : 0.0);
    }
    return failed ? 1 : 0;
}
