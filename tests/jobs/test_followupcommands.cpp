#include "jobs/commandparts.h"
#include "jobs/encoderchoice.h"
#include "jobs/mergecommand.h"
#include "jobs/splitcommand.h"
#include "settings/configformat.h"
#include "followupfixtures.h"
#include "testprofile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

using namespace FollowupFixtures;

class TestFollowupCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void encoderFollowsHardwareChoice();
    void settingTextsGiveTheirLeadingValues();

    void meltMergeFollowsTheContainerAndSize();
    void meltMergeNeverOverwritesAndKeepsIntermediateForItsEnd();
    void mergeThroughTheFilterGraphSetsTheVolumeInIt();
    void mergeWithUnwritableCacheMakesNoJob();

    void splitDecision_data();
    void splitDecision();
    void splitRangesByMode();
    void splitEntriesComeFirst();
    void streamCopyPartKeepsHundredths();
    void partsWithinOneSecondGetDistinctNames();


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

void TestFollowupCommands::encoderFollowsHardwareChoice()
{
    HardwareChoice hardware;
    QCOMPARE(videoEncoderFor(QStringLiteral("h264"), hardware), QStringLiteral("libx264"));
    QCOMPARE(videoEncoderFor(QStringLiteral("h265"), hardware), QStringLiteral("libx265"));
    QCOMPARE(videoEncoderFor(QStringLiteral("xvid"), hardware), QStringLiteral("libxvid"));
    QCOMPARE(videoEncoderFor(QStringLiteral("mpeg2video"), hardware), QStringLiteral("mpeg2video"));

    hardware.useHA = true;
    QCOMPARE(videoEncoderFor(QStringLiteral("h265"), hardware), QStringLiteral("libx265"));
    hardware.h264NV = true;
    hardware.h264AMF = true;
    QCOMPARE(videoEncoderFor(QStringLiteral("h264"), hardware), QStringLiteral("h264_amf"));
    QCOMPARE(meltVideoCodecProperty(QStringLiteral("h265"), hardware), QStringLiteral("vcodec=libx265"));
    // The priority is a place in the list of families found: AMD AMF, NVIDIA.
    hardware.priorityUse = 1;
    QCOMPARE(meltVideoCodecProperty(QStringLiteral("h264"), hardware), QStringLiteral("vcodec=h264_nvenc"));
    hardware.h265AMF = true;
    QCOMPARE(videoEncoderFor(QStringLiteral("h265"), hardware), QStringLiteral("hevc_amf"));
    QCOMPARE(videoEncoderFor(QStringLiteral("h264_amf"), hardware), QStringLiteral("h264_amf"));

    QCOMPARE(meltAudioCodecProperty(QStringLiteral("mp3")), QStringLiteral("acodec=libmp3lame"));
    QCOMPARE(meltAudioCodecProperty(QStringLiteral("aac")), QStringLiteral("acodec=aac"));
}

void TestFollowupCommands::settingTextsGiveTheirLeadingValues()
{
    QCOMPARE(CommandParts::leadingInteger(QStringLiteral("128 kbps")), 128);
    QCOMPARE(CommandParts::leadingInteger(QStringLiteral("Auto")), 0);
    QCOMPARE(CommandParts::frameSizeOf(QStringLiteral("1280x720 (720p)")), QStringLiteral("1280x720"));
    ConfigFormat noContainer;
    noContainer.format.clear();
    QCOMPARE(CommandParts::outputExtension(noContainer, QStringLiteral("/a.b/movie.final.MKV")),
             QStringLiteral("MKV"));
}

// The real merge runs cover the ranges; a sound-only container and a set size are seen here.
void TestFollowupCommands::meltMergeFollowsTheContainerAndSize()
{
    ConvertTask task;
    task.endings = {mergeEntry(QStringLiteral("/t/outro.mkv"), 0, 0)};
    m_format.vKeepWH = false;
    m_format.format = QStringLiteral("mp3");
    m_format.aCodec = QStringLiteral("mp3");
    const QStringList audioOnly =
        planMerge(task, QStringLiteral("/out/movie_Merge.mp4"), false, QString(), m_format, settings()).first().arguments;
    QCOMPARE(audioOnly.last(), QStringLiteral("acodec=libmp3lame"));
    QVERIFY(!audioOnly.join(QLatin1Char(' ')).contains(QStringLiteral("vcodec")));
    QVERIFY(!audioOnly.join(QLatin1Char(' ')).contains(QStringLiteral("s=")));

    m_format.format = QStringLiteral("mp4");
    const QStringList resized =
        planMerge(task, QStringLiteral("/out/movie_Merge.mp4"), false, QString(), m_format, settings()).first().arguments;
    QVERIFY(resized.contains(QStringLiteral("s=1280x720")));
}

