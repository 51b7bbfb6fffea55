#include "jobs/conversionplan.h"
#include "app/taskedits.h"
#include "settings/configformat.h"
#include "testprofile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
constexpr qint64 kSecond = 1000000;

// The output format of an MP4 with H.264 and AAC, as the settings store holds it.
struct Mp4Format : ConfigFormat
{
    Mp4Format()
    {
        vCodec = QStringLiteral("h264");
        vBitRate = QStringLiteral("Auto");
        vFrameRate = QStringLiteral("25.0 fps");
        vSize = QStringLiteral("1920x1080");
        vAspect = QStringLiteral("Auto");
        aCodec = QStringLiteral("aac");
        aBitRate = QStringLiteral("128 kbps");
        aChannels = QStringLiteral("2 channels stereo");
        aSample = QStringLiteral("44100 Hz");
        aVolume = 100;
    }
};

MediaProbe h264Probe()
{
    MediaProbe probe;
    probe.width = 640;
    probe.height = 360;
    probe.frameRate = 29.97;
    probe.duration = 10 * kSecond;
    probe.bitRate = 2500000;
    probe.videoCodecId = 27;
    probe.opened = true;
    return probe;
}

ConvertTask taskFor(const QString &source)
{
    ConvertTask task;
    task.sourcePath = source;
    task.end = 10 * kSecond;
    return task;
}

// The values after an option, or empty when the option is absent.
QString valueOf(const QStringList &arguments, const QString &option)
{
    const int index = arguments.indexOf(option);
    return index >= 0 && index + 1 < arguments.size() ? arguments[index + 1] : QString();
}
}

class TestConversionPlan : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void splitPartsByCount();
    void splitPartsByClipLength();
    void splitSection();
    void mergeTotalCountsOnlyPositiveLengths();
    void mergeRowsMoveAcrossTheMainRow();
    void mergeRowEditsAndDeletes();
    void audioContainerWritesNoVideoOptions();
    void softwareH264KeepsSourceRateAndBitRate();
    void qualityModeAndCopy();
    void hardwareChoices();
    void jobsByKind();
    void outputNamesNeverClash();
    void unreadableSourceStillPlans();
    void frameSizeLosesItsName();

private:
    QTemporaryDir m_out;
    RunSettings m_settings;
};

void TestConversionPlan::initTestCase()
{
    QVERIFY(m_out.isValid());
    m_settings.outPath = m_out.path();
    m_settings.container = QStringLiteral("mp4");
}

void TestConversionPlan::splitPartsByCount()
{
    ConvertTask task = taskFor(QStringLiteral("/a.mp4"));
    task.splitMode = 0;
    task.splitCount = 3;
    const QList<SplitEntry> parts = TaskEdits::splitParts(task, 10 * kSecond);
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts[0].start, 0);
    QCOMPARE(parts[0].end, 3333333);
    QCOMPARE(parts[1].start, 3333333);
    QCOMPARE(parts[2].start, 6666666);
    QCOMPARE(parts[2].end, 9999999);

    task.splitCount = 0;
    QVERIFY(TaskEdits::splitParts(task, 10 * kSecond).isEmpty());
}

void TestConversionPlan::splitPartsByClipLength()
{
    ConvertTask task = taskFor(QStringLiteral("/a.mp4"));
    task.splitMode = 1;
    task.clipLength = 4 * kSecond;
    const QList<SplitEntry> parts = TaskEdits::splitParts(task, 10 * kSecond);
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts[1].start, 4 * kSecond);
    QCOMPARE(parts[1].end, 8 * kSecond);
    QCOMPARE(parts[2].start, 8 * kSecond);
    QCOMPARE(parts[2].end, 10 * kSecond);

    task.clipLength = 5 * kSecond;
    QCOMPARE(TaskEdits::splitParts(task, 10 * kSecond).size(), 2);
    task.clipLength = 0;
    QVERIFY(TaskEdits::splitParts(task, 10 * kSecond).isEmpty());
    task.clipLength = kSecond;
    QVERIFY(TaskEdits::splitParts(task, 0).isEmpty());
}

