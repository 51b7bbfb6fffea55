#include "jobs/commandparts.h"
#include "jobs/encoderchoice.h"
#include "jobs/mergecommand.h"
#include "jobs/soundtrackcommand.h"
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

    void meltMergeHonoursRangesOfEveryFile();
    void meltMergeNeverOverwritesAndKeepsIntermediateForItsEnd();
    void copyMergeOfMp4FilesWritesOwnListInCache();
    void copyMergeWithOtherContainerUsesConcatFilterGraph();
    void mergeWithUnwritableCacheMakesNoJob();

    void splitDecision_data();
    void splitDecision();
    void splitRangesByMode();
    void splitEntriesComeFirst();
    void streamCopyPartKeepsHundredths();
    void meltPartsOfAConversionShareTheirInput();
    void partsWithinOneSecondGetDistinctNames();

    void soundtrackWithOneMusicFileMixesAtOnce();
    void soundtrackWithSeveralFilesJoinsThenMixes();

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

void TestFollowupCommands::meltMergeHonoursRangesOfEveryFile()
{
    ConvertTask task;
    task.sourcePath = QStringLiteral("/src/movie.mov");
    task.start = 2 * kSecond;
    task.end = 62 * kSecond + 340000;
    task.titleSequences = {mergeEntry(QStringLiteral("/t/intro.mp4"), 500000, 3 * kSecond)};
    task.endings = {mergeEntry(QStringLiteral("/t/outro, final's.mkv"), 0, 0)};
    m_media.insert(QStringLiteral("/t/intro.mp4"), {640, 360, 30, 5 * kSecond});
    m_media.insert(QStringLiteral("/out/movie_Merge.mp4"), {320, 240, 25, 70 * kSecond});
    m_media.insert(QStringLiteral("/t/outro, final's.mkv"), {320, 240, 24, 4 * kSecond + 120000});

    const QList<FollowupJob> jobs =
        planMerge(task, QStringLiteral("/out/movie_Merge.mp4"), false, QStringLiteral("320:240"), m_format, settings());
    QCOMPARE(jobs.size(), 1);
    const FollowupJob &job = jobs.first();
    QCOMPARE(job.engine, FollowupJob::Engine::Melt);
    QCOMPARE(job.outputPath, outFolder() + QStringLiteral("/movie_MergeMerge.mp4"));
    QCOMPARE(job.arguments,
             QStringList({QStringLiteral("/t/intro.mp4"), QStringLiteral("in='00:00:00:50'"),
                          QStringLiteral("out='00:00:03:00'"), QStringLiteral("/out/movie_Merge.mp4"),
                          QStringLiteral("in='00:00:02:00'"), QStringLiteral("out='00:01:02:34'"),
                          QStringLiteral("/t/outro, final's.mkv"), QStringLiteral("in='00:00:00:00'"),
                          QStringLiteral("out='00:00:04:12'"), QStringLiteral("-consumer"),
                          QStringLiteral("avformat:") + job.outputPath, QStringLiteral("vcodec=libx264"),
                          QStringLiteral("s=320x240"), QStringLiteral("acodec=aac")}));
    QCOMPARE(job.frameRate, 24.0);
    QVERIFY(!job.afterwards);

    m_format.vKeepWH = false;
    m_format.format = QStringLiteral("mp3");
    m_format.aCodec = QStringLiteral("mp3");
    const QStringList audioOnly =
        planMerge(task, QStringLiteral("/out/movie_Merge.mp4"), false, QString(), m_format, settings()).first().arguments;
    QVERIFY(audioOnly.last() == QStringLiteral("acodec=libmp3lame"));
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

void TestFollowupCommands::copyMergeOfMp4FilesWritesOwnListInCache()
{
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("copy"), QStringLiteral("aac"));
    ConvertTask task;
    task.titleSequences = {mergeEntry(QStringLiteral("/t/it's.mp4"), kSecond, 2 * kSecond)};
    task.endings = {mergeEntry(QStringLiteral("/t/end.MP4"), 0, kSecond)};
    m_media.insert(QStringLiteral("/t/it's.mp4"), {320, 240, 25, 3 * kSecond});
    m_media.insert(QStringLiteral("/src/a.mp4"), {320, 240, 25, 4 * kSecond});
    m_media.insert(QStringLiteral("/t/end.MP4"), {320, 240, 30, 2 * kSecond + 500000});

    const FollowupJob first = planMerge(task, QStringLiteral("/src/a.mp4"), false, QString(), m_format, settings()).first();
    const FollowupJob second = planMerge(task, QStringLiteral("/src/a.mp4"), true, QString(), m_format, settings()).first();
    QCOMPARE(first.engine, FollowupJob::Engine::Tessel);
    const QString listFile = first.arguments.value(5);
    QCOMPARE(first.arguments,
             QStringList({QStringLiteral("-f"), QStringLiteral("concat"), QStringLiteral("-safe"), QStringLiteral("0"),
                          QStringLiteral("-i"), listFile, QStringLiteral("-c"), QStringLiteral("copy"),
                          QStringLiteral("-y"), outFolder() + QStringLiteral("/aMerge.mp4")}));
    QVERIFY(listFile.startsWith(settings().cacheFolder + QStringLiteral("/MergerTemp")));
    QVERIFY(second.arguments.value(5) != listFile);
    QVERIFY(QFile::exists(second.arguments.value(5)));

    QFile list(listFile);
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(list.readAll()),
             QStringLiteral("file '/t/it'\\''s.mp4'\nfile '/src/a.mp4'\nfile '/t/end.MP4'\n"));
    QCOMPARE(first.durationText, QStringLiteral("00:00:09.50"));
    QCOMPARE(first.frameRate, 30.0);
    QCOMPARE(scratchFilesOf(first), QStringList{listFile});
    QCOMPARE(scratchFilesOf(second).value(0), QStringLiteral("/src/a.mp4"));
}

