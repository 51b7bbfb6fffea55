#include "jobs/conversionplan.h"
#include "app/taskedits.h"
#include "settings/configformat.h"
#include "followupfixtures.h"
#include "testfiles.h"
#include "testprofile.h"

#include <QTemporaryDir>

#include <functional>

namespace {
constexpr qint64 kSecond = 1000000;

// The output format of an MP4 with H.264 and AAC, as the settings store holds it.
struct Mp4Format : ConfigFormat
{
    Mp4Format() { FollowupFixtures::useCodecs(*this, QStringLiteral("mp4"), QStringLiteral("h264"), QStringLiteral("aac")); }
};

using FormatEdit = std::function<void(ConfigFormat &, MediaProbe &)>;

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

Q_DECLARE_METATYPE(FormatEdit)

class TestConversionPlan : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mergeRowsEditMoveAndDelete();
    void videoOptionsFollowTheFormat_data();
    void videoOptionsFollowTheFormat();
    void hardwareChoices_data();
    void hardwareChoices();
    void jobsByKind();
    void outputNamesNeverClash();

private:
    QTemporaryDir m_out;
    RunSettings m_settings;
};

void TestConversionPlan::initTestCase()
{
    m_settings.outPath = m_out.path();
    m_settings.container = QStringLiteral("mp4");
}

// The Merge tab's rows: title sequences, the main row, endings.
void TestConversionPlan::mergeRowsEditMoveAndDelete()
{
    ConvertTask task = taskFor(QStringLiteral("/a.mp4"));
    task.titleSequences = {{QStringLiteral("/t1"), 0, 1, 0}, {QStringLiteral("/t2"), 0, 2, 0}};
    task.endings = {{QStringLiteral("/e1"), 0, 3, 0}};
    task.mergeOn = true;
    QCOMPARE(TaskEdits::moveMergeRow(task, 2, 1), -1);          // the main row stays
    QCOMPARE(TaskEdits::moveMergeRow(task, 0, -1), -1);         // nothing above the first row
    QCOMPARE(TaskEdits::moveMergeRow(task, 3, 1), -1);          // nothing below the last
    QCOMPARE(TaskEdits::moveMergeRow(task, 0, 1), 1);           // swap within the title sequences
    QCOMPARE(task.titleSequences[0].path, QStringLiteral("/t2"));
    QCOMPARE(TaskEdits::moveMergeRow(task, 1, 1), 2);           // the last title becomes the first ending
    QCOMPARE(task.endings.first().path, QStringLiteral("/t1"));
    QCOMPARE(TaskEdits::mainMergeRow(task), 1);

    // Rows 0, 1 and 2 are the title, the main row and the first ending; row 4 is outside.
    TaskEdits::setMergeTime(task, 0, false, 5);
    TaskEdits::setMergeTime(task, 1, true, 7);
    TaskEdits::setMergeTime(task, 2, true, 9);
    TaskEdits::setMergeTime(task, 4, true, 11);
    QCOMPARE(task.titleSequences[0].end, 5);
    QCOMPARE(task.start, 7);
    QCOMPARE(task.endings[0].start, 9);
    // Only positive lengths count: the first ending now ends before it starts.
    QCOMPARE(TaskEdits::mergeTotal(task), 10 * kSecond - 7 + 5 + 3);

    QVERIFY(!TaskEdits::removeMergeRow(task, 1));
    QVERIFY(TaskEdits::removeMergeRow(task, 3));
    QVERIFY(TaskEdits::removeMergeRow(task, 2));
    QVERIFY(task.mergeOn);
    QVERIFY(TaskEdits::removeMergeRow(task, 0));
    QVERIFY(!task.mergeOn);
    QVERIFY(!TaskEdits::removeMergeRow(task, 0));
}

void TestConversionPlan::videoOptionsFollowTheFormat_data()
{
    QTest::addColumn<FormatEdit>("edit");
    QTest::addColumn<QString>("graph");
    QTest::addColumn<QStringList>("options"); // "option value", or "!option" for one that must be absent
    QTest::addColumn<QString>("mergeFrameSize");
    QTest::newRow("software H.264 keeps the source's rate and bit rate")
        << FormatEdit([](ConfigFormat &, MediaProbe &) {}) << QString()
        << QStringList{"-c:v libx264", "-b:v 2500k", "-r 29.970", "!-s", "!-aspect", "!-vf"} << "640:360";
    QTest::newRow("quality mode, chosen rate and aspect") << FormatEdit([](ConfigFormat &format, MediaProbe &) {
        format.vSetMode = true;
        format.vBitRate = QStringLiteral("23");
        format.vKeepFrameRate = false;
        format.vFrameRate = QStringLiteral("30 fps");
        format.vAspect = QStringLiteral("16:9");
    }) << "hflip" << QStringList{"-qmin 28", "-qmax 33", "!-b:v", "-r 30.000", "-aspect 16:9", "-vf hflip"}
       << "640:360";
    QTest::newRow("frame size loses its name") << FormatEdit([](ConfigFormat &format, MediaProbe &) {
        format.vKeepWH = false;
        format.vSize = QStringLiteral("320x240 VGA");
    }) << QString() << QStringList{"-s 320x240"} << "320:240";
    QTest::newRow("copy keeps both streams") << FormatEdit([](ConfigFormat &format, MediaProbe &) {
        format.vCodec = QStringLiteral("copy");
        format.aKeepCodec = true;
    }) << "hflip" << QStringList{"-c:v copy", "-c:a copy", "!-vf", "!-b:v", "!-acodec"} << "640:360";
    QTest::newRow("unreadable source") << FormatEdit([](ConfigFormat &, MediaProbe &probe) { probe = MediaProbe(); })
                                       << QString() << QStringList{"-b:v 0k", "-r 0.000"} << "0:0";
}

