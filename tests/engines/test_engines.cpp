#include "processwatch.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include "jobs/conversionplan.h"
#include "common/timeconv.h"
#include "engines/enginerunner.h"
#include "engines/linerelay.h"
#include "engines/meltarguments.h"
#include "engines/meltruncheck.h"
#include "jobs/mergecommand.h"
#include "settings/configformat.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>

namespace {

QString engine(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(name);
}

struct Run
{
    int exitCode = -1;
    QByteArray errors;
    QByteArray output;
};

Run runEngine(const QString &name, const QStringList &arguments,
              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
              int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(engine(name), arguments);
    Run run;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.errors = process.readAllStandardError();
    run.output = process.readAllStandardOutput();
    return run;
}

// A clip between two times, as the application hands it to melt.
QStringList meltPart(const QString &path, qint64 start, qint64 end)
{
    return {path, QStringLiteral("in='%1'").arg(TimeConv::toMeltText(start)),
            QStringLiteral("out='%1'").arg(TimeConv::toMeltText(end))};
}

// A sine tone as an mp3 file.
QString tone(int frequency, double seconds)
{
    return TestMedia::make(QStringLiteral("tone-%1-%2s.mp3").arg(frequency).arg(seconds),
                           {"-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:duration=%2").arg(frequency).arg(seconds)});
}

// Mean loudness in dB of a file's audio.
double meanVolume(const QString &path)
{
    QByteArray output;
    TestMedia::run(QStringLiteral("ffmpeg"),
                   {QStringLiteral("-nostdin"), QStringLiteral("-i"), path, QStringLiteral("-af"),
                    QStringLiteral("volumedetect"), QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")},
                   &output);
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("mean_volume: (-?[0-9.]+) dB")).match(QString::fromUtf8(output));
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

}

class TestEngines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void relayTurnsCarriageReturnsIntoLineFeeds();
    void meltArgumentsAreTranslated();
    void tesselConversionForms();
    void chosenVolumeSetsLoudness_data();
    void chosenVolumeSetsLoudness();
    void tesselMergeAndSplitForms();
    void meltMergeAndSplitForms();
    void meltAudioOnlyJoinsAlwaysEnd();
    void failuresEndClearly();
    void terminateAndKillLeaveNoEngineBehind();

private:
    QTemporaryDir m_folder;
    QString m_clip;
    QString m_clip6;
};

void TestEngines::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_clip = TestMedia::clip(3.0);
    m_clip6 = TestMedia::clip(6.0);
    QVERIFY(!m_clip.isEmpty() && !m_clip6.isEmpty());
}

void TestEngines::relayTurnsCarriageReturnsIntoLineFeeds()
{
    std::vector<std::string> lines;
    LineRelay relay([&lines](const std::string &line) { lines.push_back(line); });
    std::string out;
    relay.feed("frame=1\rframe=2\r", 16, out);
    relay.feed("\nend\r\n", 6, out);
    relay.feed("tail", 4, out);
    relay.finish();
    QCOMPARE(QString::fromStdString(out), QStringLiteral("frame=1\nframe=2\nend\ntail"));
    QCOMPARE(lines.size(), std::size_t(4));
    QCOMPARE(QString::fromStdString(lines[2]), QStringLiteral("end"));
}

// What the real melt runs below cannot show: the progress flag, and a frame size without its name.
void TestEngines::meltArgumentsAreTranslated()
{
    const std::vector<std::string> translated
        = MeltArguments::translate({"a.mp4", "-consumer", "avformat:out.mp4", "-s", "320x240 VGA"}, {25, 1});
    QVERIFY((translated == std::vector<std::string>{"-progress", "a.mp4", "-consumer", "avformat:out.mp4", "s=320x240"}));
}

