// Reads a generated SRT of 100,000 cues and writes it as ASS, and prints the
// time and peak memory beside ffmpeg's own conversion of the same file.
#include "subtitles/subtitleparser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int kCues = 100000;
constexpr int kRounds = 3;

bool writeBigSrt(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    for (int i = 0; i < kCues; ++i) {
        const qint64 start = qint64(i) * 2000;
        out << i + 1 << '\n'
            << SubtitleParser::formatSrtTime(start * 1000) << " --> "
            << SubtitleParser::formatSrtTime((start + 1800) * 1000) << '\n'
            << "Line " << i + 1 << ": the quick brown fox jumps over the lazy dog\n";
        if (i % 3 == 0)
            out << "and a second line, with <i>some</i> café letters\n";
        out << '\n';
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

// Status-file value in kB ("VmRSS", "VmHWM").
qint64 statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Makes VmHWM start again from the present resident size.
void resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

double mib(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString srt = dir.filePath(QStringLiteral("big.srt"));
    if (!dir.isValid() || !writeBigSrt(srt)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(srt));
        return 1;
    }
    const qint64 fileBytes = QFileInfo(srt).size();
    std::printf("big.srt: %d cues, %.2f MiB\n", kCues, mib(fileBytes));

    qint64 bestMs = -1;
    qint64 peakBytes = 0;
    for (int round = 0; round < kRounds; ++round) {
        const qint64 baselineKb = statusKb("VmRSS");
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        {
            SubtitleParser document;
            if (!document.read(srt) || document.events.size() != kCues
                || !document.writeAss(dir.filePath(QStringLiteral("brindle.ass")))) {
                std::fprintf(stderr, "Brindle read or write failed\n");
                return 1;
            }
        }
        const qint64 ms = timer.elapsed();
        bestMs = bestMs < 0 ? ms : qMin(bestMs, ms);
        peakBytes = qMax(peakBytes, (statusKb("VmHWM") - baselineKb) * 1024);
    }
    std::printf("Brindle read + ASS write: %lld ms (best of %d), peak memory %.2f MiB = %.2f x file size\n",
                static_cast<long long>(bestMs), kRounds, mib(peakBytes), double(peakBytes) / double(fileBytes));

    qint64 ffmpegBestMs = -1;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const int exitCode = QProcess::execute(
            QStringLiteral("ffmpeg"), {QStringLiteral("-y"), QStringLiteral("-v"), QStringLiteral("error"),
                                       QStringLiteral("-i"), srt, dir.filePath(QStringLiteral("ffmpeg.ass"))});
        const qint64 ms = timer.elapsed();
        if (exitCode != 0) {
            std::fprintf(stderr, "ffmpeg failed (exit %d)\n", exitCode);
            return 1;
        }
        ffmpegBestMs = ffmpegBestMs < 0 ? ms : qMin(ffmpegBestMs, ms);
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    std::printf("ffmpeg -i big.srt big.ass: %lld ms (best of %d), peak memory %.2f MiB (whole process)\n",
                static_cast<long long>(ffmpegBestMs), kRounds, mib(qint64(children.ru_maxrss) * 1024));
    std::printf("targets: time <= ffmpeg's: %s; peak < 4 x file size: %s\n", bestMs <= ffmpegBestMs ? "met" : "missed",
                peakBytes < 4 * fileBytes ? "met" : "missed");
    return 0;
}
