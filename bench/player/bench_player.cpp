// Plays a 720p30 clip with two still layers for 10 s in the preview widget, through the
// graph the editor's preview builds, and prints the drop counters, the drift of the
// position against wall time and the CPU time used, by thread; then lets ffplay play the
// same file with the same graph, window size and time and prints its CPU time. Runs
// alternate; the medians give the ratio.
// Usage, under Xvfb with SDL_AUDIODRIVER=dummy: bench_player [runs, default 3]
#include "placedlayer.h"

#include "common/converttask.h"
#include "layers/filtergraph.h"
#include "player/playerengine.h"
#include "player/qplayerwidget.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <QDir>
#include <QFile>
#include <QMap>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kPlaySeconds = 10;
const QString kLavfi = QStringLiteral("lavfi");

double cpuSeconds(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of every thread of a process, by thread name, summed over threads of one name.
QMap<QString, double> threadCpuSeconds(qint64 pid)
{
    QMap<QString, double> seconds;
    const double tick = double(sysconf(_SC_CLK_TCK));
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks + QLatin1Char('/') + task + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const int open = line.indexOf('(');
        const int close = line.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() < 13)
            continue;
        // After the name: state is field 0, utime field 11, stime field 12.
        seconds[QString::fromLocal8Bit(line.mid(open + 1, close - open - 1))]
            += (fields.at(11).toDouble() + fields.at(12).toDouble()) / tick;
    }
    return seconds;
}

void printThreads(const QMap<QString, double> &before, const QMap<QString, double> &after)
{
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const double used = it.value() - before.value(it.key());
        if (used >= 0.01)
            std::printf("    %-16s %.2f s\n", qPrintable(it.key()), used);
    }
}

QString makeLayer(const QString &name, const QString &colour, int size)
{
    return TestMedia::make(name, {QStringLiteral("-f"), kLavfi, QStringLiteral("-i"),
                                  QStringLiteral("color=c=%1:s=%2x%2").arg(colour).arg(size),
                                  QStringLiteral("-frames:v"), QStringLiteral("1")});
}

struct PreviewRun
{
    int lateDrops = 0;
    int earlyDrops = 0;
    QString lateDropTimes;
    double finalDriftMs = 0;
    double worstDriftMs = 0;
    double worstAudioVideoMs = 0;
    double cpu = 0;
    QMap<QString, double> threadsBefore;
    QMap<QString, double> threadsAfter;
};

PreviewRun playPreview(QPlayerWidget *player, const QString &clip)
{
    PreviewRun run;
    run.threadsBefore = threadCpuSeconds(QCoreApplication::applicationPid());
    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    player->setFile(clip);
    player->OnPlayPause();
    QElapsedTimer wall;
    wall.start();
    while (playerPosition() <= 0 && wall.elapsed() < 5000)
        QTest::qWait(1);
    const qint64 startPosition = playerPosition();
    QElapsedTimer played;
    played.start();
    QStringList lateDropTimes;
    int lateDropsSeen = playerStatistics().framesDroppedLate;
    if (lateDropsSeen > 0)
        lateDropTimes << QStringLiteral("%1 before the first position").arg(lateDropsSeen);
    while (played.elapsed() < kPlaySeconds * 1000 && player->isPlaying()) {
        QTest::qWait(100);
        const double driftMs = (playerPosition() - startPosition) / 1000.0 - played.nsecsElapsed() / 1e6;
        run.worstDriftMs = qMax(run.worstDriftMs, qAbs(driftMs));
        const PlayerStatistics now = playerStatistics();
        if (!std::isnan(now.audioMinusVideo))
            run.worstAudioVideoMs = qMax(run.worstAudioVideoMs, qAbs(now.audioMinusVideo) * 1000);
        const int lateDrops = now.framesDroppedLate;
        if (lateDrops != lateDropsSeen)
            lateDropTimes << QStringLiteral("%1 by %2 s").arg(lateDrops - lateDropsSeen).arg(played.elapsed() / 1000.0);
        lateDropsSeen = lateDrops;
    }
    run.finalDriftMs = (playerPosition() - startPosition) / 1000.0 - played.nsecsElapsed() / 1e6;
    const PlayerStatistics statistics = playerStatistics();
    run.lateDrops = statistics.framesDroppedLate;
    run.earlyDrops = statistics.framesDroppedEarly;
    run.lateDropTimes = lateDropTimes.join(QStringLiteral(", "));
    run.threadsAfter = threadCpuSeconds(QCoreApplication::applicationPid());
    player->OnStop();
    run.cpu = cpuSeconds(RUSAGE_SELF) - cpuBefore;
    return run;
}

struct FfplayRun
{
    double cpu = 0;
    double worstAudioVideoMs = 0;
    int drops = 0; // early and late together, as its status line counts them
    QMap<QString, double> threads; // as they stood just before its end
};

