#include "app/qformatdialog.h"
#include "jobs/conversionplan.h"
#include "layers/overlaygraphs.h"
#include "layers/watermarkdocument.h"
#include "settings/configformat.h"
#include "settings/configsystem.h"
#include "editor/cropdialog.h"
#include "editor/cropwnd.h"
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
    void everyOfferedAudioChoiceEncodes();
    void copyKeepsTheSourceStreams();
    void storedCropComesOutInTheVideo();

private:
    // The run's plan for the source with the stored format.
    ConversionPlan plan(const QString &source, const QString &name, const HardwareChoice &hardware,
                        const ConvertTask &task = ConvertTask());
    // Converts the source with the stored format through the run's planner and the engine.
    QString convert(const QString &source, const QString &name, const ConvertTask &task = ConvertTask());

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

ConversionPlan TestFormatConversion::plan(const QString &source, const QString &name, const HardwareChoice &hardware,
                                          const ConvertTask &given)
{
    ConfigFormat format;
    format.load();
    RunSettings settings;
    settings.container = format.format;
    settings.outPath = m_dir.filePath(name);
    settings.coverage = true;
    settings.hardware = hardware;
    QDir().mkpath(settings.outPath);

    ConvertTask task = given;
    task.sourcePath = source;
    const MediaProbe media = probeMedia(source);
    task.width = media.width;
    task.height = media.height;
    task.end = media.duration;
    const WatermarkDocument noLayers;
    const QString graph = OverlayGraphs(&noLayers, m_dir.filePath(QStringLiteral("cache"))).forRun(0, task);
    return ConversionPlanner::plan(task, format, settings, media, graph);
}

