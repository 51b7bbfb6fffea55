#include "processwatch.h"
#include "testmedia.h"
#include "testprofile.h"

#include "common/displaytext.h"
#include "common/timeconv.h"
#include "jobs/jobsmanage.h"
#include "jobs/meltenginejob.h"
#include "jobs/tesselenginejob.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTableWidgetItem>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

namespace {

QString fakeEngine()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("fake_engine"));
}

template<typename Job>
Job *scripted(const QStringList &script, QObject *parent = nullptr)
{
    auto *job = new Job(QString(), script, parent);
    job->setEnginePath(fakeEngine());
    return job;
}

QList<int> percents(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &signal : spy)
        values << signal.at(1).toInt();
    return values;
}

// Whether the process has set SIGTERM aside, as the scripted "hang" step does first.
bool ignoresTerminate(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigIgn:"))
            return line.mid(7).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1));
    return false;
}

bool waitForEnd(AbstractJob &job, int timeoutMs = 60000)
{
    if (job.outcome() != JobOutcome::Pending)
        return true;
    QSignalSpy ended(&job, &AbstractJob::finished);
    return ended.wait(timeoutMs);
}

}

class TestJobs : public QObject
{
    Q_OBJECT

private slots:
    void tesselProgressFromWholeLinesOnly();
    void tesselAudioOnlyProgressAndNoProjectionAtZero();
    void tesselProgressOfEachFfmpegRelease_data();
    void tesselProgressOfEachFfmpegRelease();
    void meltPercentNeverGoesDown();
    void failingCrashingAndMissingEnginesEndAsFailures();
    void queueRunsTwoAtATimeInOrder();
    void queueCountsARepeatedEndOnceAndRunsFollowUps();
    void queueStopAllEndsEveryEngine();
    void realConversionFillsTheRow();
    void realMeltJobReachesHundred();
    void stoppedOutputIsSetAsidePlayable();
    void pauseFreezesTheEngineAndResumeFinishesTheFile();
};

void TestJobs::tesselProgressFromWholeLinesOnly()
{
    // Frame 250 of 1000 with 1024 kB written: 25 percent, 4.00 MB projected. The line arrives in
    // two pieces; read early, its first piece would say frame 25.
    std::unique_ptr<TesselEngineJob> job(scripted<TesselEngineJob>(
        {QStringLiteral("ffmpeg banner\\n"), QStringLiteral("Input #0 something\\n"),
         QStringLiteral("frame=   25"), QStringLiteral("sleep:300"),
         QStringLiteral("0 fps= 50 q=28.0 size=    1024kB time=00:00:10.00 bitrate= 838.9kbits/s speed=2x    \\r"),
         QStringLiteral("\\n"), QStringLiteral("exit:0")}));
    job->setFrameRate(25.0f);
    job->setDurationText(QStringLiteral("00:00:40.00"));
    QSignalSpy progress(job.get(), &AbstractJob::progressUpdated);
    QSignalSpy ended(job.get(), &AbstractJob::finished);
    job->start();
    QVERIFY(waitForEnd(*job));

    QCOMPARE(percents(progress), (QList<int>{0, 25, 100}));
    QCOMPARE(progress.at(1).at(2).value<quint64>(), quint64(400));
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(1).toBool(), true);
    QCOMPARE(job->outcome(), JobOutcome::Succeeded);
    QVERIFY(job->log().startsWith(QLatin1String("ffmpeg banner\nInput #0 something\n")));
    QVERIFY(!job->log().contains(QLatin1String("frame=")));
    QVERIFY(job->log().endsWith(QLatin1String("Completed successfully in 00:00:00\n")));
}

