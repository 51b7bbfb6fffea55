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

namespace {
// The number a choice starts with, as "14.985 fps" or "22050 Hz".
QString leading(const QString &choice)
{
    return choice.section(QLatin1Char(' '), 0, 0);
}
}

// Every codec pair the format dialog offers, stored by the dialog, planned for the run and
// converted by the engine: the output holds what the dialog showed.
class TestFormatConversion : public QObject
{
    Q_OBJECT
private slots:
    void everyOfferedCodecPairConverts();

private:
    // Converts the source with the stored format through the run's planner and the engine.
    QString convert(const QString &name, const HardwareChoice &hardware);

    QTemporaryDir m_dir;
    QString m_source;
};

QString TestFormatConversion::convert(const QString &name, const HardwareChoice &hardware)
{
    ConfigFormat format;
    format.load();
    RunSettings settings;
    settings.container = format.format;
    settings.outPath = m_dir.filePath(name);
    settings.coverage = true;
    settings.hardware = hardware;
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
    const bool ran = TestMedia::run(QCoreApplication::applicationDirPath() + QStringLiteral("/TesselEngine"),
                                    job.arguments);
    if (!ran)
        qWarning().noquote() << job.arguments.join(QLatin1Char(' '));
    return ran ? job.outputPath : QString();
}

void TestFormatConversion::everyOfferedCodecPairConverts()
{
    m_source = TestMedia::make(QStringLiteral("format-source.mp4"),
                               {"-f", "lavfi", "-i", "testsrc=s=160x120:r=25:d=0.5", "-f", "lavfi", "-i",
                                "sine=f=440:d=0.5:sample_rate=44100", "-ac", "2", "-c:v", "libx264", "-c:a", "aac",
                                "-shortest"});
    QVERIFY(!m_source.isEmpty() && QDir().mkpath(m_dir.filePath(QStringLiteral("cache"))));
    // What a first start on this machine chose: hardware use on, and what the check found.
    const HardwareChoice firstRun = HardwareChoice::from(ConfigSystem());
    QVERIFY(firstRun.useHA);
    // Sizes and rates differ from the source's and change from one pair to the next.
    const QStringList sizes = {"176x144 QCIF", "128x96 SQCIF", "320x240 VGA", "352x288 CIF"};
    int pairs = 0;
    for (int container = 0; container < ConfigFormat::kContainerCount; ++container) {
        ConfigFormat::chooseContainer(container);
        QFormatDialog dialog;
        dialog.setHardwareChoice(firstRun);
        dialog.fillLists(container);
        dialog.loadStored();
        const auto combo = [&dialog](const char *name) { return dialog.findChild<QComboBox *>(QLatin1String(name)); };
        const auto pick = [&](const char *name) { combo(name)->setCurrentIndex(pairs % combo(name)->count()); };
        QStringList videoList = TestWidgets::itemsOf(combo("comboBoxVCodec"));
        videoList.removeAll(QStringLiteral("copy"));
        if (videoList.isEmpty())
            videoList << QString();
        QStringList audioList = TestWidgets::itemsOf(combo("comboBoxACodec"));
        audioList.removeAll(QStringLiteral("copy"));

        for (const QString &videoCodec : videoList) {
            for (const QString &audioCodec : audioList) {
                const QString pair = ConfigFormat::containerName(container) + ' ' + videoCodec + ' ' + audioCodec;
                if (!videoCodec.isEmpty()) {
                    TestWidgets::select(combo("comboBoxVCodec"), videoCodec);
                    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxVKeepWH"))->setChecked(false);
                    TestWidgets::select(combo("comboBoxVSize"), sizes[pairs % sizes.size()]);
                    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxKeepFrameRate"))->setChecked(false);
                    pick("comboBoxVFrameRate");
                }
                TestWidgets::select(combo("comboBoxACodec"), audioCodec);
                pick("comboBoxASampleRate");
                pick("comboBoxChannels");
                dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

                ConfigFormat stored;
                stored.load();
                QCOMPARE(stored.format, ConfigFormat::containerName(container));
                const QString output = convert(QStringLiteral("pair%1").arg(pairs++), firstRun);
                QVERIFY2(output.endsWith(QLatin1Char('.') + stored.format), qPrintable(pair));
                const TestMedia::Streams streams = TestMedia::probeStreams(output);
                const auto video = [&streams](const char *key) { return streams.video.value(QLatin1String(key)); };
                const auto audio = [&streams](const char *key) { return streams.audio.value(QLatin1String(key)); };
                // An audio file holds sound alone.
                QVERIFY2(videoCodec.isEmpty() == streams.video.isEmpty(), qPrintable(pair));
                if (!videoCodec.isEmpty()) {
                    // ffprobe's names for the streams of two of the dialog's codecs.
                    const QString probed = videoCodec == "h265" ? "hevc" : videoCodec == "xvid" ? "mpeg4" : videoCodec;
                    QVERIFY2(video("codec_name").toString() == probed, qPrintable(pair));
                    QCOMPARE(QStringLiteral("%1x%2").arg(video("width").toInt()).arg(video("height").toInt()),
                             leading(stored.vSize));
                    const QStringList rate = video("avg_frame_rate").toString().split(QLatin1Char('/'));
                    QVERIFY2(qAbs(rate.value(0).toDouble() / rate.value(1).toDouble() - leading(stored.vFrameRate).toDouble())
                                 < 0.01,
                             qPrintable(pair + QStringLiteral(" at ") + stored.vFrameRate));
                }
                QVERIFY2(audio("codec_name").toString() == audioCodec, qPrintable(pair));
                QCOMPARE(audio("sample_rate").toString(), leading(stored.aSample));
                QCOMPARE(QString::number(audio("channels").toInt()), leading(stored.aChannels));
            }
        }
    }
    QVERIFY(pairs >= 40);
}

BRINDLE_TEST_MAIN(TestFormatConversion)
#include "test_formatconversion.moc"
