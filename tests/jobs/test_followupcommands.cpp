#include "app/taskedits.h"
#include "jobs/mergecommand.h"
#include "jobs/splitcommand.h"
#include "settings/configformat.h"
#include "followupfixtures.h"
#include "testfiles.h"
#include "testprofile.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>

using namespace FollowupFixtures;

Q_DECLARE_METATYPE(ConvertTask)

// The command lines of the work that follows a conversion; the real runs of the planned jobs
// are the follow-up run suite's.
class TestFollowupCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void meltMergeFollowsTheFormatAndNeverOverwrites();
    void splitRanges_data();
    void splitRanges();
    void plannedPartsKeepHundredthsAndDistinctNames();

private:
    FollowupSettings settings();
    QString outFolder() const { return m_folder->path() + QStringLiteral("/out"); }

    QScopedPointer<QTemporaryDir> m_folder;
    QHash<QString, MediaFacts> m_media;
    ConfigFormat m_format;
};

void TestFollowupCommands::init()
{
    m_folder.reset(new QTemporaryDir);
    QDir(m_folder->path()).mkpath(QStringLiteral("out"));
    QDir(m_folder->path()).mkpath(QStringLiteral("cache"));
    m_media.clear();
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("h264"), QStringLiteral("aac"));
}

FollowupSettings TestFollowupCommands::settings()
{
    FollowupSettings result;
    result.outPath = outFolder();
    result.cacheFolder = m_folder->path() + QStringLiteral("/cache");
    result.probe = [this](const QString &path) { return m_media.value(path); };
    return result;
}

// The real merge runs cover the ranges; a sound-only container, a set size, a hardware encoder,
// a taken name and the scratch file are seen here.
void TestFollowupCommands::meltMergeFollowsTheFormatAndNeverOverwrites()
{
    ConvertTask task;
    task.endings = {MergeEntry{QStringLiteral("/t/outro.mkv"), 0, kSecond}};
    m_format.vKeepWH = false;
    m_format.format = QStringLiteral("mp3");
    m_format.aCodec = QStringLiteral("mp3");
    const QString audioOnly = planMerge(task, QStringLiteral("/out/movie_Merge.mp4"), false, QString(), m_format,
                                        settings()).first().arguments.join(QLatin1Char(' '));
    QVERIFY2(audioOnly.endsWith(QLatin1String(" acodec=libmp3lame")), qPrintable(audioOnly));
    QVERIFY(!audioOnly.contains(QStringLiteral("vcodec")) && !audioOnly.contains(QStringLiteral("s=")));

    // Melt names a hardware encoder its own way; which one a choice gives is the plan's table.
    m_format.format = QStringLiteral("mp4");
    FollowupSettings nvidia = settings();
    nvidia.hardware.useHA = true;
    nvidia.hardware.h264NV = true;
    const QString input = outFolder() + QStringLiteral("/clip_Merge.mp4");
    const QString taken = TestFiles::write(outFolder() + QStringLiteral("/clip_MergeMerge.mp4"), QByteArray());
    const FollowupJob job = planMerge(task, input, true, QString(), m_format, nvidia).first();
    QVERIFY(job.arguments.contains(QStringLiteral("s=1280x720")));
    QVERIFY(job.arguments.contains(QStringLiteral("vcodec=h264_nvenc")));
    QVERIFY(job.outputPath != taken);
    QVERIFY(job.outputPath.startsWith(outFolder() + QStringLiteral("/clip_MergeMerge(")));
    QVERIFY(job.arguments.contains(QStringLiteral("avformat:") + job.outputPath));
    const auto *removal = dynamic_cast<const RemoveScratchFiles *>(job.afterwards.get());
    QVERIFY(removal && removal->files() == QStringList{input});

    // A merge whose list file cannot be written plans nothing.
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("copy"), QStringLiteral("copy"));
    FollowupSettings broken = settings();
    broken.cacheFolder = m_folder->path() + QStringLiteral("/missing/cache");
    task.endings = {MergeEntry{QStringLiteral("/t/e.mp4"), 0, 0}};
    QVERIFY(planMerge(task, QStringLiteral("/src/a.mp4"), true, QString(), m_format, broken).isEmpty());
}

