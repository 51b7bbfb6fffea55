// What brindle-batch costs on top of the engines it runs, against ffmpeg run with the very
// same command lines, each figure beside its target:
// - 20 short clips with a two-layer project, against a shell loop of ffmpeg over the files;
// - one 2 s clip, the way a scheduler hands out one file per task;
// - the runner's dry run of the project on that one file (planning alone).
// Beside the last two, the floor of any runner that probes its input in its own process: a
// core application that only probes the file (and then starts the engine the runner would).
// Runs of compared commands alternate; medians are printed.
// Usage: bench_batch [runs, default 3 for the 20 clips and 7 for one clip]
#include "benchtarget.h"
#include "placedlayer.h"
#include "testmedia.h"

#include "engines/tesselarguments.h"
#include "layers/projectfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kClips = 20;
constexpr double kFolderTarget = 1.05;
constexpr double kOneClipTarget = 1.05;
constexpr double kDryRunTargetMs = 40;

QString shellQuoted(const QString &argument)
{
    return QLatin1Char('\'') + QString(argument).replace(QLatin1Char('\''), QStringLiteral("'\\''"))
           + QLatin1Char('\'');
}

QString batchProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/brindle-batch");
}

QString floorProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/bench_batch_floor");
}

// The engine command lines the runner plans: the engine, its arguments and the output.
QList<QStringList> plannedCommands(const QStringList &batchArguments)
{
    QProcess plan;
    plan.start(batchProgram(), QStringList{QStringLiteral("--dry-run"), QStringLiteral("--json")} + batchArguments);
    plan.waitForFinished(-1);
    QList<QStringList> commands;
    for (const QByteArray &line : plan.readAllStandardOutput().split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.value(QStringLiteral("event")).toString() == QLatin1String("plan"))
            commands << event.value(QStringLiteral("command")).toVariant().toStringList();
    }
    return commands;
}

QStringList writingInto(QStringList command, const QString &folder)
{
    command.last() = folder + QLatin1Char('/') + QFileInfo(command.last()).fileName();
    return command;
}

// The planned engine command lines, turned into ffmpeg's as the engine turns them.
QStringList loopScript(const QList<QStringList> &commands, const QString &loopOutput)
{
    QStringList lines;
    for (const QStringList &command : commands) {
        std::vector<std::string> engineArguments;
        for (const QString &argument : writingInto(command, loopOutput).mid(1))
            engineArguments.push_back(argument.toStdString());
        // Engines run at nice 10; so does the loop.
        QString shellLine = QStringLiteral("nice -n 10 ffmpeg -nostdin -v error");
        for (const std::string &argument : TesselArguments::translate(engineArguments))
            shellLine += QLatin1Char(' ') + shellQuoted(QString::fromStdString(argument));
        lines << shellLine;
    }
    return lines;
}

