// What the overlay filter graph costs on a 1080p, 10 s clip: decoding alone, decoding
// through a realistic project's graph, the same with every layer scrolling, each layer
// kind on its own, and the x264 conversion with and without the project.
// Usage: bench_overlay [runs per figure, default 3]

#include "placedlayer.h"

#include "common/converttask.h"
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

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
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

// Medians of runs of ffmpeg: CPU time (user + system, steady while other work shares
// the machine) and wall time, in milliseconds; -1 on failure.
struct Timing
{
    double cpu = -1;
    double wall = -1;
};

Timing medianMs(const QStringList &arguments, int runs)
{
    QVector<double> cpu;
    QVector<double> wall;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = childCpuMs();
        if (!ffmpeg(arguments))
            return Timing();
        wall.append(timer.nsecsElapsed() / 1e6);
        cpu.append(childCpuMs() - cpuBefore);
    }
    return Timing{median(cpu), median(wall)};
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

struct Project
{
    PlacedLayer logo;
    PlacedLayer text;
    PlacedLayer video;
    QString subtitle;
};

QList<const LayerSource *> sources(const QList<PlacedLayer *> &layers)
{
    QList<const LayerSource *> list;
    for (const PlacedLayer *layer : layers)
        list.append(layer);
    return list;
}

QString graphOf(const QList<PlacedLayer *> &layers, const QString &subtitle, const QString &cache)
{
    ConvertTask task;
    task.width = kWidth;
    task.height = kHeight;
    task.hasSubtitle = !subtitle.isEmpty();
    task.subtitlePath = subtitle;
    return buildFilterGraph(task, sources(layers), OverlayCanvas{QSize(kWidth, kHeight), qint64(kSeconds) * 1000000},
                            cache);
}