void TestJobs::tesselAudioOnlyProgressAndNoProjectionAtZero()
{
    std::unique_ptr<TesselEngineJob> job(scripted<TesselEngineJob>(
        {QStringLiteral("first line\\n"),
         QStringLiteral("size=       0kB time=00:00:00.00 bitrate=N/A speed=N/A\\n"),
         QStringLiteral("size=     512kB time=00:00:05.00 bitrate= 838.9kbits/s speed=2x\\n"),
         QStringLiteral("size=     600kB time=-00:00:00.02 bitrate= 838.9kbits/s speed=2x\\n"), QStringLiteral("exit:0")}));
    job->setDurationText(QStringLiteral("00:00:10.00"));
    QSignalSpy progress(job.get(), &AbstractJob::progressUpdated);
    job->start();
    QVERIFY(waitForEnd(*job));
    // 0 at the start, 50 percent with 0.5 MB written projects 1.00 MB, a malformed time is 0
    // percent without a projection.
    QCOMPARE(percents(progress), (QList<int>{0, 50, 0, 100}));
    QCOMPARE(progress.at(1).at(2).value<quint64>(), quint64(100));
    QCOMPARE(progress.at(2).at(2).value<quint64>(), quint64(0));

    std::unique_ptr<TesselEngineJob> copy(scripted<TesselEngineJob>(
        {QStringLiteral("first line\\n"), QStringLiteral("frame=   50 fps=0.0 q=-1.0 size=     512kB time=00:00:02.00 bitrate=1.0kbits/s\\n"),
         QStringLiteral("exit:0")}));
    copy->setDurationText(QStringLiteral("00:00:00.00"));
    QSignalSpy copyProgress(copy.get(), &AbstractJob::progressUpdated);
    copy->start();
    QVERIFY(waitForEnd(*copy));
    QCOMPARE(percents(copyProgress), (QList<int>{0, 100}));
    QVERIFY(!copy->log().contains(QLatin1String("frame=")));
}

void TestJobs::tesselProgressOfEachFfmpegRelease_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<int>("percent");
    QTest::addColumn<quint64>("projected");
    // Lines as ffmpeg printed them converting 40 s of 25 fps video and 300 s of sound. FFmpeg 6.1
    // brought "KiB" and prints the same fields as 7.1.
    const QString video = QStringLiteral("00:00:40.00");
    const QString sound = QStringLiteral("00:05:00.00");
    QTest::newRow("5.1 video") << QStringLiteral(
        "frame=  335 fps=0.0 q=16.0 size=     256kB time=00:00:13.20 bitrate= 158.9kbits/s speed=  22x    ")
                               << video << 34 << quint64(74);
    QTest::newRow("5.1 sound") << QStringLiteral(
        "size=     256kB time=00:00:40.33 bitrate=  52.0kbits/s speed=80.3x    ") << sound << 13 << quint64(185);
    QTest::newRow("6.1 video") << QStringLiteral(
        "frame=  866 fps=787 q=16.0 size=     768KiB time=00:00:34.45 bitrate= 182.6kbits/s speed=31.3x    ")
                               << video << 87 << quint64(86);
    QTest::newRow("6.1 sound") << QStringLiteral(
        "size=    1024KiB time=00:02:19.02 bitrate=  60.3kbits/s speed= 139x    ") << sound << 46 << quint64(215);
    QTest::newRow("7.1 video") << QStringLiteral(
        "frame=  446 fps=0.0 q=16.0 size=     256KiB time=00:00:17.84 bitrate= 117.6kbits/s speed=35.7x    ")
                               << video << 45 << quint64(56);
    QTest::newRow("7.1 sound") << QStringLiteral(
        "size=     512KiB time=00:01:09.53 bitrate=  60.3kbits/s speed= 139x    ") << sound << 23 << quint64(216);
    QTest::newRow("7.1 last video line") << QStringLiteral(
        "frame= 1000 fps=972 q=-1.0 Lsize=    1089KiB time=00:00:40.00 bitrate= 223.0kbits/s speed=38.9x    ")
                                         << video << 100 << quint64(106);
    QTest::newRow("7.1 size not known") << QStringLiteral(
        "frame=  100 fps=0.0 q=0.0 size=N/A time=00:00:04.00 bitrate=N/A speed=N/A    ") << video << 10 << quint64(0);
}