void TestEngines::tesselConversionForms()
{
    const QString output = m_folder.filePath("converted, 'quoted' ç.mp4");
    const Run run = runEngine("TesselEngine", {"-i", m_clip, "-c:v", "libx264", "-vf",
                                               "drawbox=x=10:y=10:w=50:h=50:color=red", "-qmin", "28", "-qmax", "33",
                                               "-r", "25.000", "-s", "160x120 QVGA", "-aspect", "16:9", "-b:a", "128k",
                                               "-acodec", "aac", "-ac", "2", "-ar", "44100", "-af", "volume=0.5", "-y",
                                               output});
    QVERIFY2(run.exitCode == 0, run.errors.constData());
    QVERIFY(qAbs(TestMedia::probeDuration(output) - 3.0) < 0.1);
    QCOMPARE(TestMedia::probeStream(output, "v", "width,height"), QStringLiteral("160,120"));
    QCOMPARE(TestMedia::probeStream(output, "v", "display_aspect_ratio"), QStringLiteral("16:9"));
    // Progress arrives as line-feed lines.
    QVERIFY(!run.errors.contains('\r'));
    QVERIFY(run.errors.contains("\nframe="));

    // The hardware check's form: one frame to a pipe, refused when the encoder is not there.
    const QStringList head{"-f", "lavfi", "-i", "color=s=640x360", "-frames", "1", "-an"};
    const QStringList tail{"-f", "rawvideo", "pipe:"};
    QVERIFY(!runEngine("TesselEngine", head + QStringList{"-c:v", "libx264"} + tail).output.isEmpty());
    QVERIFY(runEngine("TesselEngine", head + QStringList{"-load_plugin", "hevc_hw", "-c:v", "hevc_qsv"} + tail).exitCode
            != 0);
}

void TestEngines::chosenVolumeSetsLoudness_data()
{
    QTest::addColumn<bool>("merge");
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("gainDb");
    QTest::newRow("conversion, unchanged") << false << 100 << 0.0;
    QTest::newRow("conversion, halved") << false << 50 << -6.02;
    QTest::newRow("merge, unchanged") << true << 100 << 0.0;
    QTest::newRow("merge, doubled") << true << 200 << 6.02;
}

// The command lines the application builds, run by the engine: loudness as chosen, and no
// filter at all when the sound stays as it is.
void TestEngines::chosenVolumeSetsLoudness()
{
    QFETCH(bool, merge);
    QFETCH(int, percent);
    QFETCH(double, gainDb);
    ConfigFormat format;
    format.vCodec = "copy";
    format.vBitRate = "Auto";
    format.vAspect = "Auto";
    format.aBitRate = "128 kbps";
    format.aChannels = "1"; // as the clip has: no up-mix to change the loudness
    format.aSample = "44100 Hz";
    format.aVolume = percent;

    QStringList arguments;
    if (merge) {
        format.format = "mkv";
        format.aCodec = "aac";
        ConvertTask task;
        task.endings.append(MergeEntry{m_clip, 0, 0});
        FollowupSettings settings;
        settings.outPath = m_folder.path();
        settings.cacheFolder = m_folder.path();
        arguments = planMerge(task, m_clip, false, QString(), format, settings).value(0).arguments;
    } else {
        format.format = "wav";
        format.aCodec = "pcm_s16le";
        ConvertTask task;
        task.sourcePath = m_clip;
        RunSettings settings;
        settings.container = format.format;
        settings.outPath = m_folder.path();
        arguments = ConversionPlanner::plan(task, format, settings, MediaProbe(), QString()).jobs.value(0).arguments;
    }
    QVERIFY(!arguments.isEmpty());
    QCOMPARE(arguments.join(QLatin1Char(' ')).contains(QLatin1String("volume=")), percent != 100);
    const Run run = runEngine("TesselEngine", arguments);
    QVERIFY2(run.exitCode == 0, run.errors.right(600).constData());
    const double gain = meanVolume(arguments.last()) - meanVolume(m_clip);
    QVERIFY2(qAbs(gain - gainDb) < 0.3, qPrintable(QStringLiteral("%1 dB").arg(gain)));
    QFile::remove(arguments.last());
}