void TestConversionPlan::splitSection()
{
    ConvertTask task = taskFor(QStringLiteral("/a.mp4"));
    task.splitMode = 2;
    task.clipLength = 2 * kSecond;
    QList<SplitEntry> parts = TaskEdits::splitParts(task, 10 * kSecond);
    QCOMPARE(parts.size(), 1);
    QCOMPARE(parts[0].start, 2 * kSecond);
    QCOMPARE(parts[0].end, 10 * kSecond);

    task.sectionEnd = 7 * kSecond;
    parts = TaskEdits::splitParts(task, 10 * kSecond);
    QCOMPARE(parts[0].end, 7 * kSecond);
}

void TestConversionPlan::mergeTotalCountsOnlyPositiveLengths()
{
    ConvertTask task = taskFor(QStringLiteral("/a.mp4"));
    task.start = 2 * kSecond;
    task.titleSequences.append({QStringLiteral("/t.mp4"), 0, 3 * kSecond, 0});
    task.endings.append({QStringLiteral("/e.mp4"), 5 * kSecond, 1 * kSecond, 0});
    task.endings.append({QStringLiteral("/f.mp4"), kSecond, 1500000, 0});
    QCOMPARE(TaskEdits::mergeTotal(task), 8 * kSecond + 3 * kSecond + 500000);
}

void TestConversionPlan::mergeRowsMoveAcrossTheMainRow()
{
    ConvertTask task = taskFor(QStringLiteral("/a.mp4"));
    task.titleSequences = {{QStringLiteral("/t1"), 0, 1, 0}, {QStringLiteral("/t2"), 0, 2, 0}};
    task.endings = {{QStringLiteral("/e1"), 0, 3, 0}};
    QCOMPARE(TaskEdits::mainMergeRow(task), 2);

    QCOMPARE(TaskEdits::moveMergeRow(task, 2, 1), -1);          // the main row stays
    QCOMPARE(TaskEdits::moveMergeRow(task, 0, -1), -1);         // nothing above the first row
    QCOMPARE(TaskEdits::moveMergeRow(task, 3, 1), -1);          // nothing below the last
    QCOMPARE(TaskEdits::moveMergeRow(task, 0, 1), 1);           // swap within the title sequences
    QCOMPARE(task.titleSequences[0].path, QStringLiteral("/t2"));

    QCOMPARE(TaskEdits::moveMergeRow(task, 1, 1), 2);           // the last title becomes the first ending
    QCOMPARE(task.titleSequences.size(), 1);
    QCOMPARE(task.endings.first().path, QStringLiteral("/t1"));
    QCOMPARE(TaskEdits::mainMergeRow(task), 1);

    QCOMPARE(TaskEdits::moveMergeRow(task, 2, -1), 1);          // and back
    QCOMPARE(task.titleSequences.last().path, QStringLiteral("/t1"));
    QCOMPARE(task.endings.size(), 1);
    QCOMPARE(TaskEdits::mergeTotal(task), 10 * kSecond + 6);
}

void TestConversionPlan::mergeRowEditsAndDeletes()
{
    ConvertTask task = taskFor(QStringLiteral("/a.mp4"));
    task.titleSequences = {{QStringLiteral("/t1"), 0, 1, 0}};
    task.endings = {{QStringLiteral("/e1"), 0, 3, 0}};
    task.mergeOn = true;

    TaskEdits::setMergeTime(task, 0, false, 5);
    TaskEdits::setMergeTime(task, 1, true, 7);
    TaskEdits::setMergeTime(task, 2, true, 9);
    TaskEdits::setMergeTime(task, 3, true, 11); // outside: ignored
    QCOMPARE(task.titleSequences[0].end, 5);
    QCOMPARE(task.start, 7);
    QCOMPARE(task.endings[0].start, 9);

    QVERIFY(!TaskEdits::removeMergeRow(task, 1));
    QVERIFY(TaskEdits::removeMergeRow(task, 2));
    QVERIFY(task.mergeOn);
    QVERIFY(TaskEdits::removeMergeRow(task, 0));
    QVERIFY(!task.mergeOn);
    QVERIFY(!TaskEdits::removeMergeRow(task, 0));
}

