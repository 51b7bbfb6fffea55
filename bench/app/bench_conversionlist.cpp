// Adds 500 files to the conversion list and prints how long the interface is held:
// the time adding them takes, the time until every probe has arrived, and the longest
// gap between two turns of the event loop while the probes come in, each beside its target.
#include "benchtarget.h"

#include "jobs/conversionlistmodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kFiles = 500;
// A list that answers within a tenth of a second feels immediate; the event loop must never
// stall long enough to drop a frame of the interface, and every probe should be in within a second.
constexpr double kListedTargetMs = 100;
constexpr double kProbedTargetMs = 1000;
constexpr double kGapTargetMs = 50;

bool makeClip(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-y", "-loglevel", "error", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2", "-f",
                  "lavfi", "-i", "sine=duration=2", "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac",
                  "-shortest", path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}
}

int main(int argc, char *argv[])
{
    // Without a display the list still works: Qt draws nowhere.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("clip.mp4"));
    if (!makeClip(clip)) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }

    ConversionListModel list;
    ConvertTask task;
    task.sourcePath = clip;
    QList<ConvertTask> files;
    for (int i = 0; i < kFiles; ++i)
        files << task;

    double longestGapMs = 0;
    QElapsedTimer gap;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapMs = qMax(longestGapMs, gap.nsecsElapsed() / 1e6);
        gap.restart();
    });

    QElapsedTimer clock;
    clock.start();
    list.addTasks(files);
    const double listedMs = clock.nsecsElapsed() / 1e6;

    QEventLoop loop;
    QObject::connect(&list, &ConversionListModel::sigAllProbed, &loop, &QEventLoop::quit);
    gap.start();
    ticker.start(1);
    loop.exec();
    const double probedMs = clock.nsecsElapsed() / 1e6;

    std::printf("%d files\n", kFiles);
    const bool listed = BenchTarget::atMost("listed after", listedMs, kListedTargetMs, " ms");
    const bool probed = BenchTarget::atMost("all probed after", probedMs, kProbedTargetMs, " ms");
    const bool smooth = BenchTarget::atMost("longest event loop gap while probing", longestGapMs,
                                            kGapTargetMs, " ms");
    std::printf("all targets: %s\n", BenchTarget::verdict(listed && probed && smooth));
    return 0;
}
