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
#include <QTemporaryDir>

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

// The state letter of a process, "T" once it has stopped.
QChar processState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return QChar();
    const QString line = QString::fromLatin1(stat.readAll());
    return line.mid(line.lastIndexOf(QLatin1Char(')')) + 2, 1).at(0);
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
    void progressOfRecordedEngineOutput_data();
    void progressOfRecordedEngineOutput();
    void missingEngineEndsAsFailure();
    void queueRunsTwoAtATimeAndFollowsUpOnlySuccess();
    void pauseFreezesEnginesAndStopEndsEveryOne();
};

void TestJobs::progressOfRecordedEngineOutput_data()
{
    QTest::addColumn<QStringList>("script"); // what the engine writes, then how it ends
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QList<int>>("percents");
    QTest::addColumn<int>("projected"); // hundredths of a MB at the first report; -1 when not checked
    // Lines as ffmpeg printed them converting 40 s of 25 fps video. FFmpeg 6.1 brought "KiB" and
    // prints the same fields as 7.1; melt's lines tell its rows.
    const QString video = QStringLiteral("00:00:40.00");
    const auto failing = [](const char *line) { return QStringList{QString::fromLatin1(line) + "\\n", "exit:1"}; };
    QTest::newRow("5.1 video") << failing("frame=  335 fps=0.0 q=16.0 size=     256kB time=00:00:13.20 "
                                          "bitrate= 158.9kbits/s speed=  22x    ")
                               << video << QList<int>{0, 34} << 74;
    QTest::newRow("7.1 video") << failing("frame=  446 fps=0.0 q=16.0 size=     256KiB time=00:00:17.84 "
                                          "bitrate= 117.6kbits/s speed=35.7x    ")
                               << video << QList<int>{0, 45} << 56;
    QTest::newRow("7.1 last video line") << failing("frame= 1000 fps=972 q=-1.0 Lsize=    1089KiB time=00:00:40.00 "
                                                    "bitrate= 223.0kbits/s speed=38.9x    ")
                                         << video << QList<int>{0, 100} << 106;
    QTest::newRow("7.1 size not known")
        << failing("frame=  100 fps=0.0 q=0.0 size=N/A time=00:00:04.00 bitrate=N/A speed=N/A    ") << video
        << QList<int>{0, 10} << 0;
    // Frame 250 arrives in two pieces; read early, its first piece would say frame 25.
    QTest::newRow("line in two pieces")
        << QStringList{"frame=   25", "sleep:300",
                       "0 fps= 50 q=28.0 size=    1024kB time=00:00:10.00 bitrate= 838.9kbits/s speed=2x    \\r", "\\n",
                       "exit:0"}
        << video << QList<int>{0, 25, 100} << 400;
    // Nothing at zero time; a malformed time is 0 percent without a projection.
    QTest::newRow("sound only, then a malformed time")
        << QStringList{"size=       0kB time=00:00:00.00 bitrate=N/A speed=N/A\\n",
                       "size=     512kB time=00:00:05.00 bitrate= 838.9kbits/s speed=2x\\n",
                       "size=     600kB time=-00:00:00.02 bitrate= 838.9kbits/s speed=2x\\n", "exit:0"}
        << QStringLiteral("00:00:10.00") << QList<int>{0, 50, 0, 100} << 100;
    QTest::newRow("stream copy of unknown length")
        << QStringList{"frame=   50 fps=0.0 q=-1.0 size=     512kB time=00:00:02.00 bitrate=1.0kbits/s\\n", "exit:0"}
        << QStringLiteral("00:00:00.00") << QList<int>{0, 100} << -1;
    QTest::newRow("melt never goes down")
        << QStringList{"Current Frame:         25, percentage:          3\\n",
                       "Current Frame:         26, percentage:          2\\n",
                       "Current Frame:         27, percentage:          3\\n", "exit:0"}
        << QString() << QList<int>{0, 3, 3, 100} << -1;
    QTest::newRow("melt crash") << QStringList{"Current Frame:         50, percentage:          40\\n", "crash"}
                                << QString() << QList<int>{0, 40} << -1;
}