void TestFollowupCommands::splitRanges_data()
{
    QTest::addColumn<ConvertTask>("task");
    QTest::addColumn<qint64>("duration");
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<QString>("ranges"); // "start-end suffix" in seconds, "; " between parts
    const auto split = [](int mode, int count, double clipLength, double sectionEnd) {
        ConvertTask task;
        task.splitMode = mode;
        task.splitCount = count;
        task.clipLength = qint64(clipLength * kSecond);
        task.sectionEnd = qint64(sectionEnd * kSecond);
        return task;
    };
    const qint64 ten = 10 * kSecond;
    QTest::newRow("three by count") << split(0, 3, 0, 0) << ten << true
                                    << "0-3.333333 _1; 3.333333-6.666666 _2; 6.666666-9.999999 _3";
    QTest::newRow("one by count") << split(0, 1, 0, 0) << ten << true << "0-10 _1";
    QTest::newRow("no count") << split(0, 0, 5, 0) << ten << false << "";
    QTest::newRow("by length, short last")
        << split(1, 0, 4, 0) << ten << true
        << "0-4 00-00-00_00-00-04; 4-8 00-00-04_00-00-08; 8-10 00-00-08_00-00-10";
    QTest::newRow("no length") << split(1, 4, 0, 0) << ten << false << "";
    QTest::newRow("length of unknown duration") << split(1, 0, 1, 0) << qint64(0) << true << "";
    QTest::newRow("section to the end") << split(2, 0, 2, 0) << ten << true << "2-10 00-00-02_00-00-10";
    QTest::newRow("section from the start, in hours")
        << split(2, 0, 0, 3723) << 4000 * kSecond << true << "0-3723 00-00-00_01-02-03";
    QTest::newRow("whole file is no section") << split(2, 0, 0, 0) << ten << false << "0-10 00-00-00_00-00-10";
    QTest::newRow("section backwards") << split(2, 0, 10, 1) << ten << false << "";
    // Chosen parts come before the mode's; one open to the end, a backward one left out.
    ConvertTask chosen = split(0, 5, 0, 0);
    chosen.splits = {{kSecond, 0}, {5 * kSecond, 2 * kSecond}, {0, 60 * kSecond}};
    QTest::newRow("chosen parts") << chosen << 30 * kSecond << true
                                  << "1-30 00-00-01_00-00-30; 0-60 00-00-00_00-01-00";
}

void TestFollowupCommands::splitRanges()
{
    QFETCH(ConvertTask, task);
    QFETCH(qint64, duration);
    QFETCH(bool, wanted);
    QFETCH(QString, ranges);
    QCOMPARE(wantsSplit(task), wanted);
    QStringList made;
    const auto seconds = [](qint64 us) { return QString::number(double(us) / kSecond, 'g', 7); };
    for (const SplitRange &range : ::splitRanges(task, duration))
        made << seconds(range.start) + QLatin1Char('-') + seconds(range.end) + QLatin1Char(' ') + range.nameSuffix;
    QCOMPARE(made.join(QStringLiteral("; ")), ranges);
    // The Split tab offers the mode's parts, never the ones already chosen.
    if (task.splits.isEmpty() && wanted)
        QCOMPARE(TaskEdits::splitParts(task, duration).size(), made.size());
    else if (!task.splits.isEmpty())
        QCOMPARE(TaskEdits::splitParts(task, duration).size(), task.splitCount);
}

void TestFollowupCommands::plannedPartsKeepHundredthsAndDistinctNames()
{
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("copy"), QStringLiteral("aac"));
    ConvertTask task;
    task.splits = {{65 * kSecond, 95 * kSecond + 250000}};
    m_media.insert(QStringLiteral("/src/movie.mp4"), {320, 240, 25, 100 * kSecond});
    QList<FollowupJob> jobs = planSplit(task, QStringLiteral("/src/movie.mp4"), m_format, settings());
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.first().arguments.mid(0, 4), QStringList({QStringLiteral("-ss"), QStringLiteral("00:01:05.00"),
                                                            QStringLiteral("-t"), QStringLiteral("00:00:30.25")}));
    QCOMPARE(jobs.first().durationText, QStringLiteral("00:00:30.25"));

    // Parts within one second share a time text; without a container the source's extension stays.
    task.splits = {{0, 400000}, {400000, 800000}, {800000, kSecond - 1}};
    m_format.format.clear();
    m_media.insert(QStringLiteral("/src/a.b/m.MKV"), {320, 240, 25, kSecond});
    jobs = planSplit(task, QStringLiteral("/src/a.b/m.MKV"), m_format, settings());
    QCOMPARE(jobs.size(), 3);
    QCOMPARE(jobs.at(0).outputPath, outFolder() + QStringLiteral("/m00-00-00_00-00-00.MKV"));
    QCOMPARE(jobs.at(1).outputPath, outFolder() + QStringLiteral("/m00-00-00_00-00-00_2.MKV"));
    QCOMPARE(jobs.at(2).outputPath, outFolder() + QStringLiteral("/m00-00-00_00-00-00_3.MKV"));
}

BRINDLE_TEST_MAIN(TestFollowupCommands)
#include "test_followupcommands.moc"
