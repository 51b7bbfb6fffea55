#include "app/qformatdialog.h"
#include "jobs/conversionplan.h"
#include "layers/overlaygraphs.h"
#include "layers/watermarkdocument.h"
#include "settings/configformat.h"
#include "settings/configsystem.h"
#include "testmedia.h"
#include "testprofile.h"
#include "testwidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>

using TestWidgets::itemsOf;
using TestWidgets::select;

namespace {
// What ffprobe calls the stream each codec of the dialog makes.
QString probedName(const QString &codec)
{
    if (codec == QLatin1String("h265"))
        return QStringLiteral("hevc");
    if (codec == QLatin1String("xvid"))
        return QStringLiteral("mpeg4");
    return codec;
}

double rateOf(const QString &fraction)
{
    const QStringList parts = fraction.split(QLatin1Char('/'));
    const double denominator = parts.value(1, QStringLiteral("1")).toDouble();
    return denominator > 0 ? parts.value(0).toDouble() / denominator : 0.0;
}

int leadingNumber(const QString &text)
{
    return text.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('x'), 0, 0).toInt();
}

}

class TestFormatConversion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyOfferedCodecPairConverts();

private:
    // Converts the source with the stored format through the run's planner and the engine.
    QString convert(const QString &name);

    QTemporaryDir m_dir;
    QString m_source;
    // What a first start on this machine chose: hardware use on, and what the check found.
    HardwareChoice m_firstRun;
};

void TestFormatConversion::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_source = TestMedia::make(QStringLiteral("format-source.mp4"),
                               {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("testsrc=s=160x120:r=25:d=0.5"), QStringLiteral("-f"),
                                QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("sine=f=440:d=0.5:sample_rate=44100"), QStringLiteral("-ac"),
                                QStringLiteral("2"), QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-shortest")});
    QVERIFY(!m_source.isEmpty());
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("cache"))));
    const ConfigSystem firstStart;
    m_firstRun = HardwareChoice::from(firstStart);
    QVERIFY(m_firstRun.useHA);
}

QString TestFormatConversion::convert(const QString &name)
{
    ConfigFormat format;
    format.load();
    RunSettings settings;
    settings.container = format.format;
    settings.outPath = m_dir.filePath(name);
    settings.coverage = true;
    settings.hardware = m_firstRun;
    QDir().mkpath(settings.outPath);

    ConvertTask task;
    task.sourcePath = m_source;
    const MediaProbe media = probeMedia(m_source);
    task.width = media.width;
    task.height = media.height;
    task.end = media.duration;
    const WatermarkDocument noLayers;
    const QString graph = OverlayGraphs(&noLayers, m_dir.filePath(QStringLiteral("cache"))).forRun(0, task);
    const ConversionPlan planned = ConversionPlanner::plan(task, format, settings, media, graph);
    if (planned.jobs.size() != 1)
        return QString();
    const PlannedJob &job = planned.jobs.first();
    QByteArray log;
    const bool ran = TestMedia::run(QCoreApplication::applicationDirPath() + QStringLiteral("/TesselEngine"),
                                    job.arguments, &log);
    if (!ran)
        qWarning().noquote() << job.arguments.join(QLatin1Char(' '));
    return ran ? job.outputPath : QString();
}

void TestFormatConversion::everyOfferedCodecPairConverts()
{
    // Sizes and rates differ from the source's and change from one pair to the next.
    const QStringList sizes = {QStringLiteral("176x144 QCIF"), QStringLiteral("128x96 SQCIF"),
                               QStringLiteral("320x240 VGA"), QStringLiteral("352x288 CIF")};
    int pairs = 0;
    for (int container = 0; container < ConfigFormat::kContainerCount; ++container) {
        ConfigFormat::chooseContainer(container);
        QFormatDialog dialog;
        dialog.setHardwareChoice(m_firstRun);
        dialog.fillLists(container);
        dialog.loadStored();
        const auto combo = [&dialog](const char *name) { return dialog.findChild<QComboBox *>(QLatin1String(name)); };
        QStringList videoList = itemsOf(combo("comboBoxVCodec"));
        videoList.removeAll(QStringLiteral("copy"));
        if (videoList.isEmpty())
            videoList << QString();
        QStringList audioList = itemsOf(combo("comboBoxACodec"));
        audioList.removeAll(QStringLiteral("copy"));

        for (const QString &videoCodec : videoList) {
            for (const QString &audioCodec : audioList) {
                const QString pair = QStringLiteral("%1 %2 %3").arg(ConfigFormat::containerName(container), videoCodec,
                                                                    audioCodec);
                if (!videoCodec.isEmpty()) {
                    select(combo("comboBoxVCodec"), videoCodec);
                    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxVKeepWH"))->setChecked(false);
                    select(combo("comboBoxVSize"), sizes[pairs % sizes.size()]);
                    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxKeepFrameRate"))->setChecked(false);
                    combo("comboBoxVFrameRate")->setCurrentIndex(pairs % combo("comboBoxVFrameRate")->count());
                }
                select(combo("comboBoxACodec"), audioCodec);
                combo("comboBoxASampleRate")->setCurrentIndex(pairs % combo("comboBoxASampleRate")->count());
                combo("comboBoxChannels")->setCurrentIndex(pairs % combo("comboBoxChannels")->count());
                dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

                ConfigFormat stored;
                stored.load();
                QCOMPARE(stored.format, ConfigFormat::containerName(container));
                const QString output = convert(QStringLiteral("pair%1").arg(pairs));
                QVERIFY2(!output.isEmpty(), qPrintable(pair));
                QVERIFY2(output.endsWith(QLatin1Char('.') + stored.format), qPrintable(output));
                const TestMedia::Streams streams = TestMedia::probeStreams(output);

                if (!videoCodec.isEmpty()) {
                    QVERIFY2(streams.video.value(QStringLiteral("codec_name")).toString() == probedName(videoCodec),
                             qPrintable(pair));
                    const QString size = stored.vSize.section(QLatin1Char(' '), 0, 0);
                    QCOMPARE(streams.video.value(QStringLiteral("width")).toInt(), leadingNumber(size));
                    QCOMPARE(streams.video.value(QStringLiteral("height")).toInt(),
                             size.section(QLatin1Char('x'), 1, 1).toInt());
                    const double rate = rateOf(streams.video.value(QStringLiteral("avg_frame_rate")).toString());
                    QVERIFY2(qAbs(rate - stored.vFrameRate.section(QLatin1Char(' '), 0, 0).toDouble()) < 0.01,
                             qPrintable(pair + QStringLiteral(" at ") + stored.vFrameRate));
                } else {
                    // An audio file holds sound alone.
                    QVERIFY2(streams.video.isEmpty(), qPrintable(pair));
                }
                QVERIFY2(streams.audio.value(QStringLiteral("codec_name")).toString() == audioCodec, qPrintable(pair));
                QCOMPARE(streams.audio.value(QStringLiteral("sample_rate")).toString().toInt(),
                         leadingNumber(stored.aSample));
                QCOMPARE(streams.audio.value(QStringLiteral("channels")).toInt(), leadingNumber(stored.aChannels));
                ++pairs;
            }
        }
    }
    QVERIFY(pairs >= 40);
}

BRINDLE_TEST_MAIN(TestFormatConversion)
#include "test_formatconversion.moc"
