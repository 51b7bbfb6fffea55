#include "app/conversionrun.h"

#include "app/convertlist.h"
#include "app/core.h"
#include "jobs/followupwork.h"
#include "jobs/jobsmanage.h"
#include "jobs/tesselenginejob.h"

#include <QDebug>
#include <QFileInfo>

ConversionRun::ConversionRun(ConvertList *list, JobsManage *jobs, const WatermarkDocument *watermark,
                             QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_jobs(jobs)
    , m_watermark(watermark)
{
    auto *followup = new FollowupWork([this](quint64 rowId) { return taskOf(rowId); });
    followup->install(*m_jobs);
    connect(followup, &FollowupWork::sigNothingFollowed, this,
            [this](quint64 rowId, const QString &reason) {
                if (m_list->rowOf(rowId) >= 0)
                    m_verdicts[rowId].warnings << reason;
            });

    connect(m_jobs, &JobsManage::sigJobProgress, this,
            [this](AbstractJob *job, const QString &status, const QString &size) {
                const int row = job->isDetached() ? -1 : m_list->rowOf(job->rowId());
                if (row >= 0 && m_list->state(row) == RowState::Running)
                    m_list->showProgress(row, status, size);
                else if (row >= 0)
                    m_list->showProgress(row, QString(), size);
            });
    // The row's verdict waits until the job's follow-up step has added the work that comes after it.
    connect(m_jobs, &JobsManage::sigJobFinished, this, [this](AbstractJob *job, JobOutcome outcome) {
        if (job->isDetached())
            return;
        const quint64 rowId = job->rowId();
        const QString log = job->log();
        const QStringList warnings = job->warnings();
        QMetaObject::invokeMethod(
            this, [this, rowId, outcome, log, warnings] { onJobFinished(rowId, outcome, log, warnings); },
            Qt::QueuedConnection);
    });
}

std::optional<ConvertTask> ConversionRun::taskOf(quint64 rowId) const
{
    const auto task = m_runTasks.constFind(rowId);
    if (task == m_runTasks.cend() || m_list->rowOf(rowId) < 0)
        return std::nullopt;
    return *task;
}

RunReport ConversionRun::start(const RunSnapshot &snapshot)
{
    if (!snapshot.settings.outputs)
        snapshot.settings.outputs = std::make_shared<OutputReservation>(snapshot.settings.coverage);
    FollowupWork::of(*m_jobs)->beginRun(snapshot);
    // No output of this run may be written over a file it reads.
    OutputReservation &outputs = *snapshot.settings.outputs;
    for (const ConvertTask &task : qAsConst(core().tasks)) {
        outputs.protect(task.sourcePath);
        for (const MergeEntry &entry : task.titleSequences + task.endings)
            outputs.protect(entry.path);
        for (const QString &music : task.music)
            outputs.protect(music);
    }

    RunReport report;
    for (int row = 0; row < m_list->count(); ++row) {
        const RowState state = m_list->state(row);
        if (isDone(state) || isConverting(state))
            continue;
        QString whyNothing;
        const int queued = queueRow(row, snapshot, &whyNothing);
        report.queued += queued;
        if (queued == 0) {
            m_list->setOutcome(row, RowState::NotStarted, whyNothing);
            report.notStarted << QStringLiteral("%1: %2").arg(QFileInfo(m_list->path(row)).fileName(), whyNothing);
        }
    }
    if (report.queued > 0)
        m_jobs->startPendingJobs();
    return report;
}

int ConversionRun::queueRow(int row, const RunSnapshot &snapshot, QString *whyNothing)
{
    const quint64 rowId = m_list->idOf(row);
    const MediaProbe probe = m_list->probe(row); // completes the task's size and duration
    const ConvertTask task = core().tasks[row];
    m_runTasks.insert(rowId, task);
    m_verdicts.insert(rowId, Verdict());

    QStringList leftOut;
    const QString filterText = core().buildFilterGraph(*m_watermark, row, &leftOut);
    RunSettings settings;
    settings.container = snapshot.container;
    settings.outPath = snapshot.settings.outPath;
    settings.coverage = snapshot.settings.coverage;
    settings.hardware = snapshot.settings.hardware;
    const ConversionPlan plan = ConversionPlanner::plan(task, *snapshot.format, settings, probe,
                                                        filterText, snapshot.settings.outputs.get());
    qDebug() << plan.durationText;
    int queued = plan.splitSource || plan.mergeSource ? workOnSource(rowId, task.sourcePath, plan, whyNothing) : 0;

    for (const PlannedJob &planned : plan.jobs) {
        auto *job = new TesselEngineJob(QString(), planned.arguments);
        job->setFrameRate(float(plan.frameRate));
        job->setDurationText(plan.durationText);
        job->setRowId(rowId);
        job->setKind(planned.kind);
        job->setOutputPath(planned.outputPath);
        for (const QString &line : qAsConst(leftOut))
            job->addWarning(line);
        if (planned.kind == JobKind::MergeAfter)
            job->setMergeFrameSize(plan.mergeFrameSize);
        m_jobs->addJob(job);
        ++queued;
    }
    if (queued > 0) {
        m_verdicts[rowId].warnings << leftOut;
        m_list->setState(row, RowState::Running);
    } else if (whyNothing->isEmpty()) {
        *whyNothing = tr("no work could be planned for this file");
    }
    return queued;
}

int ConversionRun::workOnSource(quint64 rowId, const QString &source, const ConversionPlan &plan,
                                QString *whyNothing)
{
    FollowupWork *followup = FollowupWork::of(*m_jobs);
    const JobOrigin origin{rowId, source, plan.mergeFrameSize};
    int queued = 0;
    if (plan.splitSource) {
        const int parts = followup->addSourceSplit(origin);
        if (parts == 0)
            *whyNothing = tr("no part to cut could be worked out (is the length of the file known?)");
        queued += parts;
    }
    if (plan.mergeSource) {
        const int merges = followup->addSourceMerge(origin);
        if (merges == 0)
            *whyNothing = tr("the merge could not be prepared (its list file could not be written)");
        queued += merges;
    }
    return queued;
}

bool ConversionRun::rowHasLiveJobs(int row) const
{
    return m_jobs->hasLiveJobs(m_list->idOf(row));
}

void ConversionRun::onJobFinished(quint64 rowId, JobOutcome outcome, const QString &log, const QStringList &warnings)
{
    const int row = m_list->rowOf(rowId);
    if (row < 0)
        return;
    Verdict &verdict = m_verdicts[rowId];
    verdict.warnings << warnings;
    if (outcome == JobOutcome::Failed || outcome == JobOutcome::Stopped) {
        verdict.failed = verdict.failed || outcome == JobOutcome::Failed;
        verdict.stopped = verdict.stopped || outcome == JobOutcome::Stopped;
        verdict.log += log;
    }
    // The row's other jobs and follow-ups go on; it tells how it ended once they did.
    if (!m_jobs->hasLiveJobs(rowId))
        settle(row);
}

void ConversionRun::settle(int row)
{
    const quint64 rowId = m_list->idOf(row);
    Verdict verdict = m_verdicts.take(rowId);
    verdict.warnings.removeDuplicates();
    verdict.warnings.removeAll(QString());
    const QString notes = verdict.warnings.join(QLatin1Char('\n'));
    if (verdict.stopped)
        m_list->setOutcome(row, RowState::Stopped,
                           verdict.log.isEmpty() ? tr("Stopped by user") + QLatin1Char('\n') + notes : verdict.log + notes);
    else if (verdict.failed)
        m_list->setOutcome(row, RowState::Failed, verdict.log + notes);
    else if (!notes.isEmpty())
        m_list->setOutcome(row, RowState::CompletedWithWarnings, notes);
    else
        m_list->setState(row, RowState::Completed);
}

void ConversionRun::endConvertingRows(RowState state, const QString &log)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (!isConverting(m_list->state(row)) || rowHasLiveJobs(row))
            continue;
        if (m_list->state(row) == RowState::Stopping)
            settle(row);
        else
            m_list->setOutcome(row, state, log);
    }
}

void ConversionRun::stop()
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->state(row) == RowState::Running) {
            m_verdicts[m_list->idOf(row)].stopped = true;
            m_list->setState(row, RowState::Stopping);
        }
    }
    m_jobs->stopAll();
}

void ConversionRun::pause()
{
    m_jobs->pauseAll();
}

void ConversionRun::resume()
{
    m_jobs->resumeAll();
}

void ConversionRun::removeRows(const QList<int> &rows)
{
    for (int row : rows) {
        const quint64 rowId = m_list->idOf(row);
        m_jobs->stopRow(rowId);
        m_runTasks.remove(rowId);
        m_verdicts.remove(rowId);
    }
    m_list->removeRows(rows);
}

void ConversionRun::finish()
{
    // After the verdicts of the last jobs, which are posted too.
    QMetaObject::invokeMethod(
        this,
        [this] { endConvertingRows(RowState::Failed, tr("The engine did not report how the conversion ended.")); },
        Qt::QueuedConnection);
}