void TestJobs::tesselProgressOfEachFfmpegRelease()
{
    QFETCH(QString, line);
    QFETCH(QString, duration);
    QFETCH(int, percent);
    QFETCH(quint64, projected);
    std::unique_ptr<TesselEngineJob> job(scripted<TesselEngineJob>(
        {QStringLiteral("Input #0\\n"), line + QStringLiteral("\\n"), QStringLiteral("exit:1")}));
    job->setFrameRate(25.0f);
    job->setDurationText(duration);
    QSignalSpy progress(job.get(), &AbstractJob::progressUpdated);
    job->start();
    QVERIFY(waitForEnd(*job));
    QCOMPARE(percents(progress), (QList<int>{0, percent}));
    QCOMPARE(progress.at(1).at(2).value<quint64>(), projected);
}

void TestJobs::meltPercentNeverGoesDown()
{
    std::unique_ptr<MeltEngineJob> job(scripted<MeltEngineJob>(
        {QStringLiteral("No LADSPA plugins were found!\\n"),
         QStringLiteral("Current Frame:         25, percentage:          3\\n"),
         QStringLiteral("Current Frame:         26, percentage:          2\\n"),
         QStringLiteral("Current Frame:         27, percentage:          3\\n"), QStringLiteral("exit:0")}));
    QSignalSpy progress(job.get(), &AbstractJob::progressUpdated);
    job->start();
    QVERIFY(waitForEnd(*job));
    QCOMPARE(percents(progress), (QList<int>{0, 3, 3, 100}));
    QCOMPARE(job->currentFrame(), 27);
    QVERIFY(job->log().startsWith(QLatin1String("No LADSPA plugins were found!\n")));
    QVERIFY(!job->log().contains(QLatin1String("percentage")));
}

void TestJobs::failingCrashingAndMissingEnginesEndAsFailures()
{
    std::unique_ptr<TesselEngineJob> failing(
        scripted<TesselEngineJob>({QStringLiteral("Error opening input\\n"), QStringLiteral("exit:3")}));
    failing->start();
    QVERIFY(waitForEnd(*failing));
    QCOMPARE(failing->outcome(), JobOutcome::Failed);
    QVERIFY(failing->log().endsWith(QLatin1String("Error opening input\nFailed with exit code 3\n")));

    std::unique_ptr<MeltEngineJob> crashing(scripted<MeltEngineJob>(
        {QStringLiteral("Current Frame:         50, percentage:          40\\n"), QStringLiteral("crash")}));
    crashing->setProfileFrameRate(25, 1);
    QSignalSpy crashEnd(crashing.get(), &AbstractJob::finished);
    crashing->start();
    QVERIFY(waitForEnd(*crashing));
    QCOMPARE(crashing->outcome(), JobOutcome::Failed);
    QCOMPARE(crashEnd.count(), 1);
    QCOMPARE(crashEnd.at(0).at(2).toString(), QStringLiteral("00:00:02:00"));

    std::unique_ptr<TesselEngineJob> missing(new TesselEngineJob(QString(), {}));
    missing->setEnginePath(QStringLiteral("/nonexistent/TesselEngine"));
    QSignalSpy missingEnd(missing.get(), &AbstractJob::finished);
    missing->start();
    QVERIFY(waitForEnd(*missing, 5000));
    QCOMPARE(missing->outcome(), JobOutcome::Failed);
    QCOMPARE(missingEnd.count(), 1);
    QVERIFY(missing->log().contains(QLatin1String("Failed to start /nonexistent/TesselEngine")));
}

