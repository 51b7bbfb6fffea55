// Watermarks 20 short clips with a two-layer project, with brindle-batch and with a
// shell loop that runs ffmpeg on each file with the very same command line, and prints both
// times and the runner's overhead.
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

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kClips = 20;
constexpr int kRounds = 2;

QString shellQuoted(const QString &argument)
{
    return QLatin1Char('\'') + QString(argument).replace(QLatin1Char('\''), QStringLiteral("'\\''"))
           + QLatin1Char('\'');
}

QString batchProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/brindle-batch");
}

CLayerInfo pictureLayer(const QString &file, int x, int y, int w, int h)
{
    CLayerInfo layer;
    layer.FileName = file;
    layer.x = x;
    layer.y = y;
    layer.Width = w;
    layer.Height = h;
    return layer;
}

// The engine command lines the runner plans, turned into ffmpeg's as the engine turns them.
QStringList loopScript(const QStringList &batchArguments, const QString &loopOutput)
{
    QProcess plan;
    plan.start(batchProgram(), QStringList{QStringLiteral("--dry-run"), QStringLiteral("--json")} + batchArguments);
    plan.waitForFinished(-1);
    QStringList lines;
    for (const QByteArray &line : plan.readAllStandardOutput().split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.value(QStringLiteral("event")).toString() != QLatin1String("plan"))
            continue;
        QStringList command = event.value(QStringLiteral("command")).toVariant().toStringList().mid(1);
        command.last() = loopOutput + QLatin1Char('/') + QFileInfo(command.last()).fileName();
        std::vector<std::string> engineArguments;
        for (const QString &argument : command)
            engineArguments.push_back(argument.toStdString());
        // Engines run at nice 10; so does the loop.
        QString shellLine = QStringLiteral("nice -n 10 ffmpeg -nostdin -v error");
        for (const std::string &argument : TesselArguments::translate(engineArguments))
            shellLine += QLatin1Char(' ') + shellQuoted(QString::fromStdString(argument));
        lines << shellLine;
    }
    return lines;
}

qint64 timed(const QString &program, const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        return -1;
    }
    return clock.elapsed();
}

}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    QDir().mkpath(in);
    const QString clip = TestMedia::clip(4.0);
    for (int i = 0; i < kClips; ++i)
        QFile::copy(clip, in + QStringLiteral("/clip%1.mp4").arg(i, 2, 10, QLatin1Char('0')));

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

    const QStringList batchArguments{QStringLiteral("--project"), dir.filePath(QStringLiteral("bench.qpj")),
                                     QStringLiteral("--format"), QStringLiteral("mp4"), QStringLiteral("--jobs"),
                                     QStringLiteral("1"), QStringLiteral("--output"),
                                     dir.filePath(QStringLiteral("batch-out")), in};
    const QString loopOutput = dir.filePath(QStringLiteral("loop-out"));
    QDir().mkpath(loopOutput);
    const QStringList script = loopScript(batchArguments, loopOutput);
    QFile scriptFile(dir.filePath(QStringLiteral("loop.sh")));
    scriptFile.open(QIODevice::WriteOnly);
    scriptFile.write(("set -e\n" + script.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    scriptFile.close();

    // Alternating rounds, the best of each side: a shared machine's load moves under a single run.
    qint64 loopMs = -1;
    qint64 batchMs = -1;
    for (int round = 0; round < kRounds; ++round) {
        const qint64 loop = timed(QStringLiteral("sh"), {scriptFile.fileName()});
        // The runner skips what it has made; each round starts from an empty output folder.
        QDir(dir.filePath(QStringLiteral("batch-out"))).removeRecursively();
        const qint64 batch = timed(batchProgram(), batchArguments);
        if (loop <= 0 || batch <= 0 || script.size() != kClips)
            return 1;
        loopMs = loopMs < 0 ? loop : std::min(loopMs, loop);
        batchMs = batchMs < 0 ? batch : std::min(batchMs, batch);
    }
    std::printf("%d clips, two layers, one at a time, best of %d rounds\n", kClips, kRounds);
    std::printf("shell loop of ffmpeg: %8.2f s\n", loopMs / 1000.0);
    std::printf("brindle-batch:        %8.2f s\n", batchMs / 1000.0);
    std::printf("ratio: %.3f (overhead %+.1f %%)\n", double(batchMs) / double(loopMs),
                (double(batchMs) / double(loopMs) - 1.0) * 100.0);
    return 0;
}