void TestConversionPlan::audioContainerWritesNoVideoOptions()
{
    Mp4Format format;
    format.aCodec = QStringLiteral("libmp3lame");
    RunSettings mp3 = m_settings;
    mp3.container = QStringLiteral("mp3");
    const ConversionPlan plan = ConversionPlanner::plan(taskFor(QStringLiteral("/m/song.wav")), format, mp3,
                                                        h264Probe(), QString());
    QCOMPARE(plan.jobs.size(), 1);
    const QString output = m_out.path() + QStringLiteral("/song.mp3");
    QCOMPARE(plan.jobs[0].arguments,
             QStringList({"-i", "/m/song.wav", "-vn", "-b:a", "128k", "-acodec", "libmp3lame", "-ac", "2", "-ar", "44100",
                          "-y", output}));
    QCOMPARE(plan.jobs[0].outputPath, output);
    QCOMPARE(plan.durationText, QStringLiteral("00:00:10.00"));

    // The settings keep a percentage; another than 100 becomes an audio filter.
    format.aVolume = 50;
    const QStringList quieter = ConversionPlanner::plan(taskFor(QStringLiteral("/m/song.wav")), format, mp3,
                                                        h264Probe(), QString()).jobs[0].arguments;
    QCOMPARE(valueOf(quieter, "-af"), QStringLiteral("volume=0.5"));
}

void TestConversionPlan::softwareH264KeepsSourceRateAndBitRate()
{
    const ConversionPlan plan = ConversionPlanner::plan(taskFor(QStringLiteral("/v/clip.mov")), Mp4Format(),
                                                        m_settings, h264Probe(), QString());
    const QStringList arguments = plan.jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 2), QStringList({"-i", "/v/clip.mov"}));
    QCOMPARE(valueOf(arguments, "-c:v"), QStringLiteral("libx264"));
    QCOMPARE(valueOf(arguments, "-b:v"), QStringLiteral("2500k"));
    QCOMPARE(valueOf(arguments, "-r"), QStringLiteral("29.970"));
    QVERIFY(!arguments.contains("-s"));
    QVERIFY(!arguments.contains("-aspect"));
    QVERIFY(!arguments.contains("-vf"));
    QCOMPARE(plan.mergeFrameSize, QStringLiteral("640:360"));
}

void TestConversionPlan::qualityModeAndCopy()
{
    Mp4Format format;
    format.vSetMode = true;
    format.vBitRate = QStringLiteral("23");
    format.vKeepFrameRate = false;
    format.vFrameRate = QStringLiteral("30 fps");
    format.vAspect = QStringLiteral("16:9");
    QStringList arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, m_settings, h264Probe(),
                                                    QStringLiteral("hflip")).jobs[0].arguments;
    QCOMPARE(valueOf(arguments, "-qmin"), QStringLiteral("28"));
    QCOMPARE(valueOf(arguments, "-qmax"), QStringLiteral("33"));
    QVERIFY(!arguments.contains("-b:v"));
    QCOMPARE(valueOf(arguments, "-r"), QStringLiteral("30.000"));
    QCOMPARE(valueOf(arguments, "-aspect"), QStringLiteral("16:9"));
    QCOMPARE(valueOf(arguments, "-vf"), QStringLiteral("hflip"));

    format.vCodec = QStringLiteral("copy");
    format.aKeepCodec = true;
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, m_settings, h264Probe(),
                                        QStringLiteral("hflip")).jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 8),
             QStringList({"-i", "/v/a.mp4", "-c:v", "copy", "-c:a", "copy", "-y", m_out.path() + "/a.mp4"}));
}

