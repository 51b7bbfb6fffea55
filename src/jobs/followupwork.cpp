#include "jobs/followupwork.h"

#include "jobs/jobsmanage.h"
#include "jobs/meltenginejob.h"
#include "jobs/mergecommand.h"
#include "jobs/soundtrackcommand.h"
#include "jobs/splitcommand.h"
#include "jobs/tesselenginejob.h"
#include "settings/configformat.h"

#include <cmath>

namespace {

AbstractJob *engineJob(const FollowupJob &planned)
{
    if (planned.engine == FollowupJob::Engine::Melt) {
        auto *melt = new MeltEngineJob(QString(), planned.arguments);
        melt->setProfileFrameRate(int(std::lround(planned.frameRate * 1000)), 1000);
        return melt;
    }
    auto *tessel = new TesselEngineJob(QString(), planned.arguments);
    tessel->setFrameRate(float(planned.frameRate));
    tessel->setDurationText(planned.durationText);
    return tessel;
}

}

FollowupWork::FollowupWork(TaskLookup tasks, QObject *parent)
    : QObject(parent)
    , m_tasks(std::move(tasks))
{
}

void FollowupWork::beginRun(const RunSnapshot &snapshot)
{
    m_snapshot = snapshot;
}

const ConfigFormat &FollowupWork::format()
{
    // Work planned outside a run reads the store once.
    if (!m_snapshot.format)
        m_snapshot.format = RunSnapshot::storedFormat();
    return *m_snapshot.format;
}

void FollowupWork::install(JobsManage &queue)
{
    setParent(&queue);
    m_queue = &queue;
}

void FollowupWork::attach(AbstractJob &job, FollowUpPtr followUp)
{
    if (!followUp) {
        job.setAfterSuccess({});
        return;
    }
    job.setAfterSuccess([this, followUp](AbstractJob &ended) { addJobs(followUp->after(ended, *this), ended.rowId()); });
}

FollowupWork *FollowupWork::of(const JobsManage &queue)
{
    return queue.findChild<FollowupWork *>(QString(), Qt::FindDirectChildrenOnly);
}

int FollowupWork::addSourceMerge(const JobOrigin &origin)
{
    return addJobs(mergeSource(origin.rowId, origin.input, origin.mergeFrameSize), origin.rowId);
}

int FollowupWork::addSourceSplit(const JobOrigin &origin)
{
    return addJobs(splitSource(origin.rowId, origin.input), origin.rowId);
}

int FollowupWork::addJobs(const QList<FollowupJob> &jobs, quint64 rowId)
{
    if (!m_queue)
        return 0;
    for (const FollowupJob &planned : jobs) {
        AbstractJob *job = engineJob(planned);
        job->setRowId(rowId);
        job->setOutputPath(planned.outputPath);
        attach(*job, planned.afterwards);
        m_queue->addJob(job);
    }
    return jobs.size();
}

QList<FollowupJob> FollowupWork::mergeSource(quint64 rowId, const QString &source, const QString &mergeFrameSize)
{
    const std::optional<ConvertTask> task = m_tasks(rowId);
    if (!task)
        return {};
    return planMerge(*task, source, false, mergeFrameSize, format(), m_snapshot.settings);
}

QList<FollowupJob> FollowupWork::splitSource(quint64 rowId, const QString &source)
{
    const std::optional<ConvertTask> task = m_tasks(rowId);
    if (!task)
        return {};
    return planSplit(*task, source, format(), m_snapshot.settings);
}
