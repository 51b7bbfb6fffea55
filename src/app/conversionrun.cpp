#include "app/conversionrun.h"

#include "jobs/conversionlistmodel.h"
#include "jobs/followupwork.h"
#include "jobs/jobsmanage.h"
#include "jobs/tesselenginejob.h"
#include "layers/overlaygraphs.h"

#include <QDebug>
#include <QFileInfo>

ConversionRun::ConversionRun(ConversionListModel *rows, JobsManage *jobs, const OverlayGraphs *graphs,
                             QObject *parent)
    : QObject(parent)
    , m_rows(rows)
    , m_jobs(jobs)
    , m_graphs(graphs)
{
    auto *followup = new FollowupWork([this](quint64 rowId) { return taskOf(rowId); });
    followup->install(*m_jobs);
    connect(followup, &FollowupWork::sigNothingFollowed, this,
            [this](quint64 rowId, const QString &reason) {
                if (m_rows->contains(rowId))
                    m_verdicts[rowId].warnings << reason;
            });

    connect(m_jobs, &JobsManage::sigJobProgress, this,
            [this](AbstractJob *job, const QString &status, const QString &size) {
                if (!job->isDetached())
                    m_rows->showProgress(job->rowId(), status, size);
            });
    // The row's verdict waits until the job's follow-up step has added the work that comes after it.
    connect(m_jobs, &JobsManage::sigJobFinished, this, [this](AbstractJob *job, JobOutcome outcome) {
        if (job->isDetached())
            return;
        const quint64 rowId = job->rowId();
        const QString log = job->log();
        const QStringList warnings = job->warnings();
        const QString unfinished = outcome == JobOutcome::Stopped ? job->outputPath() : QString();
        QMetaObject::invokeMethod(
            this, [=] { onJobFinished(rowId, outcome, log, warnings, unfinished); }, Qt::QueuedConnection);
    });
    m_jobs->setInUse([this](const QString &path) { return isInput(path); });
}

bool ConversionRun::isInput(const QString &path) const
{
    const QList<quint64> ids = m_rows->ids();
    return std::any_of(ids.cbegin(), ids.cend(), [this, &path](quint64 id) {
        const ConvertTask task = m_rows->task(id);
        const QList<MergeEntry> joined = task.titleSequences + task.endings;
        return task.sourcePath == path || task.music.contains(path)
               || std::any_of(joined.cbegin(), joined.cend(), [&path](const MergeEntry &entry) { return entry.path == path; });
    });
}

std::optional<ConvertTask> ConversionRun::taskOf(quint64 rowId) const
{
    const auto task = m_runTasks.constFind(rowId);
    if (task == m_runTasks.cend() || !m_rows->contains(rowId))
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
    for (quint64 rowId : m_rows->ids()) {
        const ConvertTask task = m_rows->task(rowId);
        outputs.protect(task.sourcePath);
        for (const MergeEntry &entry : task.titleSequences + task.endings)
            outputs.protect(entry.path);
        for (const QString &music : task.music)
            outputs.protect(music);
    }

    RunReport report;
    for (quint64 rowId : m_rows->ids()) {
        const RowState state = m_rows->state(rowId);
        if (isDone(state) || isConverting(state))
            continue;
        QString whyNothing;
        const int queued = queueRow(rowId, snapshot, &whyNothing);
        report.queued += queued;
        if (queued == 0) {
            m_rows->setOutcome(rowId, RowState::NotStarted, whyNothing);
            report.notStarted << QStringLiteral("%1: %2").arg(QFileInfo(m_rows->path(rowId)).fileName(), whyNothing);
        }
    }
    if (report.queued > 0)
        m_jobs->startPendingJobs();
    return report;
}

int ConversionRun::queueRow(quint64 rowId, const RunSnapshot &snapshot, QString *whyNothing)
{
    const MediaProbe probe = m_rows->probe(rowId); // completes the task's size and duration
    const ConvertTask task = m_rows->task(rowId);
    m_runTasks.insert(rowId, task);
    m_verdicts.insert(rowId, Verdict());

    QStringList leftOut;
    const QString filterText = m_graphs->forRun(rowId, task, &leftOut);
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
        job->setOutputPath(planned.outputPath);
        FollowupWork::of(*m_jobs)->attach(*job, planned.afterwards);
        for (const QString &line : qAsConst(leftOut))
            job->addWarning(line);
        m_jobs->addJob(job);
        ++queued;
    }
    if (queued > 0) {
        m_verdicts[rowId].warnings << leftOut;
        m_rows->setState(rowId, RowState::Running);
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

bool ConversionRun::rowHasLiveJobs(quint64 rowId) const
{
    return m_jobs->hasLiveJobs(rowId);
}

void ConversionRun::onJobFinished(quint64 rowId, JobOutcome outcome, const QString &log, const QStringList &warnings,
                                  const QString &unfinished)
{
    if (!m_rows->contains(rowId))
        return;
    Verdict &verdict = m_verdicts[rowId];
    verdict.warnings << warnings;
    if (!unfinished.isEmpty())
        verdict.unfinished << unfinished;
    if (outcome == JobOutcome::Failed || outcome == JobOutcome::Stopped) {
        verdict.failed = verdict.failed || outcome == JobOutcome::Failed;
        verdict.stopped = verdict.stopped || outcome == JobOutcome::Stopped;
        verdict.log += log;
    }
    // The row's other jobs and follow-ups go on; it tells how it ended once they did.
    if (!m_jobs->hasLiveJobs(rowId))
        settle(rowId);
}

void ConversionRun::settle(quint64 rowId)
{
    Verdict verdict = m_verdicts.take(rowId);
    verdict.warnings.removeDuplicates();
    verdict.warnings.removeAll(QString());
    const QString notes = verdict.warnings.join(QLatin1Char('\n'));
    if (verdict.stopped)
        m_rows->setOutcome(rowId, RowState::Stopped,
                           verdict.log.isEmpty() ? tr("Stopped by user") + QLatin1Char('\n') + notes : verdict.log + notes,
                           verdict.unfinished);
    else if (verdict.failed)
        m_rows->setOutcome(rowId, RowState::Failed, verdict.log + notes);
    else if (!notes.isEmpty())
        m_rows->setOutcome(rowId, RowState::CompletedWithWarnings, notes);
    else
        m_rows->setState(rowId, RowState::Completed);
}

void ConversionRun::endConvertingRows(RowState state, const QString &log)
{
    for (quint64 rowId : m_rows->ids()) {
        if (!isConverting(m_rows->state(rowId)) || rowHasLiveJobs(rowId))
            continue;
        if (m_rows->state(rowId) == RowState::Stopping)
            settle(rowId);
        else
            m_rows->setOutcome(rowId, state, log);
    }
}

void ConversionRun::stop()
{
    for (quint64 rowId : m_rows->ids()) {
        if (m_rows->state(rowId) == RowState::Running) {
            m_verdicts[rowId].stopped = true;
            m_rows->setState(rowId, RowState::Stopping);
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

void ConversionRun::removeRows(const QList<quint64> &rowIds)
{
    for (quint64 rowId : rowIds) {
        m_jobs->stopRow(rowId);
        m_runTasks.remove(rowId);
        m_verdicts.remove(rowId);
    }
    m_rows->remove(rowIds);
}

void ConversionRun::finish()
{
    // After the verdicts of the last jobs, which are posted too.
    QMetaObject::invokeMethod(
        this,
        [this] { endConvertingRows(RowState::Failed, tr("The engine did not report how the conversion ended.")); },
        Qt::QueuedConnection);
}
