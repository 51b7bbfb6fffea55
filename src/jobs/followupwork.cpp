#include "jobs/followupwork.h"

#include "jobs/jobsmanage.h"
#include "jobs/meltenginejob.h"
#include "jobs/mergecommand.h"
#include "jobs/soundtrackcommand.h"
#include "jobs/splitcommand.h"
#include "jobs/tesselenginejob.h"
#include "settings/configformat.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

const JobKind kAllKinds[] = {JobKind::None,           JobKind::SplitAfter, JobKind::MergeAfter,
                             JobKind::MergeOfConverted, JobKind::SoundtrackAfter, JobKind::MusicJoin,
                             JobKind::MixAfterJoin};

void removeIntermediate(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !(info.isFile() || info.isSymLink()))
        return;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteUser);
    if (!QFile::remove(path))
        qWarning().noquote() << "cannot remove the intermediate file" << path;
}

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
    for (JobKind kind : kAllKinds)
        queue.setFollowUp(kind, [this](AbstractJob &job) { onJobEnded(job); });
}

FollowupWork *FollowupWork::of(const JobsManage &queue)
{
    return queue.findChild<FollowupWork *>(QString(), Qt::FindDirectChildrenOnly);
}

int FollowupWork::addSourceMerge(const JobOrigin &origin)
{
    return addJobs(mergeSource(origin.rowId, origin.input, origin.mergeFrameSize), origin);
}

int FollowupWork::addSourceSplit(const JobOrigin &origin)
{
    return addJobs(splitSource(origin.rowId, origin.input), origin);
}

void FollowupWork::onJobEnded(AbstractJob &job)
{
    const EndedJob ended{job.kind(),       job.rowId(),      job.outputPath(),
                         job.extraPath1(), job.extraPath2(), job.mergeFrameSize()};
    const QList<FollowupJob> next = jobEnded(ended);
    addJobs(next, {job.rowId(), job.outputPath(), job.mergeFrameSize()});
}

int FollowupWork::addJobs(const QList<FollowupJob> &jobs, const JobOrigin &origin)
{
    if (!m_queue)
        return 0;
    for (const FollowupJob &planned : jobs) {
        AbstractJob *job = engineJob(planned);
        job->setRowId(origin.rowId);
        job->setKind(planned.kind);
        job->setOutputPath(planned.outputPath);
        job->setExtraPath1(planned.extraPath1);
        job->setExtraPath2(planned.extraPath2);
        m_queue->addJob(job);
    }
    return jobs.size();
}

QList<FollowupJob> FollowupWork::jobEnded(const EndedJob &job)
{
    switch (job.kind) {
    case JobKind::MergeOfConverted:
        removeIntermediate(job.extraPath1);
        removeIntermediate(job.extraPath2);
        return {};
    case JobKind::MixAfterJoin:
        // Both inputs were made for this mix: the joined music and the converted video.
        removeIntermediate(job.extraPath1);
        removeIntermediate(job.extraPath2);
        return {};
    case JobKind::None:
        return {};
    case JobKind::SplitAfter:
    case JobKind::MergeAfter:
    case JobKind::SoundtrackAfter:
    case JobKind::MusicJoin:
        return followUp(job);
    }
    return {};
}

QList<FollowupJob> FollowupWork::followUp(const EndedJob &job)
{
    const FollowupSettings &settings = m_snapshot.settings;
    if (job.kind == JobKind::MusicJoin)
        return planMix(job.extraPath2, job.outputPath, true, format(), settings);

    const std::optional<ConvertTask> task = m_tasks(job.rowId);
    if (!task) {
        qWarning() << "no task for row" << job.rowId << "to follow up";
        return {};
    }
    QList<FollowupJob> next;
    switch (job.kind) {
    case JobKind::SplitAfter:
        next = planSplit(*task, job.outputPath, format(), settings);
        if (next.isEmpty())
            emit sigNothingFollowed(job.rowId, tr("No part to cut could be worked out for %1.").arg(job.outputPath));
        break;
    case JobKind::MergeAfter:
        next = planMerge(*task, job.outputPath, true, job.mergeFrameSize, format(), settings);
        if (next.isEmpty())
            emit sigNothingFollowed(job.rowId, tr("The merge of %1 could not be prepared.").arg(job.outputPath));
        break;
    case JobKind::SoundtrackAfter:
        next = planSoundtrack(*task, job.outputPath, format(), settings);
        break;
    default:
        break;
    }
    return next;
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
