#include "app/mediadialog.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

class TestMediaDialog : public QObject
{
    Q_OBJECT
private slots:
    void reportsContainerAndStreams_data();
    void reportsContainerAndStreams();
    void unreadableFileIsExplainedAndTheDialogCloses();
};

void TestMediaDialog::reportsContainerAndStreams_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("streamLines");
    QTest::newRow("video with sound") << TestMedia::clip(2.0) << "mov,mp4"
                                      << QStringList{"Video", "Codec H264", "Frame Rate  25fps", "Size  320 x 240",
                                                     "Audio", "Codec AAC", "Sample Rate  44100 Hz", "Channels  1"};
    // A file without pictures keeps the video lines, empty.
    QTest::newRow("sound alone") << TestMedia::make(QStringLiteral("tone-1s.wav"),
                                                    {"-f", "lavfi", "-i", "sine=frequency=330:sample_rate=22050:duration=1"})
                                 << "wav"
                                 << QStringList{"Video", "", "", "", "Audio", "Codec PCM_S16LE", "Sample Rate  22050 Hz",
                                                "Channels  1"};
}

void TestMediaDialog::reportsContainerAndStreams()
{
    QFETCH(QString, file);
    QFETCH(QString, format);
    QFETCH(QStringList, streamLines);
    QVERIFY(!file.isEmpty());
    MediaDialog dialog;
    dialog.setFilePath(file);
    dialog.fill();
    const QStringList lines = dialog.findChild<QTextEdit *>("textEditInfo")->toPlainText().split('\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], QStringLiteral("File  ") + QFileInfo(file).fileName());
    QVERIFY2(lines[1].startsWith(QStringLiteral("Format  ") + format), qPrintable(lines[1]));
    QVERIFY(lines[2].startsWith(QStringLiteral("Bit rate  ")) && lines[2].endsWith(QStringLiteral(" kbs")));
    QCOMPARE(lines.mid(3), streamLines);
}

void TestMediaDialog::unreadableFileIsExplainedAndTheDialogCloses()
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("not a [video], 'quoted' ünïcode 100%.mp4"));
    QVERIFY(!TestFiles::write(broken, QByteArray(4096, 'x')).isEmpty());
    const QString missing = dir.filePath(QStringLiteral("missing.mp4"));

    for (const QString &path : {broken, missing}) {
        MediaDialog dialog;
        dialog.setFilePath(path);
        dialog.fill();
        const QString text = dialog.findChild<QTextEdit *>("textEditInfo")->toPlainText();
        QVERIFY2(text.contains(QFileInfo(path).fileName()) && text.contains(QStringLiteral("could not be read")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Reason: ")) && !text.endsWith(QStringLiteral("Reason: ")), qPrintable(text));
        QVERIFY2(path != missing || text.contains(QStringLiteral("No such file")), qPrintable(text));
        dialog.show();
        dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Close)->click();
        QVERIFY(!dialog.isVisible());
    }
}

BRINDLE_TEST_MAIN(TestMediaDialog)

#include "test_mediadialog.moc"
