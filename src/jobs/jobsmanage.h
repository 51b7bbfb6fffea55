#pragma once

#include "jobs/abstractjob.h"

#include <QMap>
#include <QList>
#include <QObject>

#include <functional>

// Owns the engine jobs of a run, starts them in the order added with at most limit() running,
// shows their progress in their rows, and runs the follow-up step of a job's kind when it ends.
class JobsManage : public QObject
{
    Q_OBJECT
public:
    // Builds and adds the work that follows a job of some kind; it may add jobs.
    using FollowUp = std::function<void(AbstractJob &job)>;

    explicit JobsManage(QObject *parent = nullptr);

    // Takes ownership; nothing starts until startPendingJobs().
    void addJob(AbstractJob *job);
    void startPendingJobs();
    // Asks the first running job to stop, then destroys every job, which ends their engines.
    void stopAll();

    void setLimit(int limit);
    int limit() const { return m_limit; }
    // The status cell's text for a finished job.
    static QString outcomeText(JobOutcome outcome);
    int running() const { return m_running; }
    QList<AbstractJob *> jobs() const { return m_jobs; }

    // Replaces the follow-up step of a kind. Kinds MergeOfConverted and MixAfterJoin delete the
    // job's intermediate files unless replaced.
    void setFollowUp(JobKind kind, FollowUp step);

    // Milliseconds left for a job at a percentage, from its estimate clock.
    static qint64 timeLeft(const AbstractJob &job, int percent);

signals:
    void sigAllCompleted();
    // After the job's row shows its end and before its follow-up step runs.
    void sigJobFinished(AbstractJob *job, JobOutcome outcome);

public slots:
    void onProgressUpdated(AbstractJob *job, int percent, quint64 nFileSize);
    void onFinished(AbstractJob *job, bool isSuccess, const QString &time);

private:
    QList<AbstractJob *> m_jobs;
    QMap<JobKind, FollowUp> m_followUps;
    int m_limit = 2;
    int m_running = 0;
};
