#pragma once

#include "app/conversionplan.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class AbstractJob;
class ConvertList;
class JobsManage;

// Turns the rows of the conversion list into engine jobs and follows how each row ends.
class ConversionRun : public QObject
{
    Q_OBJECT
public:
    ConversionRun(ConvertList *list, JobsManage *jobs, QObject *parent = nullptr);

    // Queues the jobs of every row that is neither completed nor still running and starts
    // the queue. Returns the number of jobs queued.
    int start(const FormatSnapshot &format, const SystemSnapshot &system);
    // Ends every job; rows that were still converting become "Stopped".
    void stop();
    // The queue has nothing left: rows that never heard from their jobs did not convert.
    void finish();

private:
    int queueRow(int row, const FormatSnapshot &format, const SystemSnapshot &system, QSet<QString> &reserved);
    // Split and merge of a task without a filter graph work on the source itself.
    void workOnSource(int row, const ConversionPlan &plan);
    void onJobFinished(AbstractJob *job, bool isSuccess);

    ConvertList *m_list;
    JobsManage *m_jobs;
    QList<QPointer<AbstractJob>> m_started;
    QHash<int, int> m_jobsLeft; // row -> conversion jobs not yet ended
};
