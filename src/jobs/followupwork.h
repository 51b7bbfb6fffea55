#pragma once

#include "app/converttask.h"
#include "jobs/followupsettings.h"
#include "jobs/followupjob.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What the queue knows about a job that ended.
struct EndedJob
{
    int kind = FollowupKind::None;
    int row = 0;
    QString outputPath;
    QString extraPath1;
    QString extraPath2;
    QString mergeFrameSize;
};

// The work that follows an engine job: the merge, split and soundtrack jobs a conversion
// feeds, the mix after a join, and the removal of intermediate files once the work that
// consumed them succeeded. A failed or stopped job gets no follow-up and leaves its
// inputs where they are.
class FollowupWork
{
public:
    using TaskLookup = std::function<std::optional<ConvertTask>(int row)>;
    using SettingsSource = std::function<FollowupSettings()>;

    FollowupWork(TaskLookup tasks, SettingsSource settings);

    // The jobs to add after this end; removes the intermediates the job consumed.
    QList<FollowupJob> jobEnded(const EndedJob &job, bool success);

    // For a task whose source needs no conversion: work on the source itself.
    QList<FollowupJob> mergeSource(int row, const QString &source, const QString &mergeFrameSize);
    QList<FollowupJob> splitSource(int row, const QString &source);

private:
    struct PendingParts
    {
        int left = 0;
        bool failed = false;
    };

    QList<FollowupJob> followUp(const EndedJob &job);
    void partEnded(const QString &input, bool success);

    TaskLookup m_tasks;
    SettingsSource m_settings;
    QHash<QString, PendingParts> m_pendingParts; // converted file -> parts still cut from it
};
