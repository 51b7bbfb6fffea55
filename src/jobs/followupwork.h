#pragma once

#include "common/converttask.h"
#include "jobs/followupjob.h"
#include "jobs/followupsettings.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class JobsManage;
class QTableWidgetItem;

// What the queue knows about a job that ended.
struct EndedJob
{
    JobKind kind = JobKind::None;
    int row = 0;
    QString outputPath;
    QString extraPath1;
    QString extraPath2;
    QString mergeFrameSize;
};

// The row a piece of follow-up work belongs to, the cells it reports in, and the file it
// starts from.
struct JobOrigin
{
    int row = 0;
    QString input;
    QString mergeFrameSize; // "W:H", for a merge
    QTableWidgetItem *statusItem = nullptr;
    QTableWidgetItem *sizeItem = nullptr;
};

// The work that follows an engine job: the merge, split and soundtrack jobs a conversion
// feeds, the mix after a join, and the removal of intermediate files once the work that
// consumed them succeeded. The queue hands it successful jobs only, so a failed or stopped
// job leaves its inputs where they are.
class FollowupWork : public QObject
{
    Q_OBJECT
public:
    using TaskLookup = std::function<std::optional<ConvertTask>(int row)>;
    using SettingsSource = std::function<FollowupSettings()>;

    FollowupWork(TaskLookup tasks, SettingsSource settings, QObject *parent = nullptr);

    // Becomes the queue's follow-up step for every kind of job, owned by the queue.
    void install(JobsManage &queue);
    // The follow-up work installed on a queue; null when there is none.
    static FollowupWork *of(const JobsManage &queue);

    // For a task whose source needs no conversion: queues the jobs that merge or split the
    // source itself. Returns how many were queued (0 when not installed).
    int addSourceMerge(const JobOrigin &origin);
    int addSourceSplit(const JobOrigin &origin);

    // The jobs to add after a successful end; removes the intermediates the job consumed.
    QList<FollowupJob> jobEnded(const EndedJob &job);
    QList<FollowupJob> mergeSource(int row, const QString &source, const QString &mergeFrameSize);
    QList<FollowupJob> splitSource(int row, const QString &source);

private:
    void onJobEnded(AbstractJob &job);
    int addJobs(const QList<FollowupJob> &jobs, const JobOrigin &origin);
    QList<FollowupJob> followUp(const EndedJob &job);
    void partEnded(const QString &input);

    TaskLookup m_tasks;
    SettingsSource m_settings;
    JobsManage *m_queue = nullptr;
    QHash<QString, int> m_pendingParts; // converted file -> parts still to cut from it
};