// The engines' own lines stay in the log; their progress lines become progress, never log.
void TestJobs::progressOfRecordedEngineOutput()
{
    QFETCH(QStringList, script);
    const bool melt = script.first().startsWith(QLatin1String("Current Frame:"));
    QFETCH(QString, duration);
    QFETCH(QList<int>, percents);
    QFETCH(int, projected);
    const QString exit = script.takeLast();
    script.prepend(QStringLiteral("Input #0 something\\n"));
    std::unique_ptr<AbstractJob> job;
    if (melt) {
        auto *meltJob = scripted<MeltEngineJob>(script << exit);
        meltJob->setProfileFrameRate(25, 1);
        job.reset(meltJob);
    } else {
        auto *tessel = scripted<TesselEngineJob>(script << exit);
        tessel->setFrameRate(25.0f);
        tessel->setDurationText(duration);
        job.reset(tessel);
    }
    QSignalSpy progress(job.get(), &AbstractJob::progressUpdated);
    QSignalSpy ended(job.get(), &AbstractJob::finished);
    job->start();
    QVERIFY(waitForEnd(*job));

    QCOMPARE(::percents(progress), percents);
    if (projected >= 0)
        QCOMPARE(progress.at(1).at(2).value<quint64>(), quint64(projected));
    for (const QList<QVariant> &report : progress)
        QVERIFY(report.at(1).toInt() > 0 || report.at(2).value<quint64>() == 0);
    QCOMPARE(ended.count(), 1);
    const QString log = job->log();
    QVERIFY2(log.startsWith(QLatin1String("Input #0 something\n")), qPrintable(log));
    QVERIFY(!log.contains(QLatin1String("frame=")) && !log.contains(QLatin1String("percentage")));
    if (exit == QLatin1String("exit:0")) {
        QCOMPARE(job->outcome(), JobOutcome::Succeeded);
        QVERIFY2(log.endsWith(QLatin1String("Completed successfully in 00:00:00\n")), qPrintable(log));
    } else if (exit == QLatin1String("crash")) {
        QCOMPARE(job->outcome(), JobOutcome::Failed);
        QCOMPARE(ended.at(0).at(2).toString(), QStringLiteral("00:00:02:00")); // frame 50 at 25 fps
    } else {
        QCOMPARE(job->outcome(), JobOutcome::Failed);
        QVERIFY2(log.endsWith(QStringLiteral("Failed with exit code %1\n").arg(exit.mid(5))), qPrintable(log));
    }
}

void TestJobs::missingEngineEndsAsFailure()
{
    std::unique_ptr<TesselEngineJob> missing(new TesselEngineJob(QString(), {}));
    missing->setEnginePath(QStringLiteral("/nonexistent/TesselEngine"));
    QSignalSpy missingEnd(missing.get(), &AbstractJob::finished);
    missing->start();
    QVERIFY(waitForEnd(*missing, 5000));
    QCOMPARE(missing->outcome(), JobOutcome::Failed);
    QCOMPARE(missingEnd.count(), 1);
    QVERIFY(missing->log().contains(QLatin1String("Failed to start /nonexistent/TesselEngine")));
}