QString writeScript(const QString &path, const QStringList &lines)
{
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write(("set -e\n" + lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return path;
}

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Wall and CPU time (user and system of the program and everything it started), in milliseconds.
struct Cost
{
    double wall = -1;
    double cpu = -1;
};

Cost timed(const QString &program, const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = childCpuMs();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        return Cost();
    }
    return Cost{clock.nsecsElapsed() / 1e6, childCpuMs() - cpuBefore};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

struct Series
{
    std::vector<double> wall;
    std::vector<double> cpu;
    bool add(const Cost &cost)
    {
        wall.push_back(cost.wall);
        cpu.push_back(cost.cpu);
        return cost.wall >= 0;
    }
    double wallMs() const { return median(wall); }
    double cpuMs() const { return median(cpu); }
};

double ratio(double a, double b)
{
    return b > 0 ? a / b : -1;
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int asked = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    const int folderRounds = asked > 0 ? asked : 3;
    const int clipRounds = asked > 0 ? asked : 7;

    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    QDir().mkpath(in);
    const QString clip = TestMedia::clip(4.0);
    for (int i = 0; i < kClips; ++i)
        QFile::copy(clip, in + QStringLiteral("/clip%1.mp4").arg(i, 2, 10, QLatin1Char('0')));
    const QString single = dir.filePath(QStringLiteral("single"));
    QDir().mkpath(single);
    const QString shortClip = single + QStringLiteral("/short.mp4");
    QFile::copy(TestMedia::clip(2.0, QStringLiteral("bench-2s.mp4")), shortClip);

    QImage logo(64, 32, QImage::Format_ARGB32);
    logo.fill(QColor(255, 0, 0, 200));
    logo.save(dir.filePath(QStringLiteral("logo.png")));
    ProjectData project;
    project.canvasSize = QSize(320, 240);
    project.layers = {pictureLayer(dir.filePath(QStringLiteral("logo.png")), 10, 10, 64, 32),
                      pictureLayer(dir.filePath(QStringLiteral("logo.png")), 200, 180, 96, 48)};
    project.layers[1].Angle = 30.0f;
    QString error;
    if (!ProjectFile::write(dir.filePath(QStringLiteral("bench.qpj")), project, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    const QString batchOutput = dir.filePath(QStringLiteral("batch-out"));
    const auto batchArguments = [&](const QString &input) {
        return QStringList{QStringLiteral("--project"), dir.filePath(QStringLiteral("bench.qpj")),
                           QStringLiteral("--format"), QStringLiteral("mp4"), QStringLiteral("--jobs"),
                           QStringLiteral("1"), QStringLiteral("--output"), batchOutput, input};
    };
    const QString loopOutput = dir.filePath(QStringLiteral("loop-out"));
    QDir().mkpath(loopOutput);
    const QStringList folderLines = loopScript(plannedCommands(batchArguments(in)), loopOutput);
    const QList<QStringList> clipCommands = plannedCommands(batchArguments(shortClip));
    const QStringList clipLines = loopScript(clipCommands, loopOutput);
    const QString folderScript = writeScript(dir.filePath(QStringLiteral("folder.sh")), folderLines);
    const QString clipScript = writeScript(dir.filePath(QStringLiteral("clip.sh")), clipLines);
    if (folderLines.size() != kClips || clipLines.size() != 1 || folderScript.isEmpty() || clipScript.isEmpty()) {
        std::fprintf(stderr, "brindle-batch planned %d and %d commands\n", int(folderLines.size()),
                     int(clipLines.size()));
        return 1;
    }
    // The runner skips what it has made; each of its runs starts from an empty output folder.
    const auto runBatch = [&](const QString &input) {
        QDir(batchOutput).removeRecursively();
        return timed(batchProgram(), batchArguments(input));
    };

    Series folderLoop, folderBatch;
    for (int round = 0; round < folderRounds; ++round) {
        if (!folderLoop.add(timed(QStringLiteral("sh"), {folderScript})) || !folderBatch.add(runBatch(in)))
            return 1;
    }
    Series clipLoop, clipBatch, dryRun, floorRun, floorProbe;
    const QStringList dryRunArguments = QStringList{QStringLiteral("--dry-run")} + batchArguments(shortClip);
    const QStringList floorRunArguments = QStringList{shortClip} + writingInto(clipCommands.first(), loopOutput);
    for (int round = 0; round < clipRounds; ++round) {
        if (!clipLoop.add(timed(QStringLiteral("sh"), {clipScript})) || !clipBatch.add(runBatch(shortClip))
            || !floorRun.add(timed(floorProgram(), floorRunArguments))
            || !dryRun.add(timed(batchProgram(), dryRunArguments))
            || !floorProbe.add(timed(floorProgram(), {shortClip})))
            return 1;
    }

    std::printf("%d clips of 4 s, two layers, one at a time, medians of %d alternating rounds\n", kClips,
                folderRounds);
    std::printf("  shell loop of ffmpeg: %8.2f s wall, %8.2f s CPU\n", folderLoop.wallMs() / 1e3,
                folderLoop.cpuMs() / 1e3);
    std::printf("  brindle-batch:        %8.2f s wall, %8.2f s CPU\n", folderBatch.wallMs() / 1e3,
                folderBatch.cpuMs() / 1e3);
    BenchTarget::atMost("brindle-batch / shell loop (wall)", ratio(folderBatch.wallMs(), folderLoop.wallMs()),
                        kFolderTarget);

    // A floor above its target puts the target out of reach of a runner that probes in its own process.
    const auto floorBeside = [](const char *what, double value, double target, const char *unit) {
        std::printf("  %-56s %9.3f%s  (target at most %.4g%s: %s)\n", what, value, unit, target, unit,
                    value >= 0 && value <= target ? "within reach" : "out of reach with an in-process probe");
    };
    std::printf("one 2 s clip, medians of %d alternating runs\n", clipRounds);
    std::printf("  ffmpeg with the same command: %7.1f ms wall, %7.1f ms CPU\n", clipLoop.wallMs(), clipLoop.cpuMs());
    std::printf("  brindle-batch:                %7.1f ms wall, %7.1f ms CPU\n", clipBatch.wallMs(), clipBatch.cpuMs());
    std::printf("  floor: probe, then the engine:%7.1f ms wall, %7.1f ms CPU\n", floorRun.wallMs(), floorRun.cpuMs());
    BenchTarget::atMost("brindle-batch / ffmpeg (CPU)", ratio(clipBatch.cpuMs(), clipLoop.cpuMs()), kOneClipTarget);
    floorBeside("floor / ffmpeg (CPU)", ratio(floorRun.cpuMs(), clipLoop.cpuMs()), kOneClipTarget, "x");
    BenchTarget::atMost("brindle-batch / ffmpeg (wall)", ratio(clipBatch.wallMs(), clipLoop.wallMs()),
                        kOneClipTarget);
    floorBeside("floor / ffmpeg (wall)", ratio(floorRun.wallMs(), clipLoop.wallMs()), kOneClipTarget, "x");
    std::printf("  dry run on the same file:     %7.1f ms wall\n", dryRun.wallMs());
    std::printf("  floor: probe alone:           %7.1f ms wall\n", floorProbe.wallMs());
    BenchTarget::atMost("dry run of the project on one file (CPU)", dryRun.cpuMs(), kDryRunTargetMs, " ms");
    floorBeside("floor: a core application that probes the file (CPU)", floorProbe.cpuMs(), kDryRunTargetMs, " ms");
    return 0;
}
