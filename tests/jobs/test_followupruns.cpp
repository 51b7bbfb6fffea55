#include "jobs/followupwork.h"
#include "jobs/jobsmanage.h"
#include "jobs/tesselenginejob.h"
#include "followupfixtures.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace FollowupFixtures;

namespace {
// The merge after a conversion, scaled to the size of the test clips.
FollowUpPtr mergeOutput()
{
    return std::make_shared<MergeOutput>(QStringLiteral("320:240"));
}

}

class TestFollowupRuns : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void rowsWithFollowupWorkLeaveOnlyTheirResults();
    void failuresSourcesAndCopiedMerges();

private:
    FollowupSettings settings() const;
    QString outFolder() const { return m_folder->path() + QStringLiteral("/out"); }
    QString music(int which) const;
    AbstractJob *conversion(FollowupWork &work, const QString &source, const QString &output, FollowUpPtr afterwards,
                            int row) const;
    int runQueue(JobsManage &queue);
    FollowupWork *installFollowupWork(JobsManage &queue);

    QScopedPointer<QTemporaryDir> m_folder;
    ConfigFormat m_format;
    QList<ConvertTask> m_tasks;
};

void TestFollowupRuns::init()
{
    m_folder.reset(new QTemporaryDir);
    QDir(m_folder->path()).mkpath(QStringLiteral("out"));
    QDir(m_folder->path()).mkpath(QStringLiteral("cache"));
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("h264"), QStringLiteral("aac"));
}

FollowupSettings TestFollowupRuns::settings() const
{
    FollowupSettings result;
    result.outPath = outFolder();
    result.cacheFolder = m_folder->path() + QStringLiteral("/cache");
    result.probe = probeMediaFacts;
    return result;
}

QString TestFollowupRuns::music(int which) const
{
    if (which == 0)
        return TestMedia::make("music-1.5s.mp3", {"-f", "lavfi", "-i", "sine=frequency=600:sample_rate=22050:duration=1.5",
                                                  "-c:a", "libmp3lame"});
    return TestMedia::make("music-2s.wav", {"-f", "lavfi", "-i", "sine=frequency=700:sample_rate=22050:duration=2"});
}

// A conversion that only copies the streams: what matters here is the work after it.
AbstractJob *TestFollowupRuns::conversion(FollowupWork &work, const QString &source, const QString &output,
                                          FollowUpPtr afterwards, int row) const
{
    const QString outputPath = outFolder() + QLatin1Char('/') + output;
    auto *job = new TesselEngineJob(QString(), {QStringLiteral("-i"), source, QStringLiteral("-c"),
                                                QStringLiteral("copy"), QStringLiteral("-y"), outputPath});
    job->setDurationText(QStringLiteral("00:00:04.00"));
    job->setOutputPath(outputPath);
    work.attach(*job, std::move(afterwards));
    job->setRowId(quint64(row));
    return job;
}

// Runs the queue with the follow-up work installed until nothing is left; gives the jobs that
// did not succeed.
int TestFollowupRuns::runQueue(JobsManage &queue)
{
    QSignalSpy done(&queue, &JobsManage::sigAllCompleted);
    int failures = 0;
    connect(&queue, &JobsManage::sigJobFinished, this, [&failures](AbstractJob *job, JobOutcome outcome) {
        if (outcome != JobOutcome::Succeeded) {
            ++failures;
            qDebug().noquote() << "failed as planned:" << job->engineArguments().join(QLatin1Char(' '));
        }
    });
    queue.startPendingJobs();
    if (!done.wait(240000))
        return -1;
    return failures;
}

FollowupWork *TestFollowupRuns::installFollowupWork(JobsManage &queue)
{
    auto *work = new FollowupWork([this](quint64 row) { return std::optional<ConvertTask>(m_tasks.value(int(row))); });
    work->install(queue);
    // The run's snapshot: the format as saved, the settings of this test.
    RunSnapshot snapshot;
    snapshot.format = RunSnapshot::storedFormat();
    snapshot.settings = settings();
    work->beginRun(snapshot);
    return work;
}

