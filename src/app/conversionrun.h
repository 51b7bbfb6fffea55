#pragma once

#include "jobs/conversionplan.h"
#include "jobs/abstractjob.h"
#include "jobs/rowstate.h"
#include "jobs/runsnapshot.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <optional>

class ConversionListModel;
class JobsManage;
class OverlayGraphs;

// What pressing Run did.
struct RunReport
{
    int queued = 0;          // jobs queued
    QStringList notStarted;  // "file: why", one a row that got no job
};

// Turns the rows of the conversion list into engine jobs and follows how each row ends.
// Jobs name their row by its id; a row's verdict waits until the last of its jobs ended.
class ConversionRun : public QObject
{
    Q_OBJECT
public:
    // Each row's picture comes through the graphs: the layers, its picture settings, its subtitles.
    ConversionRun(ConversionListModel *rows, JobsManage *jobs, const OverlayGraphs *graphs,
                  QObject *parent = nullptr);

    // Queues the jobs of every row that is neither done nor converting, every one of them
    // (follow-up work included) with the snapshot's settings, and starts the queue.
    RunReport start(const RunSnapshot &snapshot);
    // Asks every engine to finish; converting rows show "Stopping…" and end as "Stopped".
    void stop();
    void pause();
    void resume();
    // The queue has nothing left: rows that never heard of their jobs' end did not convert.
    void finish();

    // True while a job of the row is queued or running.
    bool rowHasLiveJobs(quint64 rowId) const;
    // Stops and detaches the rows' jobs, then removes the rows; other rows go on.
    void removeRows(const QList<quint64> &rowIds);

    // The task of a row as this run took it; none when the row is gone.
    std::optional<ConvertTask> taskOf(quint64 rowId) const;

private:
    // What a row's finished jobs said so far.
    struct Verdict
    {
        bool failed = false;
        bool stopped = false;
        QStringList warnings;
        QString log;
        QStringList unfinished; // what stopped jobs left, set aside
    };

    int queueRow(quint64 rowId, const RunSnapshot &snapshot, QString *whyNothing);
    // Split and merge of a task without a filter graph work on the source itself.
    int workOnSource(quint64 rowId, const QString &source, const ConversionPlan &plan, QString *whyNothing);
    void onJobFinished(quint64 rowId, JobOutcome outcome, const QString &log, const QStringList &warnings,
                       const QString &unfinished);
    // A file some row reads: a source, a title sequence, an ending or a music file.
    bool isInput(const QString &path) const;
    void settle(quint64 rowId);
    void endConvertingRows(RowState state, const QString &log);

    ConversionListModel *m_rows;
    JobsManage *m_jobs;
    const OverlayGraphs *m_graphs;
    QHash<quint64, ConvertTask> m_runTasks;
    QHash<quint64, Verdict> m_verdicts;
};