QString TestFormatConversion::convert(const QString &source, const QString &name, const ConvertTask &given)
{
    const ConversionPlan planned = plan(source, name, m_firstRun, given);
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
        auto *videoCodecs = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxVCodec"));
        auto *audioCodecs = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxACodec"));
        QStringList videoList = itemsOf(videoCodecs);
        videoList.removeAll(QStringLiteral("copy"));
        if (videoList.isEmpty())
            videoList << QString();
        QStringList audioList = itemsOf(audioCodecs);
        audioList.removeAll(QStringLiteral("copy"));

        for (const QString &videoCodec : videoList) {
            for (const QString &audioCodec : audioList) {
                const QString pair = QStringLiteral("%1 %2 %3").arg(ConfigFormat::containerName(container), videoCodec,
                                                                    audioCodec);
                if (!videoCodec.isEmpty()) {
                    select(videoCodecs, videoCodec);
                    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxVKeepWH"))->setChecked(false);
                    select(dialog.findChild<QComboBox *>(QStringLiteral("comboBoxVSize")), sizes[pairs % sizes.size()]);
                    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxKeepFrameRate"))->setChecked(false);
                    auto *rates = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxVFrameRate"));
                    rates->setCurrentIndex(pairs % rates->count());
                }
                select(audioCodecs, audioCodec);
                auto *samples = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxASampleRate"));
                samples->setCurrentIndex(pairs % samples->count());
                auto *channels = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxChannels"));
                channels->setCurrentIndex(pairs % channels->count());
                dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

                ConfigFormat stored;
                stored.load();
                QCOMPARE(stored.format, ConfigFormat::containerName(container));
                const QString output = convert(m_source, QStringLiteral("pair%1").arg(pairs));
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

void TestFormatConversion::everyOfferedAudioChoiceEncodes()
{
    // Each sample rate and channel count the dialog offers for a codec, through the real encoder
    // into the container; a choice the encoder refuses would fail the user's whole conversion.
    int choices = 0;
    for (int container = 0; container < ConfigFormat::kContainerCount; ++container) {
        QFormatDialog dialog;
        dialog.fillLists(container);
        auto *codecs = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxACodec"));
        for (const QString &codec : itemsOf(codecs)) {
            if (codec == QLatin1String("copy"))
                continue;
            select(codecs, codec);
            const QStringList rates = itemsOf(dialog.findChild<QComboBox *>(QStringLiteral("comboBoxASampleRate")));
            const QStringList channels = itemsOf(dialog.findChild<QComboBox *>(QStringLiteral("comboBoxChannels")));
            for (const QString &rate : rates) {
                for (const QString &count : channels) {
                    const QString output = m_dir.filePath(QStringLiteral("choice.") + ConfigFormat::containerName(container));
                    QVERIFY2(TestMedia::run(QStringLiteral("ffmpeg"),
                                            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                                             QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                             QStringLiteral("sine=d=0.05"), QStringLiteral("-acodec"), codec,
                                             QStringLiteral("-ar"), QString::number(leadingNumber(rate)),
                                             QStringLiteral("-ac"), QString::number(leadingNumber(count)), output}),
                             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(ConfigFormat::containerName(container), codec,
                                                                         rate, count)));
                    ++choices;
                }
            }
        }
    }
    QVERIFY(choices >= 40);
}

void TestFormatConversion::copyKeepsTheSourceStreams()
{
    ConfigFormat::chooseContainer(1);
    QFormatDialog dialog;
    dialog.fillLists(1);
    dialog.loadStored();
    select(dialog.findChild<QComboBox *>(QStringLiteral("comboBoxVCodec")), QStringLiteral("copy"));
    dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxKeepACodec"))->setChecked(true);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

    const QString output = convert(m_source, QStringLiteral("copy"));
    QVERIFY(!output.isEmpty());
    const TestMedia::Streams streams = TestMedia::probeStreams(output);
    QCOMPARE(streams.video.value(QStringLiteral("codec_name")).toString(), QStringLiteral("h264"));
    QCOMPARE(streams.video.value(QStringLiteral("width")).toInt(), 160);
    QCOMPARE(streams.audio.value(QStringLiteral("codec_name")).toString(), QStringLiteral("aac"));
    QCOMPARE(streams.audio.value(QStringLiteral("channels")).toInt(), 2);
}

void TestFormatConversion::storedCropComesOutInTheVideo()
{
    // Red picture with a blue top-right quarter.
    const QString source = TestMedia::make(
        QStringLiteral("crop-source.mp4"),
        {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("color=c=red:s=160x120:r=25:d=0.5,drawbox=x=80:y=0:w=80:h=60:color=blue:t=fill"),
         QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=d=0.5"),
         QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv444p"),
         QStringLiteral("-shortest")});
    QVERIFY(!source.isEmpty());

    // The user drags the frame's bottom-left corner to the middle of the picture.
    CropDialog dialog;
    dialog.setCrop(ST_CROP_THICK());
    QImage frame(160, 120, QImage::Format_RGB32);
    frame.fill(Qt::red);
    dialog.setPicture(frame);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *preview = dialog.findChild<CropWnd *>(QStringLiteral("pPreviewWnd"));
    const QRectF area = preview->imageArea();
    QCOMPARE(area.size(), QSizeF(160, 120));
    const QPoint from = preview->mapTo(&dialog, area.bottomLeft().toPoint());
    const QPoint to = preview->mapTo(&dialog, area.center().toPoint());
    QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(dialog.windowHandle(), to);
    QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, to);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    const ST_CROP_THICK crop = dialog.crop();
    QVERIFY(crop.cropped);
    QCOMPARE(crop.left, 0.5);
    QCOMPARE(crop.bottom, 0.5);

    ConfigFormat::chooseContainer(0);
    QFormatDialog format;
    format.fillLists(0);
    format.loadStored();
    format.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    ConvertTask task;
    task.crop = crop;
    const QString output = convert(source, QStringLiteral("crop"), task);
    QVERIFY(!output.isEmpty());
    const TestMedia::Streams streams = TestMedia::probeStreams(output);
    QCOMPARE(streams.video.value(QStringLiteral("width")).toInt(), 80);
    QCOMPARE(streams.video.value(QStringLiteral("height")).toInt(), 60);

    const QImage picture = TestMedia::frameOf(output, 0.0);
    QCOMPARE(picture.size(), QSize(80, 60));
    for (const QPoint &point : {QPoint(2, 2), QPoint(77, 2), QPoint(2, 57), QPoint(77, 57), QPoint(40, 30)}) {
        const QColor colour = picture.pixelColor(point);
        QVERIFY2(colour.blue() > 180 && colour.red() < 80,
                 qPrintable(QStringLiteral("%1,%2 is %3").arg(point.x()).arg(point.y()).arg(colour.name())));
    }
}

BRINDLE_TEST_MAIN(TestFormatConversion)
#include "test_formatconversion.moc"