void TestConversionPlan::hardwareChoices()
{
    RunSettings system = m_settings;
    system.hardware.useHA = true;
    // Hardware use without a working encoder falls back to the software encoder, and decodes in software.
    QStringList arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), Mp4Format(), system, h264Probe(),
                                                    QString()).jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 4), QStringList({"-i", "/v/a.mp4", "-c:v", "libx264"}));

    system.hardware.h264QSV = true;
    system.hardware.h264NV = true;
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), Mp4Format(), system, h264Probe(), QString())
                    .jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 4), QStringList({"-c:v", "h264_qsv", "-i", "/v/a.mp4"}));
    QCOMPARE(arguments[5], QStringLiteral("h264_qsv"));

    system.hardware.priorityUse = 1;
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), Mp4Format(), system, h264Probe(), QString())
                    .jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 4), QStringList({"-c:v", "h264_nvenc", "-i", "/v/a.mp4"}));
    QCOMPARE(arguments[5], QStringLiteral("h264_nvenc"));

    // An H.264 source encoded to HEVC: the source's family decodes, the target's encodes.
    system.hardware.priorityUse = 0;
    system.hardware.h265QSV = true;
    Mp4Format toHevc;
    toHevc.vCodec = QStringLiteral("h265");
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), toHevc, system, h264Probe(), QString())
                    .jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 6), QStringList({"-c:v", "h264_qsv", "-i", "/v/a.mp4", "-c:v", "hevc_qsv"}));
    // The priority is a place in the list of families found; past its end the first one is used.
    system.hardware.priorityUse = 2;
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), toHevc, system, h264Probe(), QString())
                    .jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 6), QStringList({"-c:v", "h264_qsv", "-i", "/v/a.mp4", "-c:v", "hevc_qsv"}));

    system = m_settings;
    system.hardware.useHA = true;
    system.hardware.h265AMF = true;
    Mp4Format format;
    format.vCodec = QStringLiteral("h265");
    MediaProbe hevc = h264Probe();
    hevc.videoCodecId = 173;
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, system, hevc, QString()).jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 6), QStringList({"-c:v", "hevc_amf", "-i", "/v/a.mp4", "-c:v", "hevc_amf"}));

    system.hardware.useHA = false;
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, system, hevc, QString()).jobs[0].arguments;
    QCOMPARE(valueOf(arguments, "-c:v"), QStringLiteral("libx265"));
    format.vCodec = QStringLiteral("xvid");
    arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, system, hevc, QString()).jobs[0].arguments;
    QCOMPARE(valueOf(arguments, "-c:v"), QStringLiteral("libxvid"));
}

void TestConversionPlan::jobsByKind()
{
    ConvertTask task = taskFor(QStringLiteral("/v/film.mkv"));
    task.music = QStringList{QStringLiteral("/m/a.mp3")};
    ConversionPlan plan = ConversionPlanner::plan(task, Mp4Format(), m_settings, h264Probe(), QString());
    QCOMPARE(plan.jobs.size(), 1);
    QVERIFY(dynamic_cast<const AddSoundtrack *>(plan.jobs[0].afterwards.get()));
    QCOMPARE(plan.jobs[0].outputPath, m_out.path() + QStringLiteral("/film_Music.mp4"));

    task.splitCount = 2;
    task.titleSequences.append({QStringLiteral("/t.mp4"), 0, kSecond, 0});
    plan = ConversionPlanner::plan(task, Mp4Format(), m_settings, h264Probe(), QString());
    QVERIFY(plan.splitSource);
    QVERIFY(plan.mergeSource);
    QCOMPARE(plan.jobs.size(), 1);

    plan = ConversionPlanner::plan(task, Mp4Format(), m_settings, h264Probe(), QStringLiteral("vflip"));
    QVERIFY(!plan.splitSource && !plan.mergeSource);
    QCOMPARE(plan.jobs.size(), 3);
    QVERIFY(dynamic_cast<const SplitOutput *>(plan.jobs[0].afterwards.get()));
    QVERIFY(dynamic_cast<const MergeOutput *>(plan.jobs[1].afterwards.get()));
    QVERIFY(plan.jobs[0].outputPath.endsWith("/film_Split.mp4"));
    QVERIFY(plan.jobs[1].outputPath.endsWith("/film_Merge.mp4"));
    // Each job writes only its own output.
    QCOMPARE(plan.jobs[1].arguments.filter(".mp4").size(), 1);
    QCOMPARE(plan.jobs[1].arguments.last(), plan.jobs[1].outputPath);

    ConvertTask section = taskFor(QStringLiteral("/v/film.mkv"));
    section.splitMode = 2;
    section.sectionEnd = 3 * kSecond;
    QVERIFY(ConversionPlanner::plan(section, Mp4Format(), m_settings, h264Probe(), QString()).splitSource);

    // Parts chosen in the Split tab are cut even when the mode's own values are empty.
    ConvertTask chosen = taskFor(QStringLiteral("/v/film.mkv"));
    chosen.splits.append({kSecond, 2 * kSecond});
    QVERIFY(ConversionPlanner::plan(chosen, Mp4Format(), m_settings, h264Probe(), QString()).splitSource);
}