void TestFollowupCommands::meltMergeNeverOverwritesAndKeepsIntermediateForItsEnd()
{
    const QString input = outFolder() + QStringLiteral("/clip_Merge.mp4");
    QFile taken(outFolder() + QStringLiteral("/clip_MergeMerge.mp4"));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.close();
    ConvertTask task;
    task.endings = {mergeEntry(QStringLiteral("/t/e.mp4"), 0, kSecond)};

    const FollowupJob job = planMerge(task, input, true, QString(), m_format, settings()).first();
    QVERIFY(job.outputPath != taken.fileName());
    QVERIFY(job.outputPath.startsWith(outFolder() + QStringLiteral("/clip_MergeMerge(")));
    QVERIFY(job.arguments.contains(QStringLiteral("avformat:") + job.outputPath));
    QCOMPARE(scratchFilesOf(job), QStringList{input});
}

// ffmpeg takes a volume for a merge through the filter graph only, after the audio concat.
void TestFollowupCommands::mergeThroughTheFilterGraphSetsTheVolumeInIt()
{
    useCodecs(m_format, QStringLiteral("mkv"), QStringLiteral("copy"), QStringLiteral("ac3"));
    m_format.aVolume = 50;
    ConvertTask task;
    task.titleSequences = {mergeEntry(QStringLiteral("/t/a.mp4"), 0, 0)};
    task.endings = {mergeEntry(QStringLiteral("/t/c.mkv"), 0, 0)};
    const QStringList encoded = planMerge(task, QStringLiteral("/src/m.mp4"), false, QStringLiteral("320:240"),
                                          m_format, settings()).first().arguments;
    QVERIFY(encoded.value(encoded.indexOf(QStringLiteral("-filter_complex")) + 1)
                .endsWith(QLatin1String("concat=n=3:v=0:a=1,volume=0.5[a]")));
    QVERIFY(!encoded.contains(QStringLiteral("-af")));
}

void TestFollowupCommands::mergeWithUnwritableCacheMakesNoJob()
{
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("copy"), QStringLiteral("copy"));
    FollowupSettings broken = settings();
    broken.cacheFolder = m_folder->path() + QStringLiteral("/missing/cache");
    ConvertTask task;
    task.endings = {mergeEntry(QStringLiteral("/t/e.mp4"), 0, 0)};
    QVERIFY(planMerge(task, QStringLiteral("/src/a.mp4"), true, QString(), m_format, broken).isEmpty());
}

void TestFollowupCommands::splitDecision_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("clipLength");
    QTest::addColumn<qint64>("sectionEnd");
    QTest::addColumn<bool>("split");

    QTest::newRow("no parts") << 0 << 0 << qint64(5 * kSecond) << qint64(0) << false;
    QTest::newRow("one part") << 0 << 1 << qint64(0) << qint64(0) << true;
    QTest::newRow("zero length") << 1 << 4 << qint64(0) << qint64(0) << false;
    QTest::newRow("length") << 1 << 0 << qint64(kSecond) << qint64(0) << true;
    QTest::newRow("section from the start") << 2 << 0 << qint64(0) << qint64(10 * kSecond) << true;
    QTest::newRow("section to the end") << 2 << 0 << qint64(10 * kSecond) << qint64(0) << true;
    QTest::newRow("whole file is no section") << 2 << 0 << qint64(0) << qint64(0) << false;
    QTest::newRow("section backwards") << 2 << 0 << qint64(10 * kSecond) << qint64(kSecond) << false;
}

void TestFollowupCommands::splitDecision()
{
    QFETCH(int, mode);
    QFETCH(int, count);
    QFETCH(qint64, clipLength);
    QFETCH(qint64, sectionEnd);
    QFETCH(bool, split);
    ConvertTask task;
    task.splitMode = mode;
    task.splitCount = count;
    task.clipLength = clipLength;
    task.sectionEnd = sectionEnd;
    QCOMPARE(wantsSplit(task), split);
}

