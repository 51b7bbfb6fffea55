// SRT files of growing size through Brindle's burn-in conversion (SRT to ASS)
// and into the editor's document, beside ffmpeg converting and burning the same
// files. Every run is a process of its own, started through bench_measure, so
// that both sides are measured alike; the runs alternate, medians are printed,
// each beside its target.
//
// What a run costs beyond the program's own start-up and libraries is its
// figure minus that of the same run on a file of one cue.
//
// bench_subtitles [cues...]   (default 1000 10000 100000 1000000)
#include "subtitles/subtitleparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <vector>

extern char **environ;

namespace {

QString srtTime(qint64 ms)
{
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
}

bool writeSrt(const QString &path, int cues)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    for (int i = 0; i < cues; ++i) {
        const qint64 start = qint64(i) * 2000;
        out << i + 1 << '\n'
            << srtTime(start) << " --> " << srtTime(start + 1800) << '\n'
            << "Line " << i + 1 << ": the quick brown fox jumps over the lazy dog\n";
        if (i % 3 == 0)
            out << "and a second line, with <i>some</i> café letters\n";
        out << '\n';
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

// The child's side: one conversion or one load, timed from inside.
int workInProcess(const QString &mode, const QString &srt, const QString &ass, const QString &report)
{
    QElapsedTimer timer;
    timer.start();
    bool ok = false;
    if (mode == QLatin1String("--convert")) {
        ok = SubtitleParser().writeAssFromSrt(srt, ass);
    } else {
        SubtitleParser document;
        ok = document.read(srt) && !document.events.isEmpty();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    QFile out(report);
    if (!ok || !out.open(QIODevice::WriteOnly))
        return 1;
    out.write(QByteArray::number(ms));
    return 0;
}

struct Run {
    double wallMs = 0;  // the whole process
    double peakMib = 0; // the whole process
    double workMs = 0;  // Brindle: the work alone, timed inside
};

class Runner
{
public:
    explicit Runner(const QTemporaryDir &dir)
        : m_measure(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("bench_measure")))
        , m_report(dir.filePath(QStringLiteral("measure.txt")))
        , m_work(dir.filePath(QStringLiteral("work.txt")))
    {
    }

    bool brindle(const QString &mode, const QString &srt, const QString &ass, Run *run)
    {
        if (!measure({QCoreApplication::applicationFilePath(), mode, srt, ass, m_work}, run))
            return false;
        QFile work(m_work);
        if (!work.open(QIODevice::ReadOnly))
            return false;
        run->workMs = work.readAll().toDouble();
        return true;
    }

    bool measure(const QStringList &command, Run *run)
    {
        std::vector<QByteArray> bytes{m_measure.toLocal8Bit(), m_report.toLocal8Bit()};
        for (const QString &argument : command)
            bytes.push_back(argument.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0
            || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "failed: %s\n", qPrintable(command.join(QLatin1Char(' '))));
            return false;
        }
        QFile report(m_report);
        if (!report.open(QIODevice::ReadOnly))
            return false;
        const QList<QByteArray> figures = report.readAll().trimmed().split(' ');
        run->wallMs = figures.value(0).toDouble();
        run->peakMib = figures.value(1).toDouble() / 1024.0;
        run->workMs = run->wallMs;
        return true;
    }

private:
    QString m_measure;
    QString m_report;
    QString m_work;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> wall, peak, work;
    void add(const Run &run)
    {
        wall.push_back(run.wallMs);
        peak.push_back(run.peakMib);
        work.push_back(run.workMs);
    }
    double wallMs() const { return median(wall); }
    double peakMib() const { return median(peak); }
    double workMs() const { return median(work); }
};

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

bool benchSize(int cues, const QTemporaryDir &dir, Runner &runner)
{
    const QString srt = dir.filePath(QStringLiteral("big.srt"));
    const QString oneCue = dir.filePath(QStringLiteral("one.srt"));
    const QString ass = dir.filePath(QStringLiteral("brindle.ass"));
    const QString ffmpegAss = dir.filePath(QStringLiteral("ffmpeg.ass"));
    if (!writeSrt(srt, cues) || !writeSrt(oneCue, 1))
        return false;
    const double fileMib = double(QFileInfo(srt).size()) / (1024.0 * 1024.0);
    const int rounds = cues >= 1000000 ? 3 : 5;
    std::printf("\n%d cues, %.2f MiB, medians of %d alternating runs\n", cues, fileMib, rounds);
    std::fflush(stdout);

    const QStringList ffmpeg{QStringLiteral("ffmpeg"), QStringLiteral("-nostdin"), QStringLiteral("-y"),
                             QStringLiteral("-v"), QStringLiteral("error")};
    const QStringList burn = ffmpeg + QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                                  QStringLiteral("color=c=black:size=640x360:duration=1"),
                                                  QStringLiteral("-vf")};
    const QStringList toNull{QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};