void TestJobs::queueRunsTwoAtATimeInOrder()
{
    JobsManage queue;
    queue.setLimit(0);
    QCOMPARE(queue.limit(), 1);
    queue.setLimit(2);

    QList<AbstractJob *> started;
    int mostRunning = 0;
    for (int i = 0; i < 5; ++i) {
        AbstractJob *job = scripted<TesselEngineJob>({QStringLiteral("sleep:300"), QStringLiteral("exit:0")});
        job->setRowId(quint64(i));
        connect(job, &QProcess::started, this, [&started, &mostRunning, &queue, job] {
            started << job;
            mostRunning = std::max(mostRunning, queue.running());
        });
        queue.addJob(job);
    }
    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    QSignalSpy ends(&queue, &JobsManage::sigJobFinished);
    queue.startPendingJobs();
    QCOMPARE(queue.running(), 2);
    QVERIFY(all.wait(20000));
    QCOMPARE(all.count(), 1);
    QCOMPARE(ends.count(), 5);
    // Two engines that start at nearly the same moment may report it in either order; the
    // queue starts every job once, the first two first.
    const QList<AbstractJob *> jobs = queue.jobs();
    QCOMPARE(started.size(), jobs.size());
    QCOMPARE(QSet<AbstractJob *>(started.begin(), started.end()), QSet<AbstractJob *>(jobs.begin(), jobs.end()));
    QVERIFY(started.mid(0, 2).contains(jobs.at(0)) && started.mid(0, 2).contains(jobs.at(1)));
    QCOMPARE(mostRunning, 2);
    QCOMPARE(queue.running(), 0);
}

void TestJobs::queueCountsARepeatedEndOnceAndRunsFollowUps()
{
    QTemporaryDir folder;
    const auto intermediateFile = [&folder](const QString &name) {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    };
    const QString merged = intermediateFile(QStringLiteral("merged.mp4"));
    const QString failedMerge = intermediateFile(QStringLiteral("kept.mp4"));

    JobsManage queue;
    queue.setLimit(1);
    QList<AbstractJob *> followed;
    const auto split = [&](AbstractJob &job) {
        followed << &job;
        // A follow-up adds work of its own behind the job that ended.
        queue.addJob(scripted<TesselEngineJob>({QStringLiteral("exit:0")}));
    };
    AbstractJob *conversion = scripted<TesselEngineJob>({QStringLiteral("exit:0")});
    conversion->setAfterSuccess(split);
    AbstractJob *failedConversion = scripted<TesselEngineJob>({QStringLiteral("exit:1")});
    failedConversion->setAfterSuccess(split);
    AbstractJob *merge = scripted<TesselEngineJob>({QStringLiteral("exit:0")});
    merge->setAfterSuccess([merged](AbstractJob &) { QFile::remove(merged); });
    AbstractJob *brokenMerge = scripted<TesselEngineJob>({QStringLiteral("exit:2")});
    brokenMerge->setAfterSuccess([failedMerge](AbstractJob &) { QFile::remove(failedMerge); });
    for (AbstractJob *job : {conversion, failedConversion, merge, brokenMerge})
        queue.addJob(job);
    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    QSignalSpy ends(&queue, &JobsManage::sigJobFinished);
    queue.startPendingJobs();
    QVERIFY(all.wait(20000));

    // Only a successful job hands its output on; a failed one keeps its inputs.
    QCOMPARE(followed, QList<AbstractJob *>{conversion});
    QCOMPARE(queue.jobs().size(), 5);
    QCOMPARE(ends.at(1).at(1).value<JobOutcome>(), JobOutcome::Failed);
    QVERIFY(!QFileInfo::exists(merged));
    QVERIFY(QFileInfo::exists(failedMerge));

    queue.onFinished(merge, true, QString());
    QCOMPARE(all.count(), 1);
    QCOMPARE(ends.count(), 5);
    QCOMPARE(queue.running(), 0);
}

void TestJobs::queueStopAllEndsEveryEngine()
{
    JobsManage queue;
    queue.setLimit(3);
    queue.setStopGrace(300);
    QList<qint64> pids;
    for (int i = 0; i < 4; ++i)
        queue.addJob(scripted<TesselEngineJob>({QStringLiteral("hang")}));
    queue.startPendingJobs();
    for (AbstractJob *job : queue.jobs().mid(0, 3)) {
        QVERIFY(job->waitForStarted());
        // Each engine sets SIGTERM aside: only the kill after the grace ends it.
        QTRY_VERIFY(ignoresTerminate(job->processId()));
        pids << job->processId();
    }
    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    QSignalSpy ends(&queue, &JobsManage::sigJobFinished);
    QStringList logs;
    connect(&queue, &JobsManage::sigJobFinished, this, [&logs](AbstractJob *job) { logs << job->log(); });
    QElapsedTimer clock;
    clock.start();
    queue.stopAll();
    // The job that never started is dropped; the running ones end, killed after the grace.
    QVERIFY(queue.isStopping());
    QCOMPARE(queue.jobs().size(), 3);
    QVERIFY(all.wait(10000));
    QVERIFY(clock.elapsed() >= 250);
    QCOMPARE(all.count(), 1);
    QCOMPARE(ends.count(), 3);
    for (const QList<QVariant> &end : ends)
        QCOMPARE(end.at(1).value<JobOutcome>(), JobOutcome::Stopped);
    for (const QString &log : logs)
        QVERIFY2(log.contains(QLatin1String("Stopped by user at 00:00:0")), qPrintable(log));
    QVERIFY(queue.jobs().isEmpty());
    QCOMPARE(queue.running(), 0);
    QVERIFY(!queue.isStopping());
    for (qint64 pid : pids)
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessWatch::isAlive(pid), 2000);
}

