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

FollowupWork::FollowupWork(TaskLookup tasks, SettingsSource settings, QObject *parent)
    : QObject(parent)
    , m_tasks(std::move(tasks))
    , m_settings(std::move(settings))
{
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
    return addJobs(mergeSource(origin.row, origin.input, origin.mergeFrameSize), origin);
}

int FollowupWork::addSourceSplit(const JobOrigin &origin)
{
    return addJobs(splitSource(origin.row, origin.input), origin);
}

void FollowupWork::onJobEnded(AbstractJob &job)
{
    const EndedJob ended{job.kind(),       job.row(),        job.outputPath(),
                         job.extraPath1(), job.extraPath2(), job.mergeFrameSize()};
    const QList<FollowupJob> next = jobEnded(ended);
    addJobs(next, {job.row(), job.outputPath(), job.mergeFrameSize(), job.statusItem(), job.sizeItem()});
}

int FollowupWork::addJobs(const QList<FollowupJob> &jobs, const JobOrigin &origin)
{
    if (!m_queue)
        return 0;
    for (const FollowupJob &planned : jobs) {
        AbstractJob *job = engineJob(planned);
        job->setRow(origin.row);
        job->setStatusItem(origin.statusItem);
        job->setSizeItem(origin.sizeItem);
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
    case JobKind::MixAfterJoin:
        removeIntermediate(job.extraPath1);
        removeIntermediate(job.extraPath2);
        return {};
    case JobKind::None:
        partEnded(job.extraPath1);
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
    const FollowupSettings settings = m_settings();
    ConfigFormat format;
    format.load();
    if (job.kind == JobKind::MusicJoin)
        return planMix(job.extraPath2, job.outputPath, true, format, settings);

    const std::optional<ConvertTask> task = m_tasks(job.row);
    if (!task) {
        qWarning() << "no task for row" << job.row << "to follow up";
        return {};
    }
    switch (job.kind) {
    case JobKind::SplitAfter: {
        const QList<FollowupJob> parts = planSplit(*task, job.outputPath, true, format, settings);
        if (!parts.isEmpty())
            m_pendingParts.insert(job.outputPath, int(parts.size()));
        return parts;
    }
    case JobKind::MergeAfter:
        return planMerge(*task, job.outputPath, true, job.mergeFrameSize, format, settings);
    case JobKind::SoundtrackAfter:
        return planSoundtrack(*task, job.outputPath, format, settings);
    default:
        return {};
    }
}

void FollowupWork::partEnded(const QString &input)
{
    const auto pending = m_pendingParts.find(input);
    if (input.isEmpty() || pending == m_pendingParts.end())
        return;
    if (--*pending > 0)
        return;
    removeIntermediate(input);
    m_pendingParts.erase(pending);
}

QList<FollowupJob> FollowupWork::mergeSource(int row, const QString &source, const QString &mergeFrameSize)
{
    const std::optional<ConvertTask> task = m_tasks(row);
    if (!task)
        return {};
    ConfigFormat format;
    format.load();
    return planMerge(*task, source, false, mergeFrameSize, format, m_settings());
}

QList<FollowupJob> FollowupWork::splitSource(int row, const QString &source)
{
    const std::optional<ConvertTask> task = m_tasks(row);
    if (!task)
        return {};
    ConfigFormat format;
    format.load();
    return planSplit(*task, source, false, format, m_settings());
}