    Series convert, convertOne, ffmpegConvert, ffmpegConvertOne, load, loadOne, assBurn, ffmpegBurn;
    const QString oneAss = dir.filePath(QStringLiteral("one.ass"));
    const auto brindle = [&runner](const QString &mode, const QString &in, const QString &out, Series &series) {
        Run run;
        return runner.brindle(mode, in, out, &run) && (series.add(run), true);
    };
    const auto other = [&runner](const QStringList &command, Series &series) {
        Run run;
        return runner.measure(command, &run) && (series.add(run), true);
    };
    const QString toAss = QStringLiteral("--convert"), toDocument = QStringLiteral("--load");
    for (int round = 0; round < rounds; ++round) {
        if (!(brindle(toAss, srt, ass, convert) && other(ffmpeg + QStringList{"-i", srt, ffmpegAss}, ffmpegConvert)
              && brindle(toAss, oneCue, oneAss, convertOne)
              && other(ffmpeg + QStringList{"-i", oneCue, ffmpegAss}, ffmpegConvertOne)
              && brindle(toDocument, srt, ass, load) && brindle(toDocument, oneCue, oneAss, loadOne)
              && other(burn + QStringList{QStringLiteral("ass=") + ass} + toNull, assBurn)
              && other(burn + QStringList{QStringLiteral("subtitles=") + srt} + toNull, ffmpegBurn)))
            return false;
    }

    const double ffmpegWork = ffmpegConvert.wallMs() - ffmpegConvertOne.wallMs();
    const double timeRatio = convert.workMs() / ffmpegWork;
    std::printf("  SRT to ASS for burning: Brindle %.0f ms of work (%.0f ms whole process, %.0f ms with one cue); "
                "ffmpeg -i big.srt out.ass %.0f ms whole process, %.0f ms with one cue = %.0f ms of work\n"
                "    time %.3fx ffmpeg's (target <= 0.5x from 100000 cues on: %s)\n",
                convert.workMs(), convert.wallMs(), convertOne.wallMs(), ffmpegConvert.wallMs(),
                ffmpegConvertOne.wallMs(), ffmpegWork, timeRatio,
                cues < 100000 ? "none at this size" : verdict(ffmpegWork > 0 && timeRatio <= 0.5));

    // Below a few hundred KiB the difference is the noise of library pages touched or not.
    const double above = qMax(0.0, convert.peakMib() - convertOne.peakMib());
    const double ffmpegAbove = qMax(0.0, ffmpegConvert.peakMib() - ffmpegConvertOne.peakMib());
    std::printf("    peak: Brindle %.1f MiB whole process, %.1f MiB above its libraries = %.2fx file "
                "(target <= 3x: %s); ffmpeg %.1f MiB whole process, %.1f MiB above its libraries "
                "(target below ffmpeg's: %s)\n",
                convert.peakMib(), above, above / fileMib, verdict(above <= 3 * fileMib), ffmpegConvert.peakMib(),
                ffmpegAbove, verdict(above < ffmpegAbove));

    // The editor keeps every cue, as a film's subtitles must be when they are edited.
    const double loadAbove = qMax(0.0, load.peakMib() - loadOne.peakMib());
    std::printf("  into the editor's document (no target): %.0f ms of work, peak %.1f MiB whole process, %.1f MiB "
                "above its libraries = %.2fx file\n",
                load.workMs(), load.peakMib(), loadAbove, loadAbove / fileMib);

    const double burnMs = convert.workMs() + assBurn.wallMs();
    const double burnPeak = qMax(convert.peakMib(), assBurn.peakMib());
    std::printf("  burning into 1 s of 640x360: Brindle's conversion + ffmpeg's ass filter %.0f ms, peak %.1f MiB; "
                "ffmpeg's subtitles filter on the SRT %.0f ms, peak %.1f MiB = %.2fx time, %.2fx memory\n",
                burnMs, burnPeak, ffmpegBurn.wallMs(), ffmpegBurn.peakMib(), burnMs / ffmpegBurn.wallMs(),
                burnPeak / ffmpegBurn.peakMib());
    std::fflush(stdout);
    return true;
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments[1].startsWith(QLatin1String("--")))
        return workInProcess(arguments[1], arguments[2], arguments[3], arguments[4]);

    QList<int> sizes;
    for (int i = 1; i < arguments.size(); ++i)
        sizes << arguments[i].toInt();
    if (sizes.isEmpty())
        sizes = {1000, 10000, 100000, 1000000};
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    Runner runner(dir);
    for (int cues : sizes) {
        if (cues <= 0 || !benchSize(cues, dir, runner)) {
            std::fprintf(stderr, "run failed at %d cues\n", cues);
            return 1;
        }
    }
    return 0;
}
