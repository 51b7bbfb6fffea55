// Adds 500 files to the conversion list and prints how long the interface is held:
// the time addFiles() takes, the time until every probe has arrived, and the longest
// gap between two turns of the event loop while the probes come in.
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

    qint64 longestGapMs = 0;
    QElapsedTimer gap;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapMs = qMax(longestGapMs, gap.restart());
    });

    QElapsedTimer clock;
    clock.start();
    list.addTasks(files);
    const qint64 listedMs = clock.elapsed();

    QEventLoop loop;
    QObject::connect(&list, &ConversionListModel::sigAllProbed, &loop, &QEventLoop::quit);
    gap.start();
    ticker.start(1);
    loop.exec();
    const qint64 probedMs = clock.elapsed();

    std::printf("files: %d\n", kFiles);
    std::printf("listed after: %lld ms\n", static_cast<long long>(listedMs));
    std::printf("all probed after: %lld ms\n", static_cast<long long>(probedMs));
    std::printf("longest event loop gap while probing: %lld ms\n", static_cast<long long>(longestGapMs));
    return 0;
}