void TestJobs::queueRunsTwoAtATimeAndFollowsUpOnlySuccess()
{
    JobsManage queue;
    queue.setLimit(0);
    QCOMPARE(queue.limit(), 1);
    queue.setLimit(2);

    QList<AbstractJob *> started;
    QList<AbstractJob *> followed;
    int mostRunning = 0;
    const auto add = [&](const QString &exit, const std::function<void(AbstractJob &)> &afterSuccess) {
        AbstractJob *job = scripted<TesselEngineJob>({QStringLiteral("sleep:300"), exit});
        connect(job, &QProcess::started, this, [&started, &mostRunning, &queue, job] {
            started << job;
            mostRunning = std::max(mostRunning, queue.running());
        });
        job->setAfterSuccess(afterSuccess);
        queue.addJob(job);
        return job;
    };
    // A follow-up adds work of its own behind the job that ended.
    const auto split = [&](AbstractJob &job) {
        followed << &job;
        queue.addJob(scripted<TesselEngineJob>({QStringLiteral("exit:0")}));
    };
    AbstractJob *conversion = add(QStringLiteral("exit:0"), split);
    add(QStringLiteral("exit:1"), split);
    AbstractJob *plain = add(QStringLiteral("exit:0"), nullptr);
    add(QStringLiteral("exit:2"), nullptr);
    add(QStringLiteral("exit:0"), nullptr);
    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    QSignalSpy ends(&queue, &JobsManage::sigJobFinished);
    queue.startPendingJobs();
    QCOMPARE(queue.running(), 2);
    QVERIFY(all.wait(20000));
    QCOMPARE(all.count(), 1);
    QCOMPARE(ends.count(), 6);
    // Two engines that start at nearly the same moment may report it in either order; the
    // queue starts every job once, the first two first.
    const QList<AbstractJob *> jobs = queue.jobs();
    QCOMPARE(started.size(), 5);
    QCOMPARE(QSet<AbstractJob *>(started.begin(), started.end()).size(), 5);
    QVERIFY(started.mid(0, 2).contains(jobs.at(0)) && started.mid(0, 2).contains(jobs.at(1)));
    QCOMPARE(mostRunning, 2);

    // Only a successful job's follow-up runs; after a failure the follow-up's inputs stay as they are.
    QCOMPARE(followed, QList<AbstractJob *>{conversion});
    QCOMPARE(jobs.size(), 6);
    int failed = 0;
    for (const QList<QVariant> &end : ends)
        failed += end.at(1).value<JobOutcome>() == JobOutcome::Failed ? 1 : 0;
    QCOMPARE(failed, 2);

    // An end reported twice counts once.
    queue.onFinished(plain, true, QString());
    QCOMPARE(all.count(), 1);
    QCOMPARE(ends.count(), 6);
    QCOMPARE(queue.running(), 0);
}

