#include "app/conversionrun.h"

#include "app/convertlist.h"
#include "app/core.h"
#include "common/folders.h"
#include "jobs/jobsmanage.h"
#include "jobs/tesselenginejob.h"

#include <QDebug>

ConversionRun::ConversionRun(ConvertList *list, JobsManage *jobs, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_jobs(jobs)
{
}

int ConversionRun::start(const FormatSnapshot &format, const SystemSnapshot &system)
{
    QSet<QString> reserved;
    int queued = 0;
    for (int row = 0; row < m_list->count(); ++row) {
        const RowState state = m_list->state(row);
        if (state != RowState::Completed && state != RowState::Running)
            queued += queueRow(row, format, system, reserved);
    }
    if (queued > 0)
        m_jobs->startPendingJobs();
    return queued;
}

int ConversionRun::queueRow(int row, const FormatSnapshot &format, const SystemSnapshot &system,
                            QSet<QString> &reserved)
{
    ensureFolder(system.outPath);
    const ConversionPlan plan = ConversionPlanner::plan(core().tasks[row], format, system, m_list->probe(row),
                                                        core().buildFilterGraph(row), reserved);
    qDebug() << plan.durationText;
    if (plan.splitSource || plan.mergeSource)
        workOnSource(row, plan);

    for (const PlannedJob &planned : plan.jobs) {
        reserved.insert(planned.outputPath);
        auto *job = new TesselEngineJob(QString(), planned.arguments);
        job->setFrameRate(float(plan.frameRate));
        job->setDurationText(plan.durationText);
        job->setSizeItem(m_list->sizeItem(row));
        job->setStatusItem(m_list->statusItem(row));
        job->setRow(row);
        job->setKind(int(planned.kind));
        job->setOutputPath(planned.outputPath);
        if (planned.kind == JobKind::ThenMerge)
            job->setMergeFrameSize(plan.mergeFrameSize);
        m_jobs->addJob(job);
        // Connected after the queue, so this sees the row after the queue has written into it.
        connect(job, &AbstractJob::finished, this,
                [this](AbstractJob *finished, bool isSuccess) { onJobFinished(finished, isSuccess); });
        m_started.append(job);
    }
    if (!plan.jobs.isEmpty()) {
        m_jobsLeft[row] += plan.jobs.size();
        m_list->setState(row, RowState::Running);
    }
    return plan.jobs.size();
}

void ConversionRun::workOnSource(int row, const ConversionPlan &plan)
{
    Q_UNUSED(row)
    Q_UNUSED(plan)
}

void ConversionRun::onJobFinished(AbstractJob *job, bool isSuccess)
{
    const int row = job->row();
    if (!m_jobsLeft.contains(row) || row >= m_list->count())
        return;
    const int left = --m_jobsLeft[row];
    if (!isSuccess && m_list->state(row) == RowState::Running) {
        m_list->setFailure(row, job->isStopped() ? RowState::Stopped : RowState::Failed, job->log());
    } else if (left == 0 && m_list->state(row) == RowState::Running) {
        m_list->setState(row, RowState::Completed);
    } else {
        // The queue marks every ending job's row; the row's own state still stands.
        m_list->setState(row, m_list->state(row));
    }
    if (left <= 0)
        m_jobsLeft.remove(row);
}

void ConversionRun::stop()
{
    for (const QPointer<AbstractJob> &job : qAsConst(m_started)) {
        if (job)
            job->disconnect(this);
    }
    m_started.clear();
    m_jobs->stopAll();
    for (auto it = m_jobsLeft.cbegin(); it != m_jobsLeft.cend(); ++it) {
        if (it.key() < m_list->count() && m_list->state(it.key()) == RowState::Running)
            m_list->setFailure(it.key(), RowState::Stopped, tr("Stopped by user"));
    }
    m_jobsLeft.clear();
}

void ConversionRun::finish()
{
    for (auto it = m_jobsLeft.cbegin(); it != m_jobsLeft.cend(); ++it) {
        if (it.key() < m_list->count() && m_list->state(it.key()) == RowState::Running)
            m_list->setFailure(it.key(), RowState::Failed, tr("The engine did not report how the conversion ended."));
    }
    m_jobsLeft.clear();
    m_started.clear();
}
