#include "jobs/tesselenginejob.h"

#include "common/timeconv.h"

#include <QDebug>
#include <QRegularExpression>

#include <cmath>

namespace {

// Text between the end of start and the beginning of stop, searched from the start marker.
QString between(const QString &line, const QString &start, const QString &stop)
{
    const int from = line.indexOf(start);
    if (from < 0)
        return QString();
    const int begin = from + start.size();
    const int end = line.indexOf(stop, begin);
    return end < 0 ? QString() : line.mid(begin, end - begin).trimmed();
}

// The size written so far in kilobytes of 1024 bytes, as ffmpeg counts them in whatever unit it
// prints: "kB" up to FFmpeg 6.0, "KiB" from 6.1 on. 0 for "N/A" or no size.
qint64 writtenKilobytes(const QString &line)
{
    static const QRegularExpression size(QStringLiteral("size=\\s*(\\d+(?:\\.\\d+)?)\\s*([kKMGT]?i?B|bytes)?"));
    const QRegularExpressionMatch match = size.match(line);
    if (!match.hasMatch())
        return 0;
    const QString unit = match.captured(2).toLower();
    double factor = 1.0;
    if (unit == QLatin1String("b") || unit == QLatin1String("bytes"))
        factor = 1.0 / 1024.0;
    else if (unit.startsWith(QLatin1Char('m')))
        factor = 1024.0;
    else if (unit.startsWith(QLatin1Char('g')))
        factor = 1024.0 * 1024.0;
    else if (unit.startsWith(QLatin1Char('t')))
        factor = 1024.0 * 1024.0 * 1024.0;
    return std::llround(match.captured(1).toDouble() * factor);
}

// kB scaled up by the share still to come, in hundredths of a megabyte; 0 while no share is known.
quint64 projectedSize(qint64 kilobytes, double doneShare)
{
    const qint64 scaled = std::llround(doneShare * 1024.0);
    if (scaled <= 0 || kilobytes <= 0)
        return 0;
    return static_cast<quint64>(static_cast<double>(kilobytes) * 100.0 / static_cast<double>(scaled));
}

}

TesselEngineJob::TesselEngineJob(const QString &name, const QStringList &arguments, QObject *parent)
    : AbstractJob(name, QStringLiteral("TesselEngine"), arguments, parent)
{
}

void TesselEngineJob::setDurationText(const QString &text)
{
    m_durationText = text;
    m_duration = TimeConv::fromEngineText(text);
}

void TesselEngineJob::onOpenTriggered()
{
}

// Frames at the rate rounded to thousandths: whole frames for the hours and for the minutes
// each, the seconds' frames rounded to the nearest.
void TesselEngineJob::computeTotalFrames()
{
    constexpr qint64 usPerMinute = 60 * 1000000LL;
    const double fps = double(std::lround(m_frameRate * 1000.0)) / 1000.0;
    const qint64 hours = m_duration / (60 * usPerMinute);
    const qint64 minutes = m_duration / usPerMinute % 60;
    const double seconds = double(m_duration % usPerMinute) / 1e6;
    m_totalFrames = int(std::floor(fps * double(hours) * 3600)) + int(std::floor(fps * double(minutes) * 60))
                    + int(std::lrint(fps * seconds));
    m_totalFramesKnown = true;
}

void TesselEngineJob::parseLine(const QString &line)
{
    qDebug().noquote() << line;
    if (!m_totalFramesKnown) {
        computeTotalFrames();
        appendLog(line);
        return;
    }

    // Progress lines never go to the log, also when their share cannot be computed.
    if (line.startsWith(QLatin1String("frame="))) {
        if (m_totalFrames <= 0)
            return;
        const qint64 frame = between(line, QStringLiteral("frame="), QStringLiteral(" fps")).toLongLong();
        const qint64 kilobytes = writtenKilobytes(line);
        const double share = static_cast<double>(frame) / m_totalFrames;
        report(static_cast<int>(std::lround(share * 100.0)), projectedSize(kilobytes, share));
    } else if (line.startsWith(QLatin1String("size="))) {
        if (m_duration <= 0)
            return;
        const qint64 kilobytes = writtenKilobytes(line);
        const qint64 time
            = TimeConv::fromEngineText(between(line, QStringLiteral("time="), QStringLiteral(" bitrate")));
        const double share = static_cast<double>(time) / static_cast<double>(m_duration);
        report(static_cast<int>(std::lround(share * 100.0)), projectedSize(kilobytes, share));
    } else if (!line.trimmed().isEmpty()) {
        appendLog(line);
    }
}

void TesselEngineJob::report(int percent, quint64 nFileSize)
{
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    emit progressUpdated(this, percent, nFileSize);
}
