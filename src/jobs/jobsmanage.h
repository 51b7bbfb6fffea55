#pragma once

#include "jobs/abstractjob.h"

#include <QList>
#include <QObject>

#include <functional>

// Owns the engine jobs of a run, starts them in the order added with at most limit() running,
// turns their progress into the texts their rows show, and runs the work planned to follow a
// job once it has succeeded. It never touches a view: rows are told through signals, by the job.
class JobsManage : public QObject
{
    Q_OBJECT
public:
    explicit JobsManage(QObject *parent = nullptr);

    // Takes ownership; nothing starts until startPendingJobs().
    void addJob(AbstractJob *job);
    // Starts jobs in order while fewer than limit() run; nothing starts while paused or stopping.
    void startPendingJobs();
    // Drops the jobs not started yet and asks every running one to finish (see
    // AbstractJob::stop); sigAllCompleted() follows once the last has ended, and the list is
    // emptied then. A stopped job's output is set aside under an "unfinished" name.
    void stopAll();
    // Stops the work of one row and detaches it: jobs not started are dropped, running ones
    // are stopped and run to their end without reporting to the row or following up.
    void stopRow(quint64 rowId);
    bool isStopping() const { return m_stopping; }

    // Suspends the running engines and starts nothing new until resumeAll().
    void pauseAll();
    void resumeAll();
    bool isPaused() const { return m_paused; }

    // True while a job of the row is not finished (and not detached).
    bool hasLiveJobs(quint64 rowId) const;
    // True while any listed job is not finished.
    bool isBusy() const;

    void setLimit(int limit);
    int limit() const { return m_limit; }
    // How long a stopped engine may take to finish before it is killed.
    void setStopGrace(int milliseconds) { m_stopGraceMs = milliseconds; }
    // The status text for a finished job.
    static QString outcomeText(JobOutcome outcome);
    int running() const { return m_running; }
    QList<AbstractJob *> jobs() const { return m_jobs; }

    // Tells which files the list still reads besides the jobs' own inputs: a stopped job's
    // output never takes the place of one of them.
    void setInUse(std::function<bool(const QString &path)> inUse) { m_inUse = std::move(inUse); }

    // Milliseconds left for a job at a percentage, from its estimate clock.
    static qint64 timeLeft(const AbstractJob &job, int percent);
    // "45% (00:01:23)": what a row shows while its job runs.
    static QString progressText(const AbstractJob &job, int percent);

signals:
    void sigAllCompleted();
    // After the job's end is known and before its follow-up step runs.
    void sigJobFinished(AbstractJob *job, JobOutcome outcome);
    // What the job's row should show: unless empty, a status text and a size text.
    void sigJobProgress(AbstractJob *job, const QString &statusText, const QString &sizeText);

public slots:
    void onProgressUpdated(AbstractJob *job, int percent, quint64 nFileSize);
    void onFinished(AbstractJob *job, bool isSuccess, const QString &time);

private:
    void finishStopping();
    bool isInUse(const QString &path) const;
    void dropJob(AbstractJob *job);

    QList<AbstractJob *> m_jobs;
    std::function<bool(const QString &path)> m_inUse;
    int m_limit = 2;
    int m_running = 0;
    int m_stopGraceMs = AbstractJob::kStopGraceMs;
    bool m_paused = false;
    bool m_stopping = false;
};
