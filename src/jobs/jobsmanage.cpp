#include "jobs/jobsmanage.h"

#include "common/displaytext.h"
#include "jobs/unfinishedoutput.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString timeLeftText(const AbstractJob &job, int percent)
{
    if (percent <= 2)
        return QStringLiteral("--:--:--");
    // While work remains the estimate never reads as nothing left.
    const qint64 left = percent >= 100 ? 0 : std::max<qint64>(1, JobsManage::timeLeft(job, percent));
    return DisplayText::timeLeft(left);
}

}

JobsManage::JobsManage(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<JobOutcome>();
}

QString JobsManage::outcomeText(JobOutcome outcome)
{
    switch (outcome) {
    case JobOutcome::Failed:
        return tr("Failed");
    case JobOutcome::Stopped:
        return tr("Stopped");
    default:
        return tr("Completed");
    }
}

void JobsManage::setLimit(int limit)
{
    m_limit = std::max(1, limit);
}

void JobsManage::addJob(AbstractJob *job)
{
    job->setParent(this);
    connect(job, &AbstractJob::progressUpdated, this, &JobsManage::onProgressUpdated);
    connect(job, &AbstractJob::finished, this, &JobsManage::onFinished);
    m_jobs.append(job);
}

void JobsManage::startPendingJobs()
{
    if (m_paused || m_stopping)
        return;
    // Walks a copy: starting a job reports progress at once, and slots may add jobs.
    const QList<AbstractJob *> jobs = m_jobs;
    for (AbstractJob *job : jobs) {
        if (m_running >= m_limit)
            return;
        if (job->jobState() == JobState::NotStarted) {
            ++m_running;
            job->start();
        }
    }
}

void JobsManage::dropJob(AbstractJob *job)
{
    m_jobs.removeOne(job);
    job->deleteLater();
}

void JobsManage::stopAll()
{
    m_paused = false;
    bool anyRunning = false;
    const QList<AbstractJob *> jobs = m_jobs;
    for (AbstractJob *job : jobs) {
        if (job->jobState() == JobState::NotStarted) {
            dropJob(job);
        } else if (job->jobState() == JobState::Started) {
            anyRunning = true;
            job->stop(m_stopGraceMs);
            if (!job->isDetached())
                emit sigJobProgress(job, tr("Stopping…"), QString());
        }
    }
    m_stopping = anyRunning;
    if (!anyRunning)
        finishStopping();
}

void JobsManage::finishStopping()
{
    m_stopping = false;
    const QList<AbstractJob *> jobs = m_jobs;
    m_jobs.clear();
    m_running = 0;
    for (AbstractJob *job : jobs)
        job->deleteLater();
    emit sigAllCompleted();
}

void JobsManage::stopRow(quint64 rowId)
{
    bool dropped = false;
    const QList<AbstractJob *> jobs = m_jobs;
    for (AbstractJob *job : jobs) {
        if (job->rowId() != rowId || job->isDetached())
            continue;
        job->detach();
        if (job->jobState() == JobState::NotStarted) {
            dropJob(job);
            dropped = true;
        } else if (job->jobState() == JobState::Started) {
            job->stop(m_stopGraceMs);
        }
    }
    // The dropped jobs may have been all that was left to do.
    if (dropped && !isBusy())
        emit sigAllCompleted();
}

void JobsManage::pauseAll()
{
    if (m_paused || m_stopping)
        return;
    m_paused = true;
    for (AbstractJob *job : qAsConst(m_jobs)) {
        if (job->jobState() != JobState::Started)
            continue;
        job->pause();
        if (!job->isDetached())
            emit sigJobProgress(job, tr("Paused"), QString());
    }
}

void JobsManage::resumeAll()
{
    if (!m_paused)
        return;
    m_paused = false;
    for (AbstractJob *job : qAsConst(m_jobs)) {
        if (job->jobState() == JobState::Started)
            job->resume();
    }
    startPendingJobs();
}

bool JobsManage::hasLiveJobs(quint64 rowId) const
{
    return std::any_of(m_jobs.cbegin(), m_jobs.cend(), [rowId](const AbstractJob *job) {
        return job->rowId() == rowId && !job->isDetached() && job->jobState() != JobState::Completed;
    });
}

bool JobsManage::isInUse(const QString &path) const
{
    const bool readByAJob = std::any_of(m_jobs.cbegin(), m_jobs.cend(), [&path](const AbstractJob *job) {
        return job->engineArguments().contains(path);
    });
    return readByAJob || (m_inUse && m_inUse(path));
}

bool JobsManage::isBusy() const
{
    return std::any_of(m_jobs.cbegin(), m_jobs.cend(),
                       [](const AbstractJob *job) { return job->jobState() != JobState::Completed; });
}

qint64 JobsManage::timeLeft(const AbstractJob &job, int percent)
{
    const int done = percent - job.estimateBase();
    if (done <= 0)
        return 0;
    return job.estimateElapsedMs() / done * (100 - percent);
}

QString JobsManage::progressText(const AbstractJob &job, int percent)
{
    return QStringLiteral("%1% (%2)").arg(std::min(percent, 100)).arg(timeLeftText(job, percent));
}

void JobsManage::onProgressUpdated(AbstractJob *job, int percent, quint64 nFileSize)
{
    if (!job || job->isDetached() || job->isStopped())
        return;
    QString size;
    if (percent >= 100)
        size = DisplayText::fileSize(QFileInfo(job->outputPath()).size());
    if (nFileSize != 0)
        size = DisplayText::fileSize(qint64(nFileSize) * 1048576 / 100);
    emit sigJobProgress(job, progressText(*job, percent), size);
}

void JobsManage::onFinished(AbstractJob *job, bool, const QString &)
{
    // An end reported twice counts once.
    if (!job || job->jobState() == JobState::Completed || !m_jobs.contains(job))
        return;
    job->setJobState(JobState::Completed);
    m_running = std::max(0, m_running - 1);

    if (job->outcome() == JobOutcome::Stopped) {
        const QString kept
            = setAsideUnfinished(job->outputPath(), [this](const QString &path) { return isInUse(path); });
        if (!kept.isEmpty())
            job->appendLog(tr("The unfinished output was kept as %1").arg(QDir::toNativeSeparators(kept)));
        job->setOutputPath(kept);
    }
    if (!job->isDetached()) {
        // The size of what is really there, not the projection: no file, no size. The
        // row's state is its owner's to tell, once all of the row's work has ended.
        const QFileInfo output(job->outputPath());
        emit sigJobProgress(job, QString(), output.isFile() ? DisplayText::fileSize(output.size()) : QStringLiteral("-"));
    }
    emit sigJobFinished(job, job->outcome());

    // Work that consumes a job's output starts only when that output is good; after a
    // failure the inputs stay where they are.
    if (job->outcome() == JobOutcome::Succeeded && !job->isDetached() && !m_stopping && job->afterSuccess())
        job->afterSuccess()(*job);

    if (m_stopping) {
        if (m_running == 0)
            finishStopping();
        return;
    }
    if (!isBusy())
        emit sigAllCompleted();
    else
        startPendingJobs();
}