void TestFollowupCommands::copyMergeWithOtherContainerUsesConcatFilterGraph()
{
    useCodecs(m_format, QStringLiteral("mp4"), QStringLiteral("copy"), QStringLiteral("copy"));
    ConvertTask task;
    task.titleSequences = {mergeEntry(QStringLiteral("/t/a.mp4"), 0, 0), mergeEntry(QStringLiteral("/t/b.mp4"), 0, 0)};
    task.endings = {mergeEntry(QStringLiteral("/t/c.mkv"), 0, 0)};
    m_media.insert(QStringLiteral("/t/c.mkv"), {160, 120, 29.97, 2 * kSecond});

    const FollowupJob job = planMerge(task, QStringLiteral("/src/m.mp4"), false, QStringLiteral("320:240"), m_format,
                                     settings()).first();
    QCOMPARE(job.engine, FollowupJob::Engine::Tessel);
    QCOMPARE(job.arguments,
             QStringList({QStringLiteral("-i"), QStringLiteral("/t/a.mp4"), QStringLiteral("-i"),
                          QStringLiteral("/t/b.mp4"), QStringLiteral("-i"), QStringLiteral("/src/m.mp4"),
                          QStringLiteral("-i"), QStringLiteral("/t/c.mkv"), QStringLiteral("-filter_complex"),
                          QStringLiteral("[0:v]scale=320:240,setsar=1[v0];[1:v]scale=320:240,setsar=1[v1];"
                                         "[2:v]scale=320:240,setsar=1[v2];[3:v]scale=320:240,setsar=1[v3];"
                                         "[v0][v1][v2][v3]concat=n=4:v=1:a=0[v];"
                                         "[0:a][1:a][2:a][3:a]concat=n=4:v=0:a=1[a]"),
                          QStringLiteral("-map"), QStringLiteral("[v]"), QStringLiteral("-map"), QStringLiteral("[a]"),
                          QStringLiteral("-r"), QStringLiteral("29.970"), QStringLiteral("-y"),
                          outFolder() + QStringLiteral("/mMerge.mp4")}));

    useCodecs(m_format, QStringLiteral("mkv"), QStringLiteral("h264"), QStringLiteral("copy"));
    m_format.vSetMode = true;
    m_format.vBitRate = QStringLiteral("23");
    m_format.vKeepFrameRate = false;
    m_format.vKeepWH = false;
    m_format.vAspect = QStringLiteral("16:9");
    m_format.vCodec = QStringLiteral("copy");
    m_format.aCodec = QStringLiteral("ac3");
    m_format.aVolume = 50;
    const QStringList encoded = planMerge(task, QStringLiteral("/src/m.mp4"), false, QStringLiteral("320:240"),
                                          m_format, settings()).first().arguments;
    // The volume follows the audio concat inside the graph, where ffmpeg takes it.
    QVERIFY(encoded.at(encoded.indexOf(QStringLiteral("-filter_complex")) + 1)
                .endsWith(QLatin1String("concat=n=4:v=0:a=1,volume=0.5[a]")));
    const QStringList tail = encoded.mid(encoded.indexOf(QStringLiteral("[a]")) + 1);
    QCOMPARE(tail, QStringList({QStringLiteral("-qmin"), QStringLiteral("28"), QStringLiteral("-qmax"),
                                QStringLiteral("33"), QStringLiteral("-r"), QStringLiteral("25.000"),
                                QStringLiteral("-s"), QStringLiteral("1280x720"), QStringLiteral("-aspect"),
                                QStringLiteral("16:9"), QStringLiteral("-b:a"), QStringLiteral("128k"),
                                QStringLiteral("-acodec"), QStringLiteral("ac3"), QStringLiteral("-ac"),
                                QStringLiteral("2"), QStringLiteral("-ar"), QStringLiteral("44100"),
                                QStringLiteral("-y"),
                                outFolder() + QStringLiteral("/mMerge.mkv")}));
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
    const QString output = outFolder() + QStringLiteral("/movie00-01-05_00-01-35.mp4");
    QCOMPARE(jobs.first().arguments,
             QStringList({QStringLiteral("-ss"), QStringLiteral("00:01:05.00"), QStringLiteral("-t"),
                          QStringLiteral("00:00:30.25"), QStringLiteral("-accurate_seek"), QStringLiteral("-i"),
                          QStringLiteral("/src/movie.mp4"), QStringLiteral("-vcodec"), QStringLiteral("copy"),
                          QStringLiteral("-acodec"), QStringLiteral("copy"), QStringLiteral("-avoid_negative_ts"),
                          QStringLiteral("1"), QStringLiteral("-y"), output}));
    QCOMPARE(jobs.first().outputPath, output);
    QCOMPARE(jobs.first().durationText, QStringLiteral("00:00:30.25"));
    QVERIFY(!jobs.first().afterwards);
}