void TestFollowupRuns::rowsWithFollowupWorkLeaveOnlyTheirResults()
{
    m_format.save();
    m_tasks = QList<ConvertTask>{ConvertTask(), ConvertTask(), ConvertTask(), ConvertTask()};
    m_tasks[0].start = 0;
    m_tasks[0].end = 4 * kSecond;
    m_tasks[0].titleSequences = {MergeEntry{TestMedia::clip(2), 0, 0}};
    m_tasks[0].endings = {MergeEntry{TestMedia::clip(3), kSecond, 3 * kSecond}};
    m_tasks[1].splitCount = 3;
    m_tasks[2].music = QStringList{music(0), music(1)};
    m_tasks[3].music = QStringList{music(1)};
    JobsManage queue;
    queue.setLimit(2);
    FollowupWork *work = installFollowupWork(queue);

    queue.addJob(conversion(*work, TestMedia::clip(4), QStringLiteral("a's, take 1_Merge.mp4"), mergeOutput(), 0));
    queue.addJob(conversion(*work, TestMedia::clip(3), QStringLiteral("b_Split.mp4"), std::make_shared<SplitOutput>(), 1));
    queue.addJob(conversion(*work, TestMedia::clip(4), QStringLiteral("c_Music.mp4"), std::make_shared<AddSoundtrack>(), 2));
    queue.addJob(conversion(*work, TestMedia::clip(2), QStringLiteral("d_Music.mp4"), std::make_shared<AddSoundtrack>(), 3));
    QCOMPARE(runQueue(queue), 0);
    QCOMPARE(queue.jobs().size(), 4 + 1 + 3 + 2 + 1);

    // The converted "_Split." file and the "_Music." file mixed with a single music file are
    // outputs too; the joined music, the converted file it was mixed with and the converted file
    // a merge consumed are not.
    QCOMPARE(QDir(outFolder()).entryList(QDir::Files, QDir::Name),
             QStringList({"a's, take 1_MergeMerge.mp4", "b_Split.mp4", "b_Split_1.mp4", "b_Split_2.mp4",
                          "b_Split_3.mp4", "c_MusicMix.mp4", "d_Music.mp4", "d_MusicMix.mp4"}));
    // The picture is the converted one; the sound comes from the music.
    const QString joined = outFolder() + QStringLiteral("/c_MusicMix.mp4");
    QCOMPARE(TestMedia::probeStream(joined, "v", "width"), QStringLiteral("320"));
    QCOMPARE(TestMedia::probeStream(joined, "a", "codec_name"), QStringLiteral("mp3"));
    const QString single = outFolder() + QStringLiteral("/d_MusicMix.mp4");
    QCOMPARE(TestMedia::probeStream(single, "a", "codec_name"), QStringLiteral("aac"));
    QCOMPARE(TestMedia::probeStream(single, "a", "sample_rate"),
             QStringLiteral("22050"));
    QVERIFY(qAbs(TestMedia::probeDuration(outFolder() + QStringLiteral("/a's, take 1_MergeMerge.mp4")) - 8.0) < 0.25);
    QVERIFY(qAbs(TestMedia::probeDuration(outFolder() + QStringLiteral("/b_Split_2.mp4")) - 1.0) < 0.15);
    QVERIFY(qAbs(TestMedia::probeDuration(outFolder() + QStringLiteral("/c_MusicMix.mp4")) - 3.5) < 0.3);
    QCOMPARE(QDir(settings().cacheFolder).entryList(QDir::Files), QStringList());
}

