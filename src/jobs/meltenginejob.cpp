#include "jobs/meltenginejob.h"

#include "jobs/melttimecode.h"

MeltEngineJob::MeltEngineJob(const QString &name, const QStringList &arguments, QObject *parent)
    : AbstractJob(name, QStringLiteral("melt"), arguments, parent)
{
}

void MeltEngineJob::setProfileFrameRate(int numerator, int denominator)
{
    if (numerator >= 1 && denominator >= 1) {
        m_rateNumerator = numerator;
        m_rateDenominator = denominator;
    }
}

void MeltEngineJob::parseLine(const QString &line)
{
    const QLatin1String frameMark("Frame:");
    const int frameAt = line.indexOf(frameMark);
    if (frameAt >= 0) {
        const int begin = frameAt + frameMark.size();
        const int comma = line.indexOf(QLatin1Char(','), begin);
        m_currentFrame = line.mid(begin, comma < 0 ? -1 : comma - begin).trimmed().toInt();
    }

    const QLatin1String percentMark("percentage:");
    const int percentAt = line.indexOf(percentMark);
    if (percentAt < 0) {
        appendLog(line);
        return;
    }
    const int percent = line.mid(percentAt + percentMark.size()).trimmed().toInt();
    if (percent != m_lastPercent) {
        // The reported percentage never goes down.
        m_lastPercent = qMax(percent, m_lastPercent);
        emit progressUpdated(this, m_lastPercent, 0);
    }
}

QString MeltEngineJob::failureTime(int exitCode, QProcess::ExitStatus exitStatus) const
{
    if (exitStatus != QProcess::CrashExit || exitCode == 0 || isStopped())
        return QString();
    return meltTimecode(m_currentFrame, m_rateNumerator, m_rateDenominator);
}