// Named sizes inside a graph and a stream-copied cut off a keyframe; the planned follow-up
// runs cover the concat list and the music mix.
void TestEngines::tesselMergeAndSplitForms()
{
    const QString graph = QStringLiteral("[0:v]scale=320x240 VGA[v0];[1:v]scale=320x240 VGA[v1];[v0][v1]"
                                         "concat=n=2:v=1:a=0[v];[0:a][1:a]concat=n=2:v=0:a=1[a]");
    const QString merged = m_folder.filePath("merged.mp4");
    const Run merge = runEngine("TesselEngine", {"-i", m_clip, "-i", m_clip6, "-filter_complex", graph, "-map", "[v]",
                                                 "-map", "[a]", "-c:v", "libx264", "-b:v", "300k", "-r", "25.000",
                                                 "-b:a", "128k", "-acodec", "aac", "-ac", "2", "-ar", "44100", "-y",
                                                 merged});
    QVERIFY2(merge.exitCode == 0, merge.errors.right(600).constData());
    QVERIFY(qAbs(TestMedia::probeDuration(merged) - 9.0) < 0.15);

    // A stream-copied part keeps the length asked for, though its cut point is no keyframe.
    const QString part = m_folder.filePath("part.mp4");
    QCOMPARE(runEngine("TesselEngine", {"-ss", "00:00:01", "-t", "00:00:02", "-accurate_seek", "-i", m_clip6,
                                        "-vcodec", "copy", "-acodec", "copy", "-avoid_negative_ts", "1", "-y", part})
                 .exitCode,
             0);
    QVERIFY(qAbs(TestMedia::probeDuration(part) - 2.0) < 0.1);
}

void TestEngines::meltMergeAndSplitForms()
{
    const QString merged = m_folder.filePath("melt merge, 'a' ü.mp4");
    const Run merge = runEngine("melt", meltPart(m_clip, 500000, 2000000) + meltPart(m_clip6, 1000000, 2500000)
                                            + QStringList{"-consumer", "avformat:" + merged, "vcodec=libx264", "-s",
                                                          "160x120 QVGA", "acodec=aac"});
    QVERIFY2(merge.exitCode == 0, merge.errors.right(600).constData());
    QVERIFY(qAbs(TestMedia::probeDuration(merged) - 3.0) < 0.1);
    QCOMPARE(TestMedia::probeStream(merged, "v", "width,height"), QStringLiteral("160,120"));
    QVERIFY(!merge.errors.contains('\r'));
    QVERIFY(merge.errors.contains("percentage:"));

    // Two neighbouring parts share no frame and lose none; a cut between frames goes to the next one.
    const QString first = m_folder.filePath("first.mp4");
    const QString second = m_folder.filePath("second.mp4");
    for (const auto &[output, start, end] :
         {std::make_tuple(first, qint64(0), qint64(1620000)), std::make_tuple(second, qint64(1620000), qint64(4000000))}) {
        const QStringList consumer{"-consumer", "avformat:" + output, "vcodec=libx264", "acodec=aac"};
        QCOMPARE(runEngine("melt", meltPart(m_clip6, start, end) + consumer).exitCode, 0);
    }
    QCOMPARE(TestMedia::probeStream(first, "v", "duration"), QStringLiteral("1.640000"));
    QCOMPARE(TestMedia::probeStream(second, "v", "duration"), QStringLiteral("2.360000"));
}

