// Converts one generated clip (720p, 10 s, x264) directly with ffmpeg and through TesselEngine
// driven by a job, several times each, and prints the median times and their ratio beside its target.
#include "benchtarget.h"

#include "common/timeconv.h"
#include "jobs/tesselenginejob.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr int kRounds = 5;

QStringList conversion(const QString &input, const QString &output)
{
    return {QStringLiteral("-i"), input, QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-b:v"),
            QStringLiteral("2000k"), QStringLiteral("-r"), QStringLiteral("25.000"), QStringLiteral("-c:a"),
            QStringLiteral("aac"), QStringLiteral("-y"), output};
}

bool runDirect(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    // Jobs run their engines at nice 10; the direct run gets the same, so the figures compare
    // the launcher and the job, not the scheduler.
    QObject::connect(&ffmpeg, &QProcess::started, &ffmpeg,
                     [&ffmpeg] { setpriority(PRIO_PROCESS, static_cast<id_t>(ffmpeg.processId()), 10); });
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner")} + arguments);
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

bool runJob(const QStringList &arguments)
{
    TesselEngineJob job(QString(), arguments);
    job.setFrameRate(25.0f);
    job.setDurationText(TimeConv::toEngineText(10000000));
    QEventLoop loop;
    QObject::connect(&job, &AbstractJob::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.outcome() == JobOutcome::Succeeded;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString clip = folder.filePath(QStringLiteral("clip720.mp4"));
    QProcess make;
    make.start(QStringLiteral("ffmpeg"),
               {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("testsrc2=size=1280x720:rate=25:duration=10"),
                QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                QStringLiteral("sine=frequency=440:duration=10"), QStringLiteral("-c:v"), QStringLiteral("libx264"),
                QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:a"), QStringLiteral("aac"),
                QStringLiteral("-shortest"), clip});
    if (!make.waitForFinished(-1) || make.exitCode() != 0) {
        std::fprintf(stderr, "cannot make the test clip\n");
        return 1;
    }

    const QString output = folder.filePath(QStringLiteral("out.mp4"));
    std::vector<double> direct;
    std::vector<double> throughJob;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        if (!runDirect(conversion(clip, output)))
            return 1;
        direct.push_back(clock.nsecsElapsed() / 1e9);
        clock.restart();
        if (!runJob(conversion(clip, output)))
            return 1;
        throughJob.push_back(clock.nsecsElapsed() / 1e9);
        std::printf("round %d: ffmpeg %.3f s, TesselEngine job %.3f s\n", round + 1, direct.back(), throughJob.back());
    }
    const double directMedian = median(direct);
    const double jobMedian = median(throughJob);
    std::printf("median ffmpeg: %.3f s\nmedian TesselEngine job: %.3f s\n", directMedian, jobMedian);
    BenchTarget::atMost("TesselEngine job / ffmpeg (wall)", jobMedian / directMedian, 1.02);
    return 0;
}
