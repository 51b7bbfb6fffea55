#include "app/qformatdialog.h"
#include "mainwindowtest.h"
#include "settings/configformat.h"
#include "testmedia.h"
#include "testprofile.h"
#include "testwidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>

// Every codec pair the format dialog offers, stored by the dialog and converted by the
// window's run: the output holds what the dialog showed.
class TestFormatConversion : public MainWindowTest
{
    Q_OBJECT
private slots:
    void everyOfferedCodecPairConverts();
    void cleanup() { closeWindow(); }
};

void TestFormatConversion::everyOfferedCodecPairConverts()
{
    QTemporaryDir dir;
    const QString source = TestMedia::make(QStringLiteral("format-source.mp4"),
                                           {"-f", "lavfi", "-i", "testsrc=s=160x120:r=25:d=0.5", "-f", "lavfi", "-i",
                                            "sine=f=440:d=0.5:sample_rate=44100", "-ac", "2", "-c:v", "libx264",
                                            "-c:a", "aac", "-shortest"});
    QVERIFY(!source.isEmpty());
    openWindow();
    // Hardware use on, as a first start chooses it, with what the check found on this machine.
    m_window->systemSettings().useHA = true;
    const quint64 id = m_window->addFiles({source}).first();
    // The number a choice starts with, as "14.985 fps" or "22050 Hz".
    const auto leading = [](const QString &choice) { return choice.section(QLatin1Char(' '), 0, 0); };
    // Sizes and rates differ from the source's and change from one pair to the next.
    const QStringList sizes = {"176x144 QCIF", "128x96 SQCIF", "320x240 VGA", "352x288 CIF"};
    int pairs = 0;
    for (int container = 0; container < ConfigFormat::kContainerCount; ++container) {
        find<QComboBox>("comboBoxFormat")->setCurrentIndex(container);
        QFormatDialog dialog;
        dialog.setHardwareChoice(HardwareChoice::from(m_window->systemSettings()));
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
                const QString folder = dir.filePath(QStringLiteral("pair%1").arg(pairs++));
                find<QLineEdit>("lineEditOutput")->setText(folder);
                rows()->setState(id, RowState::Ready);
                QVERIFY2(runToTheEnd() && rows()->state(id) == RowState::Completed, qPrintable(pair + rows()->log(id)));
                const QString output = folder + QStringLiteral("/format-source.") + stored.format;
                QVERIFY2(stored.format == ConfigFormat::containerName(container) && QFile::exists(output),
                         qPrintable(output));
                const auto [video, audio] = TestMedia::probeStreams(output);
                // An audio file holds sound alone.
                QVERIFY2(videoCodec.isEmpty() == video.isEmpty(), qPrintable(pair));
                if (!videoCodec.isEmpty()) {
                    // ffprobe's names for the streams of two of the dialog's codecs.
                    const QString probed = videoCodec == "h265" ? "hevc" : videoCodec == "xvid" ? "mpeg4" : videoCodec;
                    QVERIFY2(video["codec_name"].toString() == probed, qPrintable(pair));
                    QCOMPARE(QStringLiteral("%1x%2").arg(video["width"].toInt()).arg(video["height"].toInt()),
                             leading(stored.vSize));
                    const QStringList rate = video["avg_frame_rate"].toString().split(QLatin1Char('/'));
                    const double fps = rate.value(0).toDouble() / rate.value(1).toDouble();
                    QVERIFY2(qAbs(fps - leading(stored.vFrameRate).toDouble()) < 0.01,
                             qPrintable(pair + QStringLiteral(" at ") + stored.vFrameRate));
                }
                QVERIFY2(audio["codec_name"].toString() == audioCodec, qPrintable(pair));
                QCOMPARE(audio["sample_rate"].toString(), leading(stored.aSample));
                QCOMPARE(QString::number(audio["channels"].toInt()), leading(stored.aChannels));
            }
        }
    }
    QVERIFY(pairs >= 40);
}

BRINDLE_TEST_MAIN(TestFormatConversion)
#include "test_formatconversion.moc"
