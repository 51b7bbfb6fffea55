#include "app/conversionrun.h"

#include "app/convertlist.h"
#include "app/core.h"
#include "common/folders.h"
#include "jobs/followupwork.h"
#include "jobs/jobsmanage.h"
#include "jobs/tesselenginejob.h"

#include <QDebug>

ConversionRun::ConversionRun(ConvertList *list, JobsManage *jobs, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_jobs(jobs)
{
    // The row's verdict waits until the job's follow-up step has added the work that comes after it.
    connect(m_jobs, &JobsManage::sigJobFinished, this, [this](AbstractJob *job, JobOutcome outcome) {
        const int row = job->row();
        const QString log = job->log();
        QMetaObject::invokeMethod(
            this, [this, row, outcome, log] { onJobFinished(row, outcome, log); }, Qt::QueuedConnection);
    });
}

int ConversionRun::start(const ConfigFormat &format, const RunSettings &settings)
{
    QSet<QString> outputNames;
    int queued = 0;
    for (int row = 0; row < m_list->count(); ++row) {
        const RowState state = m_list->state(row);
        if (state != RowState::Completed && state != RowState::Running)
            queued += queueRow(row, format, settings, outputNames);
    }
    if (queued > 0)
        m_jobs->startPendingJobs();
    return queued;
}

int ConversionRun::queueRow(int row, const ConfigFormat &format, const RunSettings &settings,
                            QSet<QString> &outputNames)
{
    ensureFolder(settings.outPath);
    QStringList leftOut;
    const QString filterText = core().buildFilterGraph(row, &leftOut);
    const ConversionPlan plan = ConversionPlanner::plan(core().tasks[row], format, settings, m_list->probe(row),
                                                        filterText, &outputNames);
    qDebug() << plan.durationText;
    int queued = plan.splitSource || plan.mergeSource ? workOnSource(row, plan) : 0;

    for (const PlannedJob &planned : plan.jobs) {
        auto *job = new TesselEngineJob(QString(), planned.arguments);
        job->setFrameRate(float(plan.frameRate));
        job->setDurationText(plan.durationText);
        job->setSizeItem(m_list->sizeItem(row));
        job->setStatusItem(m_list->statusItem(row));
        job->setRow(row);
        job->setKind(planned.kind);
        job->setOutputPath(planned.outputPath);
        for (const QString &line : qAsConst(leftOut))
            job->appendLog(line);
        if (planned.kind == JobKind::MergeAfter)
            job->setMergeFrameSize(plan.mergeFrameSize);
        m_jobs->addJob(job);
        ++queued;
    }
    if (queued > 0)
        m_list->setState(row, RowState::Running);
    return queued;
}

int ConversionRun::workOnSource(int row, const ConversionPlan &plan)
{
    FollowupWork *followup = FollowupWork::of(*m_jobs);
    if (!followup)
        return 0;
    const JobOrigin origin{row, core().tasks[row].sourcePath, plan.mergeFrameSize, m_list->statusItem(row),
                           m_list->sizeItem(row)};
    int queued = 0;
    if (plan.splitSource)
        queued += followup->addSourceSplit(origin);
    if (plan.mergeSource)
        queued += followup->addSourceMerge(origin);
    return queued;
}

bool ConversionRun::rowHasJobsLeft(int row) const
{
    const QList<AbstractJob *> jobs = m_jobs->jobs();
    return std::any_of(jobs.cbegin(), jobs.cend(), [row](const AbstractJob *job) {
        return job->row() == row && job->jobState() != JobState::Completed;
    });
}

void ConversionRun::onJobFinished(int row, JobOutcome outcome, const QString &log)
{
    if (row < 0 || row >= m_list->count())
        return;
    const bool converting = m_list->state(row) == RowState::Running;
    if (converting && outcome == JobOutcome::Failed)
        m_list->setFailure(row, RowState::Failed, log);
    else if (converting && outcome == JobOutcome::Stopped)
        m_list->setFailure(row, RowState::Stopped, log);
    else if (converting && !rowHasJobsLeft(row))
        m_list->setState(row, RowState::Completed);
    else
        m_list->setState(row, m_list->state(row)); // the queue wrote its own end text into the row
}

void ConversionRun::endConvertingRows(RowState state, const QString &log)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->state(row) == RowState::Running)
            m_list->setFailure(row, state, log);
    }
}

void ConversionRun::stop()
{
    m_jobs->stopAll();
    endConvertingRows(RowState::Stopped, tr("Stopped by user"));
}

void ConversionRun::finish()
{
    // After the verdicts of the last jobs, which are posted too.
    QMetaObject::invokeMethod(
        this,
        [this] { endConvertingRows(RowState::Failed, tr("The engine did not report how the conversion ended.")); },
        Qt::QueuedConnection);
}