void TestFollowupCommands::meltPartsOfAConversionShareTheirInput()
{
    ConvertTask task;
    task.splitCount = 2;
    const QString input = outFolder() + QStringLiteral("/movie_Split.mp4");
    m_media.insert(input, {320, 240, 30, 10 * kSecond});
    const QList<FollowupJob> jobs = planSplit(task, input, m_format, settings());
    QCOMPARE(jobs.size(), 2);
    QCOMPARE(jobs.at(1).engine, FollowupJob::Engine::Melt);
    QCOMPARE(jobs.at(1).arguments,
             QStringList({input, QStringLiteral("in='00:00:05:00'"), QStringLiteral("out='00:00:10:00'"),
                          QStringLiteral("-consumer"),
                          QStringLiteral("avformat:") + outFolder() + QStringLiteral("/movie_Split_2.mp4"),
                          QStringLiteral("vcodec=libx264"), QStringLiteral("acodec=aac")}));
    QCOMPARE(jobs.at(1).frameRate, 30.0);
    // The converted file stays with its parts.
    for (const FollowupJob &job : jobs) {
        QVERIFY(!job.afterwards);
    }
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

void TestFollowupCommands::soundtrackWithOneMusicFileMixesAtOnce()
{
    ConvertTask task;
    task.music = QStringList{QStringLiteral("/m/song.m4a")};
    const QString video = outFolder() + QStringLiteral("/movie_Music.mp4");
    m_media.insert(video, {320, 240, 25, 12 * kSecond + 340000});
    const QList<FollowupJob> jobs = planSoundtrack(task, video, m_format, settings());
    QCOMPARE(jobs.size(), 1);
    const FollowupJob &mix = jobs.first();
    const QString output = outFolder() + QStringLiteral("/movie_MusicMix.mp4");
    QCOMPARE(mix.arguments,
             QStringList({QStringLiteral("-i"), video, QStringLiteral("-i"), QStringLiteral("/m/song.m4a"),
                          QStringLiteral("-map"), QStringLiteral("0:v"), QStringLiteral("-map"), QStringLiteral("1:a"),
                          QStringLiteral("-vcodec"), QStringLiteral("copy"), QStringLiteral("-acodec"),
                          QStringLiteral("aac"), QStringLiteral("-shortest"), QStringLiteral("-y"), output}));
    QCOMPARE(mix.durationText, QStringLiteral("00:00:12.34"));
    QVERIFY(!mix.afterwards); // the converted video stays

    task.music.clear();
    QVERIFY(planSoundtrack(task, video, m_format, settings()).isEmpty());
}

void TestFollowupCommands::soundtrackWithSeveralFilesJoinsThenMixes()
{
    ConvertTask task;
    task.music = QStringList{QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.wav")};
    const QString video = outFolder() + QStringLiteral("/movie_Music.mp4");
    m_media.insert(video, {320, 240, 29.97, 20 * kSecond});
    m_media.insert(QStringLiteral("/m/a.mp3"), {0, 0, 0, 61 * kSecond + 500000});
    m_media.insert(QStringLiteral("/m/b.wav"), {0, 0, 0, 2 * kSecond});
    const FollowupJob join = planSoundtrack(task, video, m_format, settings()).first();
    const QString audio = outFolder() + QStringLiteral("/movie_MusicAudioMerge.mp3");
    QCOMPARE(join.engine, FollowupJob::Engine::Melt);
    QCOMPARE(join.arguments,
             QStringList({QStringLiteral("/m/a.mp3"), QStringLiteral("in='00:00:00:00'"),
                          QStringLiteral("out='00:01:01:50'"), QStringLiteral("/m/b.wav"),
                          QStringLiteral("in='00:00:00:00'"), QStringLiteral("out='00:00:02:00'"),
                          QStringLiteral("-consumer"), QStringLiteral("avformat:") + audio,
                          QStringLiteral("acodec=libmp3lame")}));
    QCOMPARE(join.frameRate, 29.97);
    QCOMPARE(mixedVideoOf(join), video);

    const FollowupJob mix = planMix(mixedVideoOf(join), join.outputPath, true, m_format, settings()).first();
    QCOMPARE(mix.arguments.at(mix.arguments.indexOf(QStringLiteral("-acodec")) + 1), QStringLiteral("copy"));
    QCOMPARE(scratchFilesOf(mix), QStringList({audio, video}));
}

BRINDLE_TEST_MAIN(TestFollowupCommands)
#include "test_followupcommands.moc"