void TestJobs::realConversionFillsTheRow()
{
    const QString source = TestMedia::clip(3.0);
    QVERIFY(!source.isEmpty());
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("converted.mp4"));

    JobsManage queue;
    QString status;
    QString size;
    connect(&queue, &JobsManage::sigJobProgress, this, [&](AbstractJob *, const QString &text, const QString &bytes) {
        if (!text.isEmpty())
            status = text;
        if (!bytes.isEmpty())
            size = bytes;
    });
    auto *job = new TesselEngineJob(QString(), {QStringLiteral("-i"), source, QStringLiteral("-c:v"),
                                                QStringLiteral("libx264"), QStringLiteral("-r"),
                                                QStringLiteral("25.000"), QStringLiteral("-y"), output});
    job->setFrameRate(25.0f);
    job->setDurationText(TimeConv::toEngineText(3000000));
    job->setOutputPath(output);
    QSignalSpy progress(job, &AbstractJob::progressUpdated);
    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    queue.addJob(job);
    queue.startPendingJobs();
    QCOMPARE(status, QStringLiteral("0% (--:--:--)"));
    QVERIFY(all.wait(60000));

    const QList<int> seen = percents(progress);
    QCOMPARE(seen.last(), 100);
    QVERIFY(std::is_sorted(seen.begin(), seen.end()));
    QCOMPARE(status, QStringLiteral("100% (%1)").arg(DisplayText::timeLeft(0)));
    QCOMPARE(size, DisplayText::fileSize(QFileInfo(output).size()));
    QVERIFY2(job->log().endsWith(QLatin1String("\n")) && job->log().contains(QLatin1String("Completed successfully in 00:00:")),
             qPrintable(job->log()));
    QVERIFY(qAbs(TestMedia::probeDuration(output) - 3.0) < 0.1);
}

void TestJobs::realMeltJobReachesHundred()
{
    const QString source = TestMedia::clip(3.0);
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("part.mp4"));
    std::unique_ptr<MeltEngineJob> job(
        new MeltEngineJob(QString(), {source, QStringLiteral("in='00:00:00:50'"), QStringLiteral("out='00:00:02:50'"),
                                      QStringLiteral("-consumer"), QStringLiteral("avformat:") + output,
                                      QStringLiteral("vcodec=libx264"), QStringLiteral("acodec=aac")}));
    QSignalSpy progress(job.get(), &AbstractJob::progressUpdated);
    job->start();
    QVERIFY(waitForEnd(*job));
    QCOMPARE(job->outcome(), JobOutcome::Succeeded);
    const QList<int> seen = percents(progress);
    QVERIFY(seen.size() > 2);
    QCOMPARE(seen.last(), 100);
    QVERIFY(qAbs(TestMedia::probeDuration(output) - 2.0) < 0.1);
}

QChar processState(const QString &statPath)
{
    QFile stat(statPath);
    if (!stat.open(QIODevice::ReadOnly))
        return QChar();
    const QString line = QString::fromLatin1(stat.readAll());
    return line.mid(line.lastIndexOf(QLatin1Char(')')) + 2, 1).at(0);
}

QChar processState(qint64 pid)
{
    return processState(QStringLiteral("/proc/%1/stat").arg(pid));
}

