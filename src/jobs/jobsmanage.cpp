#include "jobs/jobsmanage.h"

#include "common/displaytext.h"

#include <QFileInfo>
#include <QTableWidgetItem>

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

void JobsManage::setFollowUp(JobKind kind, FollowUp step)
{
    m_followUps.insert(kind, std::move(step));
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

void JobsManage::stopAll()
{
    const auto running = std::find_if(m_jobs.cbegin(), m_jobs.cend(), [](const AbstractJob *job) {
        return job->QProcess::state() != QProcess::NotRunning;
    });
    if (running != m_jobs.cend())
        (*running)->stop();
    const QList<AbstractJob *> jobs = m_jobs;
    m_jobs.clear();
    m_running = 0;
    qDeleteAll(jobs);
}

qint64 JobsManage::timeLeft(const AbstractJob &job, int percent)
{
    const int done = percent - job.estimateBase();
    if (done <= 0)
        return 0;
    return job.estimateElapsedMs() / done * (100 - percent);
}

void JobsManage::onProgressUpdated(AbstractJob *job, int percent, quint64 nFileSize)
{
    if (!job)
        return;
    QTableWidgetItem *status = job->statusItem();
    QTableWidgetItem *size = job->sizeItem();
    const QString left = timeLeftText(*job, percent);
    if (status)
        status->setText(QStringLiteral("%1% (%2)").arg(percent).arg(left));
    if (percent >= 100) {
        if (size)
            size->setText(DisplayText::fileSize(QFileInfo(job->outputPath()).size()));
        if (status)
            status->setText(QStringLiteral("%1% (%2)").arg(100).arg(left));
    }
    if (nFileSize != 0 && size)
        size->setText(DisplayText::fileSize(qint64(nFileSize) * 1048576 / 100));
}

void JobsManage::onFinished(AbstractJob *job, bool, const QString &)
{
    // An end reported twice counts once.
    if (!job || job->jobState() == JobState::Completed || !m_jobs.contains(job))
        return;
    job->setJobState(JobState::Completed);
    if (job->statusItem())
        job->statusItem()->setText(outcomeText(job->outcome()));
    m_running = std::max(0, m_running - 1);
    emit sigJobFinished(job, job->outcome());

    // Work that consumes a job's output starts only when that output is good; after a
    // failure the inputs stay where they are.
    const auto followUp = m_followUps.constFind(job->kind());
    if (job->outcome() == JobOutcome::Succeeded && followUp != m_followUps.cend() && *followUp)
        (*followUp)(*job);

    const bool allCompleted = std::all_of(m_jobs.cbegin(), m_jobs.cend(), [](const AbstractJob *listed) {
        return listed->jobState() == JobState::Completed;
    });
    if (allCompleted)
        emit sigAllCompleted();
    else
        startPendingJobs();
}
