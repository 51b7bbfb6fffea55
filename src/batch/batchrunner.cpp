#include "batch/batchrunner.h"

#include "batch/batchreport.h"
#include "batch/batchsetup.h"
#include "common/converttask.h"
#include "common/mediaprobe.h"
#include "jobs/commandparts.h"
#include "jobs/outputreservation.h"
#include "jobs/tesselenginejob.h"
#include "layers/burninsubtitle.h"
#include "layers/filtergraph.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <optional>

namespace {

// The last lines of an engine's log say why it failed.
QString lastLines(const QString &log, int count)
{
    QStringList lines = log.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(std::max(0, int(lines.size()) - count)).join(QStringLiteral(" / "));
}

}

BatchRunner::BatchRunner(const BatchSetup &setup, BatchReport &report, QObject *parent)
    : QObject(parent)
    , m_setup(setup)
    , m_report(report)
    , m_cache(QDir::tempPath() + QStringLiteral("/brindle-batch-XXXXXX"))
{
    m_jobs.setLimit(setup.jobs());
    connect(&m_jobs, &JobsManage::sigJobFinished, this, &BatchRunner::onJobFinished);

    // Output names in input order: two inputs with one base name get numbered names, the
    // same ones on every run over the same inputs.
    const RunSettings &settings = setup.settings();
    // Existing outputs keep their names (they are skipped, not renamed), so reruns agree.
    OutputReservation names(true);
    for (const QString &source : setup.inputs())
        names.protect(source);
    for (const QString &source : setup.inputs()) {
        Item item;
        item.source = source;
        item.output = names.reserve(CommandParts::outputStem(settings.outPath, source) + QLatin1Char('.')
                                    + settings.container);
        m_items.push_back(std::move(item));
    }
}

BatchRunner::~BatchRunner()
{
    // Engines end before their claims remove the partial files.
    m_jobs.stopAll();
    m_items.clear();
}

void BatchRunner::start()
{
    m_report.started(int(m_items.size()));
    feed();
}

void BatchRunner::feed()
{
    while (m_signal == 0 && m_active < m_setup.jobs() && m_next < int(m_items.size())) {
        const int index = m_next++;
        if (launch(m_items[size_t(index)], index))
            ++m_active;
    }
    if (m_active > 0)
        m_jobs.startPendingJobs();
    finishWhenIdle();
}

bool BatchRunner::fail(Item &item, const QString &reason)
{
    item.claim.reset();
    m_report.failed(item.source, reason);
    return false;
}

bool BatchRunner::claimOutput(Item &item)
{
    if (m_setup.dryRun()) {
        if (!QFileInfo::exists(item.output))
            return true;
        m_report.skipped(item.source, item.output, tr("its output exists"));
        return false;
    }
    item.claim = std::make_unique<OutputClaim>(item.output);
    QString error;
    switch (item.claim->claim(&error)) {
    case OutputClaim::State::Claimed:
        return true;
    case OutputClaim::State::AlreadyDone:
        m_report.skipped(item.source, item.output, tr("its output exists"));
        break;
    case OutputClaim::State::Taken:
        m_report.skipped(item.source, item.output, tr("another runner is converting it"));
        break;
    case OutputClaim::State::Failed:
        m_report.failed(item.source, error);
        break;
    }
    item.claim.reset();
    return false;
}

bool BatchRunner::planConversion(const Item &item, int index, const MediaProbe &probe, ConversionPlan *plan,
                                  QString *problem)
{
    if (!probe.opened || probe.duration <= 0) {
        *problem = tr("it is not a media file that can be read");
        return false;
    }
    const bool drawsOnPicture =
        !m_setup.layers().isEmpty() || !m_setup.subtitle().isEmpty() || m_setup.subtitleTrack() >= 0;
    if (drawsOnPicture && (probe.width <= 0 || probe.height <= 0)) {
        *problem = tr("it has no video picture to draw on");
        return false;
    }

    ConvertTask task;
    task.sourcePath = item.source;
    task.width = probe.width;
    task.height = probe.height;
    task.hasSubtitle = !m_setup.subtitle().isEmpty();
    task.subtitlePath = m_setup.subtitle();
    if (m_setup.subtitleTrack() >= 0) {
        task.hasSubtitle = true;
        task.subtitleTrack = m_setup.subtitleTrack();
        task.subtitleTrackPictures = probe.subtitleTracks.value(task.subtitleTrack).bitmap;
    }
    QStringList leftOut;
    const QString graph =
        buildFilterGraph(task, m_setup.layers(), OverlayCanvas{m_setup.canvas(), probe.duration},
                         cacheFolder(index), documentWriters(m_noEditedSubtitle), &leftOut);
    // An output without part of its watermark is no success.
    if (!leftOut.isEmpty()) {
        *problem = leftOut.join(QStringLiteral("; "));
        return false;
    }
    *plan = ConversionPlanner::plan(task, m_setup.format(), m_setup.settings(), probe, graph);
    if (plan->jobs.size() != 1) {
        *problem = tr("the conversion could not be planned");
        return false;
    }
    return true;
}

