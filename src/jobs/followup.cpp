#include "jobs/followup.h"

#include "jobs/abstractjob.h"
#include "jobs/followupwork.h"
#include "jobs/mergecommand.h"
#include "jobs/soundtrackcommand.h"
#include "jobs/splitcommand.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace {

std::optional<ConvertTask> taskToFollow(const AbstractJob &ended, const FollowupWork &work)
{
    std::optional<ConvertTask> task = work.task(ended.rowId());
    if (!task)
        qWarning() << "no task for row" << ended.rowId() << "to follow up";
    return task;
}

void removeIntermediate(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !(info.isFile() || info.isSymLink()))
        return;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteUser);
    if (!QFile::remove(path))
        qWarning().noquote() << "cannot remove the intermediate file" << path;
}

}

QList<FollowupJob> SplitOutput::after(const AbstractJob &ended, FollowupWork &work) const
{
    const std::optional<ConvertTask> task = taskToFollow(ended, work);
    if (!task)
        return {};
    const QList<FollowupJob> next = planSplit(*task, ended.outputPath(), work.format(), work.snapshot().settings);
    if (next.isEmpty())
        work.reportNothingFollowed(
            ended.rowId(), FollowupWork::tr("No part to cut could be worked out for %1.").arg(ended.outputPath()));
    return next;
}

QList<FollowupJob> MergeOutput::after(const AbstractJob &ended, FollowupWork &work) const
{
    const std::optional<ConvertTask> task = taskToFollow(ended, work);
    if (!task)
        return {};
    const QList<FollowupJob> next
        = planMerge(*task, ended.outputPath(), true, m_frameSize, work.format(), work.snapshot().settings);
    if (next.isEmpty())
        work.reportNothingFollowed(
            ended.rowId(), FollowupWork::tr("The merge of %1 could not be prepared.").arg(ended.outputPath()));
    return next;
}

QList<FollowupJob> AddSoundtrack::after(const AbstractJob &ended, FollowupWork &work) const
{
    const std::optional<ConvertTask> task = taskToFollow(ended, work);
    if (!task)
        return {};
    return planSoundtrack(*task, ended.outputPath(), work.format(), work.snapshot().settings);
}

QList<FollowupJob> MixJoinedMusic::after(const AbstractJob &ended, FollowupWork &work) const
{
    return planMix(m_video, ended.outputPath(), true, work.format(), work.snapshot().settings);
}

QList<FollowupJob> RemoveScratchFiles::after(const AbstractJob &, FollowupWork &) const
{
    for (const QString &file : m_files)
        removeIntermediate(file);
    return {};
}