// Whether every thread of the process has come to a halt.
bool allThreadsStopped(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    const QStringList threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &thread : threads)
        if (processState(tasks.filePath(thread + QStringLiteral("/stat"))) != QLatin1Char('T'))
            return false;
    return !threads.isEmpty();
}

// A 720p conversion long enough to be caught in the middle.
TesselEngineJob *longConversion(const QString &output, int seconds)
{
    auto *job = new TesselEngineJob(
        QString(), {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("testsrc=size=1280x720:rate=25:duration=%1").arg(seconds), QStringLiteral("-c:v"),
                    QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
                    QStringLiteral("-threads"), QStringLiteral("1"), QStringLiteral("-y"), output});
    job->setDurationText(TimeConv::toEngineText(qint64(seconds) * 1000000));
    job->setOutputPath(output);
    return job;
}

void TestJobs::stoppedOutputIsSetAsidePlayable()
{
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("clip.mp4"));
    JobsManage queue;
    AbstractJob *job = longConversion(output, 30);
    QSignalSpy progress(job, &AbstractJob::progressUpdated);
    queue.addJob(job);
    queue.startPendingJobs();
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 3, 60000);
    const qint64 engine = ProcessWatch::childOf(job->processId());
    QVERIFY(engine != 0);

    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    QString lastSize;
    connect(&queue, &JobsManage::sigJobProgress, this,
            [&lastSize](AbstractJob *, const QString &, const QString &size) { lastSize = size; });
    QElapsedTimer clock;
    clock.start();
    queue.stopAll();
    QVERIFY(all.wait(20000));
    // The engine under the launcher ends with it, at once: no orphan goes on writing.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(!ProcessWatch::isAlive(engine), 2000);
    // Nothing unfinished under the name a finished file would have; the part that was
    // written is kept, playable, under a name that says what it is.
    QVERIFY(!QFileInfo::exists(output));
    const QString kept = folder.filePath(QStringLiteral("clip (unfinished).mp4"));
    QVERIFY(QFileInfo::exists(kept));
    const double duration = TestMedia::probeDuration(kept);
    QVERIFY2(duration > 0.0 && duration < 30.0, qPrintable(QString::number(duration)));
    QCOMPARE(lastSize, DisplayText::fileSize(QFileInfo(kept).size()));
}

void TestJobs::pauseFreezesTheEngineAndResumeFinishesTheFile()
{
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("paused.mp4"));
    JobsManage queue;
    queue.setLimit(1);
    AbstractJob *job = longConversion(output, 20);
    AbstractJob *next = scripted<TesselEngineJob>({QStringLiteral("exit:0")});
    QSignalSpy progress(job, &AbstractJob::progressUpdated);
    queue.addJob(job);
    queue.addJob(next);
    queue.startPendingJobs();
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 3, 60000);
    const qint64 engine = ProcessWatch::childOf(job->processId());
    QVERIFY(engine != 0);

    queue.pauseAll();
    QVERIFY(job->isPaused());
    QTRY_VERIFY_WITH_TIMEOUT(allThreadsStopped(engine), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(processState(job->processId()), QLatin1Char('T'), 5000);
    // Paused time is not working time: a second of it adds nothing to the estimate.
    const qint64 estimateBefore = job->estimateElapsedMs();
    QTest::qWait(1000);
    QVERIFY2(job->estimateElapsedMs() - estimateBefore < 500, qPrintable(QString::number(job->estimateElapsedMs())));
    // Nothing new starts while paused.
    queue.startPendingJobs();
    QCOMPARE(next->jobState(), JobState::NotStarted);

    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    queue.resumeAll();
    QVERIFY(!job->isPaused());
    QVERIFY(all.wait(120000));
    QCOMPARE(job->outcome(), JobOutcome::Succeeded);
    QCOMPARE(next->outcome(), JobOutcome::Succeeded);
    QVERIFY(qAbs(TestMedia::probeDuration(output) - 20.0) < 0.1);
}

BRINDLE_TEST_MAIN(TestJobs)
#include "test_jobs.moc"
