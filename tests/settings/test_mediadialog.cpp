#include "settings/codecnames.h"
#include "settings/mediadialog.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

extern "C" {
#include <libavcodec/codec_id.h>
}

class TestMediaDialog : public QObject
{
    Q_OBJECT
private slots:
    void reportsContainerAndStreams();
    void audioOnlyFileKeepsEmptyVideoLines();
    void unreadableFileGivesEmptyReport();
    void codecNames();
};

void TestMediaDialog::reportsContainerAndStreams()
{
    const QString clip = TestMedia::clip(2.0);
    QVERIFY(!clip.isEmpty());
    MediaDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Media Infomation"));
    QCOMPARE(dialog.size(), QSize(400, 347));
    dialog.setFilePath(clip);
    dialog.fill();
    const QStringList lines = dialog.findChild<QTextEdit *>("textEditInfo")->toPlainText().split('\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], QStringLiteral("File  clip-2s.mp4"));
    QVERIFY2(lines[1].startsWith(QStringLiteral("Format  mov,mp4")), qPrintable(lines[1]));
    QVERIFY(lines[2].startsWith(QStringLiteral("Bit rate  ")) && lines[2].endsWith(QStringLiteral(" kbs")));
    QCOMPARE(lines[3], QStringLiteral("Video"));
    QCOMPARE(lines[4], QStringLiteral("Codec H264"));
    QCOMPARE(lines[5], QStringLiteral("Frame Rate  25fps"));
    QCOMPARE(lines[6], QStringLiteral("Size  320 x 240"));
    QCOMPARE(lines[7], QStringLiteral("Audio"));
    QCOMPARE(lines[8], QStringLiteral("Codec AAC"));
    QCOMPARE(lines[9], QStringLiteral("Sample Rate  44100 Hz"));
    QCOMPARE(lines[10], QStringLiteral("Channels  1"));
}

void TestMediaDialog::audioOnlyFileKeepsEmptyVideoLines()
{
    const QString tone = TestMedia::make(QStringLiteral("tone-1s.wav"),
                                         {"-f", "lavfi", "-i", "sine=frequency=330:sample_rate=22050:duration=1"});
    QVERIFY(!tone.isEmpty());
    const QStringList lines = MediaDialog::report(tone).split('\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.mid(3, 4), QStringList({"Video", "", "", ""}));
    QCOMPARE(lines[8], QStringLiteral("Codec PCM_S16LE"));
    QCOMPARE(lines[9], QStringLiteral("Sample Rate  22050 Hz"));
}

void TestMediaDialog::unreadableFileGivesEmptyReport()
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken, 'quoted' ünïcode.mp4"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    QVERIFY(MediaDialog::report(broken).isEmpty());
    QVERIFY(MediaDialog::report(dir.filePath(QStringLiteral("missing.mp4"))).isEmpty());
}

void TestMediaDialog::codecNames()
{
    QCOMPARE(codecReportName(AV_CODEC_ID_HEVC), QStringLiteral("H265"));
    QCOMPARE(codecReportName(AV_CODEC_ID_H264), QStringLiteral("H264"));
    QCOMPARE(codecReportName(AV_CODEC_ID_MPEG2TS), QStringLiteral("MPEG2TS"));
    QCOMPARE(codecReportName(AV_CODEC_ID_INTERPLAY_VIDEO), QStringLiteral("INTERPLAY_VIDEO"));
    QCOMPARE(codecReportName(AV_CODEC_ID_PCM_S16LE), QStringLiteral("PCM_S16LE"));
    QCOMPARE(codecReportName(AV_CODEC_ID_AV1), QStringLiteral("NONE"));
    QCOMPARE(codecReportName(-5), QStringLiteral("NONE"));
}

BRINDLE_TEST_MAIN(TestMediaDialog)

#include "test_mediadialog.moc"