// A real 720p conversion long enough to be caught in the middle, beside engines that set
// SIGTERM aside: pause freezes them all, resume lets the real one go on and the next start, and
// a stop ends the real one at once and the others by a kill after the grace.
void TestJobs::pauseFreezesEnginesAndStopEndsEveryOne()
{
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("clip.mp4"));
    auto *job = new TesselEngineJob(
        QString(), {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("testsrc=size=1280x720:rate=25:duration=30"), QStringLiteral("-c:v"),
                    QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
                    QStringLiteral("-threads"), QStringLiteral("1"), QStringLiteral("-y"), output});
    job->setDurationText(TimeConv::toEngineText(30 * 1000000LL));
    job->setOutputPath(output);
    const int grace = 5000;
    JobsManage queue;
    queue.setLimit(4);
    queue.setStopGrace(grace);
    QSignalSpy progress(job, &AbstractJob::progressUpdated);
    queue.addJob(job);
    for (int i = 0; i < 2; ++i)
        queue.addJob(scripted<TesselEngineJob>({QStringLiteral("hang")}));
    queue.startPendingJobs();
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 3, 60000);
    const qint64 engine = ProcessWatch::childOf(job->processId());
    QVERIFY(engine != 0);
    QList<qint64> pids{engine};
    for (AbstractJob *hanging : queue.jobs().mid(1))
        pids << hanging->processId();

    queue.pauseAll();
    QTRY_COMPARE_WITH_TIMEOUT(processState(engine), QLatin1Char('T'), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(processState(job->processId()), QLatin1Char('T'), 5000);
    // Paused time is not working time: a second of it adds nothing to the estimate.
    const qint64 estimateBefore = job->estimateElapsedMs();
    QTest::qWait(1000);
    QVERIFY2(job->estimateElapsedMs() - estimateBefore < 500, qPrintable(QString::number(job->estimateElapsedMs())));
    // Nothing new starts while paused. On resume a short conversion starts and runs to its end
    // beside the long one, with the texts its row shows; the window's runs check its size text.
    const QString shortOutput = folder.filePath(QStringLiteral("short.mp4"));
    auto *late = new TesselEngineJob(QString(), {QStringLiteral("-i"), TestMedia::clip(3.0), QStringLiteral("-c:v"),
                                                 QStringLiteral("libx264"), QStringLiteral("-y"), shortOutput});
    late->setFrameRate(25.0f);
    late->setDurationText(TimeConv::toEngineText(3000000));
    late->setOutputPath(shortOutput);
    QStringList lateStatus;
    connect(&queue, &JobsManage::sigJobProgress, this, [&, late](AbstractJob *from, const QString &text) {
        if (from == late && !text.isEmpty())
            lateStatus << text;
    });
    queue.addJob(late);
    queue.startPendingJobs();
    QCOMPARE(late->jobState(), JobState::NotStarted);
    const int beforeResume = progress.count();
    queue.resumeAll();
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() > beforeResume + 1, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(late->outcome(), JobOutcome::Succeeded, 60000);
    QCOMPARE(lateStatus.value(0), QStringLiteral("0% (--:--:--)"));
    QCOMPARE(lateStatus.value(lateStatus.size() - 1), QStringLiteral("100% (%1)").arg(DisplayText::timeLeft(0)));
    QVERIFY(qAbs(TestMedia::probeDuration(shortOutput) - 3.0) < 0.1);
    // Added now, the next job waits for a start that never comes: the stop drops it.
    queue.addJob(scripted<TesselEngineJob>({QStringLiteral("exit:0")}));

    QSignalSpy all(&queue, &JobsManage::sigAllCompleted);
    QSignalSpy ends(&queue, &JobsManage::sigJobFinished);
    QElapsedTimer clock;
    clock.start();
    qint64 realEnd = -1;
    QStringList logs;
    connect(&queue, &JobsManage::sigJobFinished, this, [&](AbstractJob *ended) {
        logs << ended->log();
        if (ended == job)
            realEnd = clock.elapsed();
    });
    queue.stopAll();
    // The job that never started is dropped; the running ones all end as stopped.
    QVERIFY(queue.isStopping());
    QCOMPARE(queue.jobs().size(), 4);
    QVERIFY(all.wait(grace + 10000));
    // The grace's timer is a coarse one, which may fire up to 5 % early.
    QVERIFY2(clock.elapsed() >= grace * 19 / 20, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ends.count(), 3);
    for (const QList<QVariant> &end : ends)
        QCOMPARE(end.at(1).value<JobOutcome>(), JobOutcome::Stopped);
    for (const QString &log : logs)
        QVERIFY2(log.contains(QLatin1String("Stopped by user at 00:00:")), qPrintable(log));
    QVERIFY(queue.jobs().isEmpty() && !queue.isStopping());
    QCOMPARE(queue.running(), 0);
    // The engine under the launcher ends with it, at once: no orphan goes on writing.
    QVERIFY2(realEnd >= 0 && realEnd < 2500, qPrintable(QString::number(realEnd)));
    for (qint64 pid : pids)
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessWatch::isAlive(pid), 2000);
    // Nothing unfinished under the name a finished file would have; the part that was
    // written is kept, playable, under a name that says what it is; its size text is the window's.
    QVERIFY(!QFileInfo::exists(output));
    const QString kept = folder.filePath(QStringLiteral("clip (unfinished).mp4"));
    const double duration = TestMedia::probeDuration(kept);
    QVERIFY2(duration > 0.0 && duration < 30.0, qPrintable(QString::number(duration)));
}

BRINDLE_TEST_MAIN(TestJobs)
#include "test_jobs.moc"
