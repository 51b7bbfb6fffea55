#pragma once

#include "common/converttask.h"
#include "jobs/followupjob.h"
#include "jobs/runsnapshot.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class AbstractJob;
class JobsManage;

// The row a piece of follow-up work belongs to and the file it starts from.
struct JobOrigin
{
    quint64 rowId = 0;
    QString input;
    QString mergeFrameSize; // "W:H", for a merge
};

// Runs the follow-up work attached to engine jobs (the merge, split and soundtrack jobs a
// conversion feeds, the mix after a join, the removal of scratch files) and queues the jobs it
// plans. The queue runs it for successful jobs only, so a failed or stopped job leaves its
// inputs where they are. Everything it plans uses the snapshot of the run it belongs to.
class FollowupWork : public QObject
{
    Q_OBJECT
public:
    // The task of a row by its id, as the run took it; none when the row is gone.
    using TaskLookup = std::function<std::optional<ConvertTask>(quint64 rowId)>;

    explicit FollowupWork(TaskLookup tasks, QObject *parent = nullptr);

    // Plans and queues the follow-up work of the queue's jobs, owned by the queue.
    void install(JobsManage &queue);
    // The follow-up work installed on a queue; null when there is none.
    static FollowupWork *of(const JobsManage &queue);

    // The settings every job planned from now on uses.
    void beginRun(const RunSnapshot &snapshot);
    const RunSnapshot &snapshot() const { return m_snapshot; }
    // The run's output format; work planned outside a run reads the stored one.
    const ConfigFormat &format();
    // The task of a row as the run took it; none when the row is gone.
    std::optional<ConvertTask> task(quint64 rowId) const { return m_tasks(rowId); }

    // Once the job has succeeded, its follow-up work runs and the jobs it plans are queued.
    void attach(AbstractJob &job, FollowUpPtr followUp);
    // A job ended well but the work that should follow it could not be planned.
    void reportNothingFollowed(quint64 rowId, const QString &reason) { emit sigNothingFollowed(rowId, reason); }

    // For a task whose source needs no conversion: queues the jobs that merge or split the
    // source itself. Returns how many were queued (0 when not installed).
    int addSourceMerge(const JobOrigin &origin);
    int addSourceSplit(const JobOrigin &origin);

    QList<FollowupJob> mergeSource(quint64 rowId, const QString &source, const QString &mergeFrameSize);
    QList<FollowupJob> splitSource(quint64 rowId, const QString &source);

signals:
    // A job ended well but the work that should follow it could not be planned.
    void sigNothingFollowed(quint64 rowId, const QString &reason);

private:
    int addJobs(const QList<FollowupJob> &jobs, quint64 rowId);

    TaskLookup m_tasks;
    RunSnapshot m_snapshot;
    JobsManage *m_queue = nullptr;
};