void print(const char *label, const Timing &t)
{
    std::printf("  %-46s cpu %9.1f ms (%6.2f ms/frame)   wall %9.1f ms\n", label, t.cpu, t.cpu / kFrames, t.wall);
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("clip1080.mp4"));
    const QString layerClip = dir.filePath(QStringLiteral("layer360.mp4"));
    const QString logoPath = dir.filePath(QStringLiteral("logo.png"));
    std::printf("Preparing a %dx%d, %d s clip and the project's media...\n", kWidth, kHeight, kSeconds);
    if (!ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("testsrc2=size=%1x%2:rate=%3:duration=%4").arg(kWidth).arg(kHeight).arg(kRate).arg(kSeconds),
                 QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
                 QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), clip})
        || !ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("mandelbrot=size=640x360:rate=25"), QStringLiteral("-t"), QString::number(kSeconds),
                    QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                    QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), layerClip})) {
        std::fprintf(stderr, "ffmpeg could not make the media\n");
        return 1;
    }

    QImage logo(400, 200, QImage::Format_ARGB32);
    logo.fill(QColor(20, 120, 220, 180));
    logo.save(logoPath, "PNG");

    CLayerInfo logoInfo;
    logoInfo.Type = CLayerInfo::Picture;
    logoInfo.FileName = logoPath;
    logoInfo.image = logo;
    logoInfo.x = 1480;
    logoInfo.y = 40;
    logoInfo.Width = 400;
    logoInfo.Height = 200;

    CLayerInfo textInfo;
    textInfo.Type = CLayerInfo::Text;
    textInfo.FileName = QStringLiteral("Text1");
    textInfo.wordArt.Text = QStringLiteral("Brindle benchmark\nsecond line of text");
    textInfo.wordArt.Font = QFont(QStringLiteral("DejaVu Sans"));
    textInfo.wordArt.Font.setPixelSize(72);
    textInfo.wordArt.TextEffect = CWordArtInfo::SingleOutline;
    textInfo.wordArt.OutlineThickness1 = 6;
    textInfo.wordArt.OutlineAlpha1 = 255;
    textInfo.wordArt.OutlineColor1 = Qt::black;
    textInfo.wordArt.EnableShadow = true;
    textInfo.wordArt.ShadowAlpha = 160;
    textInfo.wordArt.render(textInfo.image);
    textInfo.x = 60;
    textInfo.y = 60;
    textInfo.Width = textInfo.image.width();
    textInfo.Height = textInfo.image.height();
    textInfo.Transparent = 90;

    CLayerInfo videoInfo;
    videoInfo.Type = CLayerInfo::Video;
    videoInfo.FileName = layerClip;
    videoInfo.image = QImage(640, 360, QImage::Format_ARGB32);
    videoInfo.x = 200;
    videoInfo.y = 500;
    videoInfo.Width = 640;
    videoInfo.Height = 360;
    videoInfo.Angle = 30;
    videoInfo.fade = CLayerInfo::FadeInOut;
    videoInfo.StartTime = 1000000;
    videoInfo.EndTime = 9000000;

    Project project{PlacedLayer(logoInfo, 1), PlacedLayer(textInfo, 2), PlacedLayer(videoInfo, 3),
                    writeSubtitle(dir.filePath(QStringLiteral("subtitle.ass")))};
    const QString cache = dir.filePath(QStringLiteral("cache"));
    QList<PlacedLayer *> all{&project.logo, &project.text, &project.video};
    const QString projectGraph = graphOf(all, project.subtitle, cache);

    Project scrolling = project;
    scrolling.logo.info.Animation = CLayerInfo::ScrollLeft;
    scrolling.text.info.Animation = CLayerInfo::ScrollTop;
    scrolling.video.info.Animation = CLayerInfo::ScrollRight;
    const QString scrollingGraph =
        graphOf({&scrolling.logo, &scrolling.text, &scrolling.video}, scrolling.subtitle, cache);

    std::printf("Project graph (%d characters):\n%s\n\n", int(projectGraph.size()), qPrintable(projectGraph));
    std::printf("Medians of %d runs, %d frames:\n", runs, kFrames);

    const QStringList input{QStringLiteral("-i"), clip};
    const QStringList toNull{QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};
    const auto throughGraph = [&](const QString &graph) {
        return medianMs(input + QStringList{QStringLiteral("-vf"), graph} + toNull, runs);
    };

    const Timing decode = medianMs(input + toNull, runs);
    print("decode only", decode);
    const Timing withProject = throughGraph(projectGraph);
    print("decode + project graph", withProject);
    const Timing withScrolling = throughGraph(scrollingGraph);
    print("decode + project graph, every layer scrolling", withScrolling);

    std::printf("\nGraph cost per frame (CPU above decoding):\n");
    std::printf("  project:            %6.2f ms/frame\n", (withProject.cpu - decode.cpu) / kFrames);
    std::printf("  project scrolling:  %6.2f ms/frame\n", (withScrolling.cpu - decode.cpu) / kFrames);

    struct Kind
    {
        const char *name;
        QString graph;
    };
    const QList<Kind> kinds{{"image layer (400x200 PNG)", graphOf({&project.logo}, QString(), cache)},
                            {"text layer (two lines, outline, shadow)", graphOf({&project.text}, QString(), cache)},
                            {"video layer (640x360, 30 degrees, fade)", graphOf({&project.video}, QString(), cache)},
                            {"burned ASS subtitle", graphOf({}, project.subtitle, cache)}};
    std::printf("\nShare per layer kind (each alone, cost above decoding):\n");
    QVector<double> costs;
    double sum = 0;
    for (const Kind &kind : kinds) {
        const double cost = qMax(0.0, throughGraph(kind.graph).cpu - decode.cpu);
        costs.append(cost);
        sum += cost;
    }
    for (int i = 0; i < kinds.size(); ++i)
        std::printf("  %-44s %6.2f ms/frame  %5.1f %%\n", kinds.at(i).name, costs.at(i) / kFrames,
                    sum > 0 ? 100.0 * costs.at(i) / sum : 0.0);

    const QString output = dir.filePath(QStringLiteral("out.mp4"));
    const QStringList encode{QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-an"), output};
    std::printf("\nConversion with x264 (default preset):\n");
    const Timing plain = medianMs(input + encode, runs);
    print("plain conversion", plain);
    const Timing converted = medianMs(input + QStringList{QStringLiteral("-vf"), projectGraph} + encode, runs);
    print("conversion with the project", converted);
    const double ratio = plain.cpu > 0 ? converted.cpu / plain.cpu : 0;
    const double wallRatio = plain.wall > 0 ? converted.wall / plain.wall : 0;
    std::printf("\nConversion ratio (CPU): %.3f (target at most 1.10: %s); wall-time ratio %.3f\n", ratio,
                ratio <= 1.10 ? "met" : "missed", wallRatio);
    return decode.cpu < 0 || withProject.cpu < 0 || plain.cpu < 0 || converted.cpu < 0 ? 1 : 0;
}
