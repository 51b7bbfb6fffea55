#include "jobs/followupwork.h"

#include "jobs/mergecommand.h"
#include "jobs/soundtrackcommand.h"
#include "jobs/splitcommand.h"
#include "settings/configformat.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace {

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

FollowupWork::FollowupWork(TaskLookup tasks, SettingsSource settings)
    : m_tasks(std::move(tasks))
    , m_settings(std::move(settings))
{
}

QList<FollowupJob> FollowupWork::jobEnded(const EndedJob &job, bool success)
{
    switch (job.kind) {
    case FollowupKind::MergeDone:
    case FollowupKind::MixDone:
        if (success) {
            removeIntermediate(job.extraPath1);
            removeIntermediate(job.extraPath2);
        }
        return {};
    case FollowupKind::SplitPart:
        partEnded(job.extraPath1, success);
        return {};
    case FollowupKind::Split:
    case FollowupKind::Merge:
    case FollowupKind::Soundtrack:
    case FollowupKind::Join:
        if (!success) {
            qDebug().noquote() << "no follow-up work after the failed job writing" << job.outputPath;
            return {};
        }
        return followUp(job);
    default:
        return {};
    }
}

QList<FollowupJob> FollowupWork::followUp(const EndedJob &job)
{
    const FollowupSettings settings = m_settings();
    ConfigFormat format;
    format.load();
    if (job.kind == FollowupKind::Join)
        return planMix(job.extraPath2, job.outputPath, true, format, settings);

    const std::optional<ConvertTask> task = m_tasks(job.row);
    if (!task) {
        qWarning() << "no task for row" << job.row << "to follow up";
        return {};
    }
    switch (job.kind) {
    case FollowupKind::Split: {
        const QList<FollowupJob> parts = planSplit(*task, job.outputPath, true, format, settings);
        if (!parts.isEmpty())
            m_pendingParts.insert(job.outputPath, {int(parts.size()), false});
        return parts;
    }
    case FollowupKind::Merge:
        return planMerge(*task, job.outputPath, true, job.mergeFrameSize, format, settings);
    case FollowupKind::Soundtrack:
        return planSoundtrack(*task, job.outputPath, format, settings);
    default:
        return {};
    }
}

void FollowupWork::partEnded(const QString &input, bool success)
{
    const auto pending = m_pendingParts.find(input);
    if (pending == m_pendingParts.end())
        return;
    pending->failed = pending->failed || !success;
    if (--pending->left > 0)
        return;
    if (!pending->failed)
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
