// Plays a 720p30 clip with two still layers for 10 s in the preview widget, through the
// graph the editor's preview builds, and prints the drop counters, the drift of the
// position against wall time and the CPU time used; then lets ffplay play the same file
// with the same graph for the same time and prints its CPU time and the ratio.
// Run under Xvfb with SDL_AUDIODRIVER=dummy.
#include "placedlayer.h"

#include "common/converttask.h"
#include "layers/filtergraph.h"
#include "player/playerengine.h"
#include "player/qplayerwidget.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <sys/resource.h>

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

QString makeLayer(const QString &name, const QString &colour, int size)
{
    return TestMedia::make(name, {QStringLiteral("-f"), kLavfi, QStringLiteral("-i"),
                                  QStringLiteral("color=c=%1:s=%2x%2").arg(colour).arg(size),
                                  QStringLiteral("-frames:v"), QStringLiteral("1")});
}
}

int main(int argc, char *argv[])
{
    TestProfile::setUp();
    QApplication app(argc, argv);
    Startup::prepareApplication(app);

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

    QWidget window;
    window.resize(640, 420);
    auto *player = new QPlayerWidget(&window);
    player->setGeometry(0, 0, 640, 420);
    player->setFilterProvider([filter] { return filter; });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    player->m_filePath = clip;
    player->OnPlayPause();
    QElapsedTimer wall;
    wall.start();
    while (playerPosition() <= 0 && wall.elapsed() < 5000)
        QTest::qWait(1);
    const qint64 startPosition = playerPosition();
    QElapsedTimer played;
    played.start();
    double worstDriftMs = 0;
    while (played.elapsed() < kPlaySeconds * 1000 && player->isPlaying()) {
        QTest::qWait(100);
        const double driftMs = (playerPosition() - startPosition) / 1000.0 - played.nsecsElapsed() / 1e6;
        worstDriftMs = qMax(worstDriftMs, qAbs(driftMs));
    }
    const double finalDriftMs = (playerPosition() - startPosition) / 1000.0 - played.nsecsElapsed() / 1e6;
    const PlayerStatistics statistics = playerStatistics();
    player->OnStop();
    const double cpuPlayer = cpuSeconds(RUSAGE_SELF) - cpuBefore;

    std::printf("preview: %d s of 720p30 with two overlay layers\n", kPlaySeconds);
    std::printf("  late drops      %d\n", statistics.framesDroppedLate);
    std::printf("  early drops     %d\n", statistics.framesDroppedEarly);
    std::printf("  drift at end    %.1f ms (worst %.1f ms)\n", finalDriftMs, worstDriftMs);
    std::printf("  CPU time        %.2f s\n", cpuPlayer);

    const double childrenBefore = cpuSeconds(RUSAGE_CHILDREN);
    QProcess ffplay;
    ffplay.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffplay.start(QStringLiteral("ffplay"),
                 {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-x"), QStringLiteral("640"),
                  QStringLiteral("-y"), QStringLiteral("360"), QStringLiteral("-t"), QString::number(kPlaySeconds),
                  QStringLiteral("-autoexit"), QStringLiteral("-vf"), filter, clip});
    if (!ffplay.waitForFinished((kPlaySeconds + 20) * 1000)) {
        ffplay.kill();
        ffplay.waitForFinished();
    }
    const double cpuFfplay = cpuSeconds(RUSAGE_CHILDREN) - childrenBefore;
    std::printf("ffplay: same file, filter and time\n");
    std::printf("  CPU time        %.2f s\n", cpuFfplay);
    if (cpuFfplay > 0)
        std::printf("  ratio           %.2f (target at most 1.00 with 0 late drops: %s)\n", cpuPlayer / cpuFfplay,
                    cpuPlayer <= cpuFfplay && statistics.framesDroppedLate == 0 ? "met" : "missed");
    return 0;
}
