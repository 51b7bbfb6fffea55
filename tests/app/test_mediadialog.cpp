#include "app/mediadialog.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>


class TestMediaDialog : public QObject
{
    Q_OBJECT
private slots:
    void reportsContainerAndStreams();
    void audioOnlyFileKeepsEmptyVideoLines();
    void unreadableFileIsExplainedAndTheDialogCloses();
};

void TestMediaDialog::reportsContainerAndStreams()
{
    const QString clip = TestMedia::clip(2.0);
    QVERIFY(!clip.isEmpty());
    MediaDialog dialog;
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

void TestMediaDialog::unreadableFileIsExplainedAndTheDialogCloses()
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("not a [video], 'quoted' ünïcode 100%.mp4"));
    QVERIFY(!TestFiles::write(broken, QByteArray(4096, 'x')).isEmpty());

    QString error;
    QVERIFY(MediaDialog::report(broken, &error).isEmpty());
    QVERIFY(!error.isEmpty());

    for (const QString &path : {broken, dir.filePath(QStringLiteral("missing.mp4"))}) {
        MediaDialog dialog;
        dialog.setFilePath(path);
        dialog.fill();
        const QString text = dialog.findChild<QTextEdit *>("textEditInfo")->toPlainText();
        QVERIFY2(text.contains(QFileInfo(path).fileName()) && text.contains(QStringLiteral("could not be read")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Reason: ")) && !text.endsWith(QStringLiteral("Reason: ")), qPrintable(text));
        auto *buttons = dialog.findChild<QDialogButtonBox *>("buttonBox");
        dialog.show();
        buttons->button(QDialogButtonBox::Close)->click();
        QVERIFY(!dialog.isVisible());
    }
    QString missingError;
    MediaDialog::report(dir.filePath(QStringLiteral("missing.mp4")), &missingError);
    QVERIFY2(missingError.contains(QStringLiteral("No such file")), qPrintable(missingError));
}

BRINDLE_TEST_MAIN(TestMediaDialog)

#include "test_mediadialog.moc"