void TestConversionPlan::videoOptionsFollowTheFormat()
{
    QFETCH(FormatEdit, edit);
    QFETCH(QString, graph);
    QFETCH(QStringList, options);
    QFETCH(QString, mergeFrameSize);
    Mp4Format format;
    MediaProbe probe = h264Probe();
    edit(format, probe);
    const ConversionPlan plan = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, m_settings, probe, graph);
    const QStringList arguments = plan.jobs[0].arguments;
    QCOMPARE(arguments.mid(0, 2), QStringList({"-i", "/v/a.mp4"}));
    QCOMPARE(arguments.last(), m_out.path() + QStringLiteral("/a.mp4"));
    for (const QString &option : options) {
        if (option.startsWith(QLatin1Char('!')))
            QVERIFY2(!arguments.contains(option.mid(1)), qPrintable(arguments.join(' ')));
        else
            QCOMPARE(option.section(' ', 0, 0) + ' ' + valueOf(arguments, option.section(' ', 0, 0)), option);
    }
    QCOMPARE(plan.mergeFrameSize, mergeFrameSize);
}

void TestConversionPlan::hardwareChoices_data()
{
    QTest::addColumn<bool>("useHA");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("vCodec");
    QTest::addColumn<int>("sourceCodec");
    QTest::addColumn<QString>("decoder");
    QTest::addColumn<QString>("encoder");
    const int h264 = 27;
    const int hevc = 173;
    // Which family the priority picks is the settings' own check; here the source's family
    // decodes and the target's encodes. Without a working encoder both are software.
    QTest::newRow("nothing found") << true << QStringList() << "h264" << h264 << "" << "libx264";
    QTest::newRow("h264 to hevc") << true << QStringList{"h264QSV", "h264NV", "h265QSV"} << "h265" << h264
                                  << "h264_qsv" << "hevc_qsv";
    QTest::newRow("amd hevc") << true << QStringList{"h265AMF"} << "h265" << hevc << "hevc_amf" << "hevc_amf";
    QTest::newRow("hardware off") << false << QStringList{"h265AMF"} << "h265" << hevc << "" << "libx265";
    // An encoder the dialog named is that encoder.
    QTest::newRow("named encoder") << true << QStringList{"h264NV"} << "h264_nvenc" << h264 << "h264_nvenc"
                                   << "h264_nvenc";
}

void TestConversionPlan::hardwareChoices()
{
    QFETCH(bool, useHA);
    QFETCH(QStringList, found);
    QFETCH(QString, vCodec);
    QFETCH(int, sourceCodec);
    QFETCH(QString, decoder);
    QFETCH(QString, encoder);
    RunSettings system = m_settings;
    HardwareChoice &hardware = system.hardware;
    hardware.useHA = useHA;
    hardware.h264QSV = found.contains("h264QSV");
    hardware.h265QSV = found.contains("h265QSV");
    hardware.h264NV = found.contains("h264NV");
    hardware.h265AMF = found.contains("h265AMF");
    Mp4Format format;
    format.vCodec = vCodec;
    MediaProbe source = h264Probe();
    source.videoCodecId = sourceCodec;
    const QStringList arguments = ConversionPlanner::plan(taskFor("/v/a.mp4"), format, system, source, QString())
                                      .jobs[0].arguments;
    const int input = arguments.indexOf("-i");
    QCOMPARE(input > 0 ? valueOf(arguments.mid(0, input), "-c:v") : QString(), decoder);
    QCOMPARE(valueOf(arguments.mid(input), "-c:v"), encoder);
}

void TestConversionPlan::jobsByKind()
{
    ConvertTask task = taskFor(QStringLiteral("/v/film.mkv"));
    task.music = QStringList{QStringLiteral("/m/a.mp3")};
    ConversionPlan plan = ConversionPlanner::plan(task, Mp4Format(), m_settings, h264Probe(), QString());
    QCOMPARE(plan.jobs.size(), 1);
    QVERIFY(dynamic_cast<const AddSoundtrack *>(plan.jobs[0].afterwards.get()));
    QCOMPARE(plan.jobs[0].outputPath, m_out.path() + QStringLiteral("/film_Music.mp4"));

    task.splits.append({kSecond, 2 * kSecond}); // a part chosen in the Split tab, the mode left empty
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
}

void TestConversionPlan::outputNamesNeverClash()
{
    const QString existing = TestFiles::write(m_out.path() + QStringLiteral("/taken.mp4"), QByteArray());
    // An existing file is written over only when the user allows it.
    QVERIFY(ConversionPlanner::plan(taskFor("/v/taken.mkv"), Mp4Format(), m_settings, h264Probe(), QString())
                .jobs[0].outputPath != existing);
    RunSettings overwrite = m_settings;
    overwrite.coverage = true;
    QCOMPARE(ConversionPlanner::plan(taskFor("/v/taken.mkv"), Mp4Format(), overwrite, h264Probe(), QString())
                 .jobs[0].outputPath, existing);

    // Two sources with the same base name in one run get two outputs.
    OutputReservation planned;
    const QString first = ConversionPlanner::plan(taskFor("/one/twin.avi"), Mp4Format(), m_settings, h264Probe(),
                                                  QString(), &planned).jobs[0].outputPath;
    const QString second = ConversionPlanner::plan(taskFor("/two/twin.mov"), Mp4Format(), m_settings, h264Probe(),
                                                   QString(), &planned).jobs[0].outputPath;
    QCOMPARE(first, m_out.path() + QStringLiteral("/twin.mp4"));
    QVERIFY(second != first);
}

BRINDLE_TEST_MAIN(TestConversionPlan)

#include "test_conversionplan.moc"