// melt now and then hangs for good before it renders an audio-only output; the launcher must
// notice and start it again, so every join ends, and ends well.
void TestEngines::meltAudioOnlyJoinsAlwaysEnd()
{
    const QStringList tones = meltPart(tone(300, 2.5), 0, 2500000) + meltPart(tone(500, 3.2), 0, 3200000);
    for (int run = 0; run < 6; ++run) {
        const QString join = m_folder.filePath(QStringLiteral("AudioMerge%1.mp3").arg(run));
        const Run joined = runEngine("melt", tones + QStringList{"-consumer", "avformat:" + join, "acodec=libmp3lame"},
                                     QProcessEnvironment::systemEnvironment(), 30000);
        QVERIFY2(joined.exitCode == 0, joined.errors.right(600).constData());
        QVERIFY(qAbs(TestMedia::probeDuration(join) - 5.7) < 0.15);
        QCOMPARE(TestMedia::probeStream(join, "v", "codec_name"), QString());
    }

    // What tells a hung melt: its main thread alone, silent, with the output opened and nothing
    // rendered. Such a child is ended at once.
    const QString output = m_folder.filePath("hung.mp3");
    MeltRunCheck check(output.toStdString());
    QVERIFY(!TestFiles::write(output, QByteArray()).isEmpty());
    QElapsedTimer clock;
    clock.start();
    const EngineRunner::Result hung = EngineRunner::run("/bin/sleep", {"30"}, {},
                                                        [&check](pid_t child) { return check.stalled(child); });
    QVERIFY(hung.stalled);
    QVERIFY(clock.elapsed() < 8000);
    check.restart();
    QVERIFY(!QFile::exists(output));
    QVERIFY(!TestFiles::write(output, QByteArray()).isEmpty());
    check.observe("Current Frame:          6, percentage:          6");
    const EngineRunner::Result rendering = EngineRunner::run(
        "/bin/sleep", {"6"}, {}, [&check](pid_t child) { return check.stalled(child); });
    QVERIFY(!rendering.stalled);
    QCOMPARE(rendering.exitCode, 0);
}

// Failures melt calls success, and programs that are not there, end with a clear failure.
void TestEngines::failuresEndClearly()
{
    const QString missingInput = m_folder.filePath("nothing.mp4");
    const Run alone = runEngine("melt", {missingInput, "-consumer", "avformat:" + m_folder.filePath("never.mp4")});
    QVERIFY(alone.exitCode != 0);
    QVERIFY(alone.errors.contains("melt failed: an input could not be loaded"));

    const Run among = runEngine("melt", {m_clip, missingInput, "-consumer", "avformat:" + m_folder.filePath("partly.mp4")});
    QVERIFY(among.exitCode != 0);

    const Run codec = runEngine("melt", {m_clip, "-consumer", "avformat:" + m_folder.filePath("codec.mp4"),
                                         "vcodec=no_such_encoder"});
    QVERIFY(codec.exitCode != 0);
    QVERIFY(codec.errors.contains("cannot be encoded as asked"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRINDLE_FFMPEG"), QStringLiteral("/nonexistent/ffmpeg"));
    const Run tessel = runEngine("TesselEngine", {"-version"}, environment);
    QVERIFY(tessel.exitCode != 0);
    QVERIFY(tessel.errors.contains("ffmpeg was not found"));

    // Only the launcher's own folder on the PATH: the launcher must not run itself.
    QProcessEnvironment onlyOwnFolder = QProcessEnvironment::systemEnvironment();
    onlyOwnFolder.insert(QStringLiteral("PATH"), QCoreApplication::applicationDirPath());
    const Run meltRun = runEngine("melt", {"-version"}, onlyOwnFolder);
    QVERIFY(meltRun.exitCode != 0);
    QVERIFY(meltRun.errors.contains("melt program was not found"));
}

void TestEngines::terminateAndKillLeaveNoEngineBehind()
{
    const QStringList endless{"-re", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=60", "-f", "null", "-"};
    for (int signal : {SIGTERM, SIGINT, SIGKILL}) {
        QProcess launcher;
        launcher.start(engine("TesselEngine"), endless);
        QVERIFY(launcher.waitForStarted());
        qint64 child = 0;
        QTRY_VERIFY_WITH_TIMEOUT((child = ProcessWatch::childOf(launcher.processId())) != 0, 5000);
        QTest::qWait(300);
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(launcher.processId()), signal);
        QVERIFY(launcher.waitForFinished(5000));
        QVERIFY(clock.elapsed() < 2000);
        // A forwarded signal lets ffmpeg end on its own, and the launcher passes on its exit code.
        if (signal != SIGKILL)
            QVERIFY(launcher.exitStatus() == QProcess::NormalExit && launcher.exitCode() != 0);
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessWatch::isAlive(child), 2000);
    }
}

BRINDLE_TEST_MAIN(TestEngines)
#include "test_engines.moc"
