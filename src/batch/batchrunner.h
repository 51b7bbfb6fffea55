#pragma once

#include "jobs/conversionplan.h"
#include "batch/outputclaim.h"
#include "jobs/jobsmanage.h"
#include "subtitles/subtitleparser.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class BatchReport;
class BatchSetup;
struct MediaProbe;

// Converts the files of a batch one by one through the engine job queue, at most the
// setup's number at once. A file is taken only when a place in the queue is free, so that
// runners sharing a folder share its files. Its output is claimed first and published only
// when complete.
class BatchRunner : public QObject
{
    Q_OBJECT
public:
    // Exit statuses besides a signal's 128 + number.
    static constexpr int kAllDone = 0;
    static constexpr int kSomeFailed = 1;

    BatchRunner(const BatchSetup &setup, BatchReport &report, QObject *parent = nullptr);
    ~BatchRunner() override;

public slots:
    void start();
    // Stops the running engines, removes their partial files, and ends the batch.
    void interrupt(int signalNumber);

signals:
    void finished(int exitCode);

private:
    struct Item
    {
        QString source;
        QString output;
        std::unique_ptr<OutputClaim> claim;
        AbstractJob *job = nullptr;
    };

    void feed();
    // Claims, plans and queues one file; false when it needs no engine (done, skipped, failed, planned).
    bool launch(Item &item, int index);
    // False when the output exists or another runner has it; the result is reported then.
    bool claimOutput(Item &item);
    bool planConversion(const Item &item, int index, const MediaProbe &probe, ConversionPlan *plan, QString *problem);
    QString cacheFolder(int index) const;
    bool fail(Item &item, const QString &reason);
    void onJobFinished(AbstractJob *job, JobOutcome outcome);
    void finishWhenIdle();

    const BatchSetup &m_setup;
    BatchReport &m_report;
    JobsManage m_jobs;
    QTemporaryDir m_cache;
    SubtitleParser m_noEditedSubtitle;
    std::vector<Item> m_items;
    int m_next = 0;
    int m_active = 0;
    int m_signal = 0;
    bool m_done = false;
};