QString BatchRunner::cacheFolder(int index) const
{
    // Each file has its own: text pictures are written while other engines read theirs.
    return m_cache.filePath(QString::number(index));
}

bool BatchRunner::launch(Item &item, int index)
{
    if (!QFileInfo(item.source).isFile())
        return fail(item, tr("the file does not exist"));
    if (QFileInfo(item.output) == QFileInfo(item.source))
        return fail(item, tr("its output would replace the file itself; choose another output folder"));
    // Probed once, when first needed: an output that exists already needs no probe.
    std::optional<MediaProbe> probe;
    if (m_setup.subtitleTrack() >= 0)
        probe = probeMedia(item.source);
    if (probe && probe->subtitleTracks.size() <= m_setup.subtitleTrack()) {
        const QString why = tr("it has no subtitle track %1").arg(m_setup.subtitleTrack() + 1);
        if (!m_setup.subtitleTrackOptional())
            return fail(item, why);
        m_report.skipped(item.source, item.output, why);
        return false;
    }
    if (!claimOutput(item))
        return false;
    if (!probe)
        probe = probeMedia(item.source);
    ConversionPlan plan;
    QString problem;
    if (!planConversion(item, index, *probe, &plan, &problem))
        return fail(item, problem);

    // The plan's output is the final name; the engine writes the hidden partial file instead.
    QStringList arguments = plan.jobs.first().arguments;
    arguments.removeLast();
    if (m_setup.dryRun()) {
        const QString engine =
            QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("TesselEngine"));
        m_report.planned(item.source, item.output, QStringList{engine} + arguments + QStringList{item.output});
        return false;
    }
    auto *job = new TesselEngineJob(QFileInfo(item.source).fileName(),
                                    arguments + QStringList{item.claim->partialPath()});
    job->setFrameRate(float(plan.frameRate));
    job->setDurationText(plan.durationText);
    job->setOutputPath(item.claim->partialPath());
    job->setRowId(quint64(index));
    connect(job, &AbstractJob::progressUpdated, this, [this](AbstractJob *running, int percent, quint64) {
        const Item &owner = m_items[size_t(running->rowId())];
        m_report.progress(owner.source, percent, percent > 2 ? JobsManage::timeLeft(*running, percent) : -1);
    });
    item.job = job;
    m_jobs.addJob(job);
    return true;
}

void BatchRunner::onJobFinished(AbstractJob *job, JobOutcome outcome)
{
    if (job->rowId() >= m_items.size())
        return;
    Item &item = m_items[size_t(job->rowId())];
    if (item.job != job)
        return;
    item.job = nullptr;
    --m_active;

    QString error;
    if (outcome == JobOutcome::Succeeded && QFileInfo(item.claim->partialPath()).size() > 0) {
        if (item.claim->publish(&error))
            m_report.converted(item.source, item.output);
        else
            m_report.failed(item.source, error);
    } else {
        item.claim->abandon();
        // The queue keeps a stopped engine's file aside under another name; a batch is
        // resumed by running it again, so nothing half-made stays behind.
        if (job->outputPath() != item.claim->partialPath())
            QFile::remove(job->outputPath());
        if (m_signal != 0 || outcome == JobOutcome::Stopped)
            m_report.stopped(item.source);
        else
            m_report.failed(item.source, tr("the engine failed: %1").arg(lastLines(job->log(), 3)));
    }
    item.claim.reset();
    QDir(cacheFolder(int(job->rowId()))).removeRecursively();
    feed();
}

void BatchRunner::interrupt(int signalNumber)
{
    if (m_signal != 0)
        return;
    m_signal = signalNumber;
    for (Item &item : m_items) {
        if (item.job)
            item.job->stop();
    }
    finishWhenIdle();
}

void BatchRunner::finishWhenIdle()
{
    if (m_done || m_active > 0 || (m_signal == 0 && m_next < int(m_items.size())))
        return;
    m_done = true;
    m_report.summary();
    int status = m_report.failedCount() > 0 ? kSomeFailed : kAllDone;
    if (m_signal != 0)
        status = 128 + m_signal;
    emit finished(status);
}
