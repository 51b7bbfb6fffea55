#include "jobs/abstractjob.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace {
constexpr int kKillWaitMs = 2000;

QString runTimeText(qint64 milliseconds)
{
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(milliseconds % (24 * 3600 * 1000)))
        .toString(Qt::TextDate);
}
}

AbstractJob::AbstractJob(const QString &name, const QString &engineName, const QStringList &arguments,
                         QObject *parent)
    : QProcess(parent)
    , m_arguments(arguments)
    , m_enginePath(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(engineName))
{
    setObjectName(name);
    connect(this, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, &AbstractJob::onFinished);
    connect(this, &QProcess::readyRead, this, &AbstractJob::onReadyRead);
    connect(this, &QProcess::started, this, &AbstractJob::onStarted);
    connect(this, &QProcess::errorOccurred, this, &AbstractJob::onErrorOccurred);
    connect(this, &AbstractJob::progressUpdated, this, &AbstractJob::onProgressUpdated);
}

AbstractJob::~AbstractJob()
{
    // A job destroyed while its engine runs ends the engine, silently: the queue that owned it
    // is done with it, and no slot may run on a half-destroyed job.
    blockSignals(true);
    if (QProcess::state() != QProcess::NotRunning) {
        if (m_paused)
            signalGroup(SIGCONT);
        signalGroup(SIGKILL);
        waitForFinished(kKillWaitMs);
    }
}

void AbstractJob::start()
{
    setReadChannel(QProcess::StandardError);
    setStandardOutputFile(QProcess::nullDevice());
    qDebug().noquote() << m_enginePath << m_arguments.join(QLatin1Char(' '));
    QProcess::start(m_enginePath, m_arguments, QIODevice::ReadWrite);

    m_started = true;
    m_stopped = false;
    m_state = JobState::Started;
    m_estimateBase = 0;
    m_pausedSinceEstimateMs = 0;
    m_estimateClock.start();
    m_runClock.start();
    emit progressUpdated(this, 0, 0);
}

void AbstractJob::stop(int graceMs)
{
    m_stopped = true;
    if (QProcess::state() == QProcess::NotRunning)
        return;
    // A stopped process cannot act on the terminate request.
    resume();
    closeWriteChannel();
    terminate();
    QTimer::singleShot(graceMs, this, [this] {
        if (QProcess::state() != QProcess::NotRunning)
            signalGroup(SIGKILL);
    });
}

void AbstractJob::pause()
{
    if (m_paused || QProcess::state() != QProcess::Running)
        return;
    signalGroup(SIGSTOP);
    m_paused = true;
    m_pauseClock.start();
}

void AbstractJob::resume()
{
    if (!m_paused)
        return;
    signalGroup(SIGCONT);
    m_paused = false;
    m_pausedSinceEstimateMs += m_pauseClock.elapsed();
}

void AbstractJob::signalGroup(int signal)
{
    const auto launcher = static_cast<pid_t>(processId());
    if (launcher <= 0)
        return;
    // The launcher leads the group its engine runs in; right after the start it may not
    // have made the group yet.
    if (::kill(-launcher, signal) != 0)
        ::kill(launcher, signal);
}

qint64 AbstractJob::estimateElapsedMs() const
{
    if (!m_estimateClock.isValid())
        return 0;
    const qint64 paused = m_pausedSinceEstimateMs + (m_paused ? m_pauseClock.elapsed() : 0);
    return std::max<qint64>(0, m_estimateClock.elapsed() - paused);
}

void AbstractJob::onStarted()
{
    // The launcher leads a process group that its engine joins: lowering the launcher before it
    // starts the engine, or the group after, reaches the engine either way.
    const auto launcher = static_cast<id_t>(processId());
    setpriority(PRIO_PROCESS, launcher, 10);
    setpriority(PRIO_PGRP, launcher, 10);
}

void AbstractJob::onErrorOccurred(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    // Reported later, so that whoever started the job has finished counting it as running.
    const QString reason = errorString();
    QMetaObject::invokeMethod(
        this,
        [this, reason] {
            qDebug().noquote() << "job could not start" << m_enginePath << reason;
            end(JobOutcome::Failed, tr("Failed to start %1: %2\n").arg(m_enginePath, reason));
        },
        Qt::QueuedConnection);
}

void AbstractJob::onReadyRead()
{
    readWholeLines();
}

void AbstractJob::readWholeLines()
{
    // A line that has only partly arrived stays buffered until its end comes.
    while (canReadLine()) {
        QString line = QString::fromUtf8(readLine());
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        parseLine(line);
    }
}

void AbstractJob::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    readWholeLines();
    appendLog(QString::fromUtf8(readAll()));
    const QString runTime = runTimeText(m_runClock.isValid() ? m_runClock.elapsed() : 0);

    if (m_stopped) {
        qDebug() << "job stopped";
        end(JobOutcome::Stopped, tr("Stopped by user at %1\n").arg(runTime));
    } else if (exitStatus == QProcess::NormalExit && exitCode == 0) {
        qDebug() << "job succeeded";
        emit progressUpdated(this, 100, 0);
        end(JobOutcome::Succeeded, tr("Completed successfully in %1\n").arg(runTime));
    } else {
        qDebug() << "job failed with" << exitCode;
        end(JobOutcome::Failed, tr("Failed with exit code %1\n").arg(exitCode), failureTime(exitCode, exitStatus));
    }
}

QString AbstractJob::failureTime(int, QProcess::ExitStatus) const
{
    return QString();
}

void AbstractJob::end(JobOutcome outcome, const QString &closingLine, const QString &failureTime)
{
    if (m_outcome != JobOutcome::Pending)
        return;
    m_outcome = outcome;
    appendLog(closingLine);
    emit finished(this, outcome == JobOutcome::Succeeded, failureTime);
}

void AbstractJob::onProgressUpdated(AbstractJob *, int percent, quint64)
{
    if (percent == 1) {
        m_estimateClock.restart();
        m_pausedSinceEstimateMs = 0;
        m_estimateBase = 1;
    }
}

void AbstractJob::addWarning(const QString &text)
{
    if (text.isEmpty())
        return;
    m_warnings << text;
    appendLog(text);
}

void AbstractJob::appendLog(const QString &text)
{
    if (text.isEmpty())
        return;
    m_log += text;
    if (!text.endsWith(QLatin1Char('\n')))
        m_log += QLatin1Char('\n');
}