void TestFollowupCommands::splitRangesByMode()
{
    ConvertTask task;
    task.splitCount = 4;
    QList<SplitRange> ranges = splitRanges(task, 60 * kSecond);
    QCOMPARE(ranges.size(), 4);
    QCOMPARE(ranges.at(3).start, 45 * kSecond);
    QCOMPARE(ranges.at(3).end, 60 * kSecond);
    QCOMPARE(ranges.at(3).nameSuffix, QStringLiteral("_4"));
    QVERIFY(splitRanges(task, 0).isEmpty());

    task.splitMode = 1;
    task.clipLength = 25 * kSecond;
    ranges = splitRanges(task, 60 * kSecond);
    QCOMPARE(ranges.size(), 3);
    QCOMPARE(ranges.at(1).nameSuffix, QStringLiteral("00-00-25_00-00-50"));
    QCOMPARE(ranges.at(2).start, 50 * kSecond);
    QCOMPARE(ranges.at(2).end, 60 * kSecond);
    task.clipLength = 0;
    QVERIFY(splitRanges(task, 60 * kSecond).isEmpty());

    task.splitMode = 2;
    task.sectionEnd = 3723 * kSecond;
    ranges = splitRanges(task, 4000 * kSecond);
    QCOMPARE(ranges.size(), 1);
    QCOMPARE(ranges.first().start, 0);
    QCOMPARE(ranges.first().nameSuffix, QStringLiteral("00-00-00_01-02-03"));
    task.clipLength = 10 * kSecond;
    task.sectionEnd = 0;
    ranges = splitRanges(task, 40 * kSecond);
    QCOMPARE(ranges.first().end, 40 * kSecond);
}

void TestFollowupCommands::splitEntriesComeFirst()
{
    ConvertTask task;
    task.splitCount = 5;
    task.splits = {{kSecond, 0}, {5 * kSecond, 2 * kSecond}, {0, 60 * kSecond}};
    const QList<SplitRange> ranges = splitRanges(task, 30 * kSecond);
    QCOMPARE(ranges.size(), 2);
    QCOMPARE(ranges.at(0).end, 30 * kSecond);
    QCOMPARE(ranges.at(1).nameSuffix, QStringLiteral("00-00-00_00-01-00"));
}

void TestFollowupCommands::streamCopyPartKeepsHundredths()
{
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("copy"), QStringLiteral("aac"));
    ConvertTask task;
    task.splits = {{65 * kSecond, 95 * kSecond + 250000}};
    m_media.insert(QStringLiteral("/src/movie.mp4"), {320, 240, 25, 100 * kSecond});
    const QList<FollowupJob> jobs = planSplit(task, QStringLiteral("/src/movie.mp4"), m_format, settings());
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.first().arguments.mid(0, 4), QStringList({QStringLiteral("-ss"), QStringLiteral("00:01:05.00"),
                                                            QStringLiteral("-t"), QStringLiteral("00:00:30.25")}));
    QCOMPARE(jobs.first().durationText, QStringLiteral("00:00:30.25"));
}

void TestFollowupCommands::partsWithinOneSecondGetDistinctNames()
{
    ConvertTask task;
    task.splits = {{0, 400000}, {400000, 800000}, {800000, kSecond - 1}};
    m_media.insert(QStringLiteral("/src/m.mp4"), {320, 240, 25, kSecond});
    const QList<FollowupJob> jobs = planSplit(task, QStringLiteral("/src/m.mp4"), m_format, settings());
    QCOMPARE(jobs.size(), 3);
    QCOMPARE(jobs.at(0).outputPath, outFolder() + QStringLiteral("/m00-00-00_00-00-00.mp4"));
    QCOMPARE(jobs.at(1).outputPath, outFolder() + QStringLiteral("/m00-00-00_00-00-00_2.mp4"));
    QCOMPARE(jobs.at(2).outputPath, outFolder() + QStringLiteral("/m00-00-00_00-00-00_3.mp4"));
}

BRINDLE_TEST_MAIN(TestFollowupCommands)
#include "test_followupcommands.moc"