// The same playback by ffplay, read from its status line.
FfplayRun playWithFfplay(const QString &filter, const QString &clip)
{
    FfplayRun run;
    const double childrenBefore = cpuSeconds(RUSAGE_CHILDREN);
    QProcess ffplay;
    ffplay.start(QStringLiteral("ffplay"),
                 {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-stats"), QStringLiteral("-x"),
                  QStringLiteral("640"),
                  QStringLiteral("-y"), QStringLiteral("360"), QStringLiteral("-t"), QString::number(kPlaySeconds),
                  QStringLiteral("-autoexit"), QStringLiteral("-vf"), filter, clip});
    if (ffplay.waitForStarted()) {
        QTest::qWait(kPlaySeconds * 1000 - 300);
        run.threads = threadCpuSeconds(ffplay.processId());
    }
    if (!ffplay.waitForFinished((kPlaySeconds + 20) * 1000)) {
        ffplay.kill();
        ffplay.waitForFinished();
    }
    run.cpu = cpuSeconds(RUSAGE_CHILDREN) - childrenBefore;
    // "  5.01 A-V: -0.003 fd=   1 aq= ..." once per refresh, each ended by a carriage return.
    static const QRegularExpression status(QStringLiteral("A-V:\\s*(-?[0-9.]+)\\s+fd=\\s*(\\d+)"));
    for (const QString &line : QString::fromLocal8Bit(ffplay.readAllStandardError()).split(QLatin1Char('\r'))) {
        const QRegularExpressionMatch match = status.match(line);
        if (!match.hasMatch())
            continue;
        run.worstAudioVideoMs = qMax(run.worstAudioVideoMs, qAbs(match.captured(1).toDouble()) * 1000);
        run.drops = match.captured(2).toInt();
    }
    return run;
}
}

int main(int argc, char *argv[])
{
    TestProfile::setUp();
    QApplication app(argc, argv);
    Startup::prepareApplication(app);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    const QString clip = TestMedia::make(
        QStringLiteral("bench-720p30.mp4"),
        {QStringLiteral("-f"), kLavfi, QStringLiteral("-i"), QStringLiteral("testsrc2=size=1280x720:rate=30:duration=12"),
         QStringLiteral("-f"), kLavfi, QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=12"),
         QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
         QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:a"), QStringLiteral("aac"),
         QStringLiteral("-shortest")});
    const QString first = makeLayer(QStringLiteral("bench-layer1.png"), QStringLiteral("yellow@0.6"), 200);
    const QString second = makeLayer(QStringLiteral("bench-layer2.png"), QStringLiteral("cyan"), 120);
    if (clip.isEmpty() || first.isEmpty() || second.isEmpty()) {
        std::fprintf(stderr, "could not make the media\n");
        return 1;
    }
    const PlacedLayer upperLeft(pictureLayer(first, 40, 40, 200, 200), 1);
    const PlacedLayer lowerRight(pictureLayer(second, 1280 - 160, 720 - 160, 120, 120), 2);
    ConvertTask task;
    task.width = 1280;
    task.height = 720;
    const QString filter = buildFilterGraph(task, {&upperLeft, &lowerRight}, OverlayCanvas{QSize(1280, 720), 12000000},
                                            QString());

    PlayerLender lender;
    QWidget window;
    window.resize(640, 360);
    auto *player = new QPlayerWidget(&window);
    player->bind(&lender);
    player->setGeometry(0, 0, 640, 360);
    player->setFilterProvider([filter] { return filter; });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    QVector<double> previewCpu;
    QVector<double> ffplayCpu;
    int worstLateDrops = 0;
    double worstDriftMs = 0;
    for (int run = 1; run <= runs; ++run) {
        std::printf("\n== run %d of %d ==\n", run, runs);
        const PreviewRun preview = playPreview(player, clip);
        std::printf("preview: %d s of 720p30 with two overlay layers, 640x360\n", kPlaySeconds);
        std::printf("  late drops      %d %s\n", preview.lateDrops, qPrintable(preview.lateDropTimes));
        std::printf("  early drops     %d\n", preview.earlyDrops);
        std::printf("  drift at end    %.1f ms (worst %.1f ms) of the position against the wall clock\n",
                    preview.finalDriftMs, preview.worstDriftMs);
        std::printf("  A-V             worst %.1f ms\n", preview.worstAudioVideoMs);
        std::printf("  CPU time        %.2f s, by thread:\n", preview.cpu);
        printThreads(preview.threadsBefore, preview.threadsAfter);

        const FfplayRun ffplay = playWithFfplay(filter, clip);
        std::printf("ffplay: same file, filter, size and time\n");
        std::printf("  drops           %d (early and late)\n", ffplay.drops);
        std::printf("  A-V             worst %.1f ms\n", ffplay.worstAudioVideoMs);
        std::printf("  CPU time        %.2f s, by thread (until 0.3 s before its end):\n", ffplay.cpu);
        printThreads({}, ffplay.threads);

        previewCpu.append(preview.cpu);
        ffplayCpu.append(ffplay.cpu);
        worstLateDrops = qMax(worstLateDrops, preview.lateDrops);
        worstDriftMs = qMax(worstDriftMs, preview.worstDriftMs);
    }
    std::sort(previewCpu.begin(), previewCpu.end());
    std::sort(ffplayCpu.begin(), ffplayCpu.end());
    const double previewMedian = previewCpu.at(runs / 2);
    const double ffplayMedian = ffplayCpu.at(runs / 2);
    std::printf("\nmedians of %d alternating runs: preview %.2f s, ffplay %.2f s\n", runs, previewMedian, ffplayMedian);
    if (ffplayMedian > 0)
        std::printf("  ratio %.2f, most late drops in a run %d (target at most 1.00 with 0 late drops: %s)\n",
                    previewMedian / ffplayMedian, worstLateDrops,
                    previewMedian <= ffplayMedian && worstLateDrops == 0 ? "met" : "missed");
    std::printf("  worst drift of the position in a run %.1f ms (target under 50 ms: %s)\n", worstDriftMs,
                worstDriftMs < 50 ? "met" : "missed");
    return 0;
}
