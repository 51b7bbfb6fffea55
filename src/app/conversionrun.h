#pragma once

#include "app/conversionplan.h"
#include "app/rowstate.h"
#include "jobs/abstractjob.h"

#include <QObject>
#include <QSet>

class ConvertList;
class JobsManage;

// Turns the rows of the conversion list into engine jobs and follows how each row ends.
class ConversionRun : public QObject
{
    Q_OBJECT
public:
    ConversionRun(ConvertList *list, JobsManage *jobs, QObject *parent = nullptr);

    // Queues the jobs of every row that is neither completed nor still converting and
    // starts the queue. Returns the number of jobs queued.
    int start(const ConfigFormat &format, const RunSettings &settings);
    // Ends every job; rows that were still converting become "Stopped".
    void stop();
    // The queue has nothing left: rows that never heard of their jobs' end did not convert.
    void finish();

private:
    int queueRow(int row, const ConfigFormat &format, const RunSettings &settings, QSet<QString> &outputNames);
    // Split and merge of a task without a filter graph work on the source itself.
    // Returns the number of jobs queued for that.
    int workOnSource(int row, const ConversionPlan &plan);
    void onJobFinished(int row, JobOutcome outcome, const QString &log);
    bool rowHasJobsLeft(int row) const;
    void endConvertingRows(RowState state, const QString &log);

    ConvertList *m_list;
    JobsManage *m_jobs;
};