void TestConversionPlan::outputNamesNeverClash()
{
    const QString existing = m_out.path() + QStringLiteral("/taken.mp4");
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ConversionPlan plan = ConversionPlanner::plan(taskFor("/v/taken.mkv"), Mp4Format(), m_settings, h264Probe(),
                                                  QString());
    static const QRegularExpression stamped(QStringLiteral("/taken\\(\\d{6}\\)\\.mp4$"));
    QVERIFY2(stamped.match(plan.jobs[0].outputPath).hasMatch(), qPrintable(plan.jobs[0].outputPath));

    RunSettings overwrite = m_settings;
    overwrite.coverage = true;
    plan = ConversionPlanner::plan(taskFor("/v/taken.mkv"), Mp4Format(), overwrite, h264Probe(), QString());
    QCOMPARE(plan.jobs[0].outputPath, existing);

    // Two sources with the same base name in one run get two outputs.
    OutputReservation planned;
    const QString first = ConversionPlanner::plan(taskFor("/one/twin.avi"), Mp4Format(), m_settings, h264Probe(),
                                                  QString(), &planned).jobs[0].outputPath;
    const QString second = ConversionPlanner::plan(taskFor("/two/twin.mov"), Mp4Format(), m_settings, h264Probe(),
                                                   QString(), &planned).jobs[0].outputPath;
    QCOMPARE(first, m_out.path() + QStringLiteral("/twin.mp4"));
    QVERIFY(second != first);
    QVERIFY(planned.isClaimed(first) && planned.isClaimed(second));

    // With overwriting allowed, a source is still never written over.
    OutputReservation sources(true);
    const QString source = m_out.path() + QStringLiteral("/inplace.mp4");
    sources.protect(source);
    RunSettings sameFolder = overwrite;
    const QString written = ConversionPlanner::plan(taskFor(source), Mp4Format(), sameFolder, h264Probe(), QString(),
                                                    &sources).jobs[0].outputPath;
    QCOMPARE(written, m_out.path() + QStringLiteral("/inplace_2.mp4"));
}

void TestConversionPlan::unreadableSourceStillPlans()
{
    const ConversionPlan plan = ConversionPlanner::plan(taskFor("/v/broken.mp4"), Mp4Format(), m_settings,
                                                        MediaProbe(), QString());
    QCOMPARE(plan.durationText, QStringLiteral("00:00:00.00"));
    QCOMPARE(valueOf(plan.jobs[0].arguments, "-b:v"), QStringLiteral("0k"));
    QCOMPARE(valueOf(plan.jobs[0].arguments, "-r"), QStringLiteral("0.000"));
}

void TestConversionPlan::frameSizeLosesItsName()
{
    Mp4Format format;
    format.vKeepWH = false;
    format.vSize = QStringLiteral("320x240 VGA");
    const ConversionPlan plan = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, m_settings, h264Probe(),
                                                        QString());
    QCOMPARE(valueOf(plan.jobs[0].arguments, "-s"), QStringLiteral("320x240"));
    QCOMPARE(plan.mergeFrameSize, QStringLiteral("320:240"));
}

BRINDLE_TEST_MAIN(TestConversionPlan)

#include "test_conversionplan.moc"