// With stream copy: steps that fail keep their inputs, sources without a conversion are cut
// and joined where they are, and an ending of another size and container joins through the
// filter graph.
void TestFollowupRuns::failuresSourcesAndCopiedMerges()
{
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("copy"), QStringLiteral("copy"));
    m_format.save();
    // The merge's list file quotes the name for the concat reader.
    const QString source = m_folder->path() + QStringLiteral("/Überfahrt 'Nord', Teil 2.mp4");
    QVERIFY(QFile::copy(TestMedia::clip(5), source));
    const QString notMusic = TestFiles::write(m_folder->path() + QStringLiteral("/notes.mp3"), "not a sound");
    const QString ending = TestMedia::make("small-2s.mkv", {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=30:duration=2",
                                                            "-f", "lavfi", "-i", "sine=frequency=880:duration=2", "-c:v",
                                                            "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
    QVERIFY(!notMusic.isEmpty() && !ending.isEmpty());
    m_tasks = QList<ConvertTask>{ConvertTask(), ConvertTask(), ConvertTask(), ConvertTask(), ConvertTask(),
                                 ConvertTask()};
    m_tasks[0].endings = {MergeEntry{m_folder->path() + QStringLiteral("/missing.mkv"), 0, 0}};
    m_tasks[1].splitCount = 2;
    m_tasks[2].music = QStringList{notMusic};
    m_tasks[3].splitMode = 2;
    m_tasks[3].sectionEnd = 2 * kSecond;
    m_tasks[4].endings = {MergeEntry{TestMedia::clip(2), 0, 0}};
    m_tasks[5].titleSequences = {MergeEntry{TestMedia::clip(3), 0, 0}};
    m_tasks[5].endings = {MergeEntry{ending, 0, 0}};

    JobsManage queue;
    FollowupWork *work = installFollowupWork(queue);
    queue.addJob(conversion(*work, TestMedia::clip(4), QStringLiteral("a_Merge.mp4"), mergeOutput(), 0));
    queue.addJob(conversion(*work, m_folder->path() + QStringLiteral("/missing.mp4"), QStringLiteral("b_Split.mp4"),
                            std::make_shared<SplitOutput>(), 1));
    queue.addJob(conversion(*work, TestMedia::clip(3), QStringLiteral("c_Music.mp4"), std::make_shared<AddSoundtrack>(), 2));
    QCOMPARE(work->addSourceSplit({3, source, QString()}), 1);
    QCOMPARE(work->addSourceMerge({4, source, QStringLiteral("320:240")}), 1);
    queue.addJob(conversion(*work, TestMedia::clip(4), QStringLiteral("e_Merge.mp4"), mergeOutput(), 5));
    QCOMPARE(runQueue(queue), 3);

    const QString part = QStringLiteral("Überfahrt 'Nord', Teil 200-00-00_00-00-02.mp4");
    const QString merged = QStringLiteral("Überfahrt 'Nord', Teil 2Merge.mp4");
    QCOMPARE(QDir(outFolder()).entryList(QDir::Files, QDir::Name),
             QStringList({"a_Merge.mp4", "c_Music.mp4", "e_MergeMerge.mp4", part, merged}));
    QVERIFY(qAbs(TestMedia::probeDuration(outFolder() + QLatin1Char('/') + part) - 2.0) < 0.15);
    QVERIFY(qAbs(TestMedia::probeDuration(outFolder() + QLatin1Char('/') + merged) - 7.0) < 0.15);
    QVERIFY(QFile::exists(source));
    const QString copied = outFolder() + QStringLiteral("/e_MergeMerge.mp4");
    QVERIFY(qAbs(TestMedia::probeDuration(copied) - 9.0) < 0.15);
    QCOMPARE(TestMedia::probeStream(copied, "v", "width"), QStringLiteral("320"));
    const QList<AbstractJob *> jobs = queue.jobs();
    const auto join = std::find_if(jobs.begin(), jobs.end(), [&](AbstractJob *job) { return job->outputPath() == copied; });
    QVERIFY(join != jobs.end() && (*join)->engineArguments().contains(QStringLiteral("-filter_complex")));
    QCOMPARE(QDir(settings().cacheFolder).entryList(QDir::Files), QStringList());
}

BRINDLE_TEST_MAIN(TestFollowupRuns)
#include "test_followupruns.moc"
