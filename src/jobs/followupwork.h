#pragma once

#include "common/converttask.h"
#include "jobs/followupjob.h"
#include "jobs/runsnapshot.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class JobsManage;

// What the queue knows about a job that ended.
struct EndedJob
{
    JobKind kind = JobKind::None;
    quint64 rowId = 0;
    QString outputPath;
    QString extraPath1;
    QString extraPath2;
    QString mergeFrameSize;
};

// The row a piece of follow-up work belongs to and the file it starts from.
struct JobOrigin
{
    quint64 rowId = 0;
    QString input;
    QString mergeFrameSize; // "W:H", for a merge
};

// The work that follows an engine job: the merge, split and soundtrack jobs a conversion
// feeds, the mix after a join, and the removal of scratch files once the work that consumed
// them succeeded. The queue hands it successful jobs only, so a failed or stopped job leaves
// its inputs where they are. Everything it plans uses the snapshot of the run it belongs to.
class FollowupWork : public QObject
{
    Q_OBJECT
public:
    // The task of a row by its id, as the run took it; none when the row is gone.
    using TaskLookup = std::function<std::optional<ConvertTask>(quint64 rowId)>;

    explicit FollowupWork(TaskLookup tasks, QObject *parent = nullptr);

    // Becomes the queue's follow-up step for every kind of job, owned by the queue.
    void install(JobsManage &queue);
    // The follow-up work installed on a queue; null when there is none.
    static FollowupWork *of(const JobsManage &queue);

    // The settings every job planned from now on uses.
    void beginRun(const RunSnapshot &snapshot);
    const RunSnapshot &snapshot() const { return m_snapshot; }

    // For a task whose source needs no conversion: queues the jobs that merge or split the
    // source itself. Returns how many were queued (0 when not installed).
    int addSourceMerge(const JobOrigin &origin);
    int addSourceSplit(const JobOrigin &origin);

    // The jobs to add after a successful end; removes the scratch files the job consumed.
    QList<FollowupJob> jobEnded(const EndedJob &job);
    QList<FollowupJob> mergeSource(quint64 rowId, const QString &source, const QString &mergeFrameSize);
    QList<FollowupJob> splitSource(quint64 rowId, const QString &source);

signals:
    // A job ended well but the work that should follow it could not be planned.
    void sigNothingFollowed(quint64 rowId, const QString &reason);

private:
    void onJobEnded(AbstractJob &job);
    int addJobs(const QList<FollowupJob> &jobs, const JobOrigin &origin);
    QList<FollowupJob> followUp(const EndedJob &job);
    const ConfigFormat &format();

    TaskLookup m_tasks;
    RunSnapshot m_snapshot;
    JobsManage *m_queue = nullptr;
};
