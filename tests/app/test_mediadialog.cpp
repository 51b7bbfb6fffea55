#include "app/mediadialog.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextEdit>

class TestMediaDialog : public QObject
{
    Q_OBJECT
private slots:
    void reportsContainerAndStreams_data();
    void reportsContainerAndStreams();

private:
    QTemporaryDir m_dir;
};

void TestMediaDialog::reportsContainerAndStreams_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("video with sound") << TestMedia::clip(2.0)
                                      << QStringList{"Format  mov,mp4", "Bit rate  ", "Video", "Codec H264",
                                                     "Frame Rate  25fps", "Size  320 x 240", "Audio", "Codec AAC",
                                                     "Sample Rate  44100 Hz", "Channels  1"};
    // A file without pictures keeps the video lines, empty.
    QTest::newRow("sound alone") << TestMedia::make(QStringLiteral("tone-1s.wav"),
                                                    {"-f", "lavfi", "-i", "sine=frequency=330:sample_rate=22050:duration=1"})
                                 << QStringList{"Format  wav", "Bit rate  ", "Video", "", "", "", "Audio",
                                                "Codec PCM_S16LE", "Sample Rate  22050 Hz", "Channels  1"};
    // A file that cannot be read says why.
    const QString broken = m_dir.filePath(QStringLiteral("not a [video], 'quoted' ünïcode 100%.mp4"));
    QTest::newRow("broken") << TestFiles::write(broken, QByteArray(4096, 'x'))
                            << QStringList{"", "Reason: ", ""};
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.mp4"))
                             << QStringList{"", "Reason: No such file", ""};
}

// Each line of the report starts as expected, the first names the file, and a reason is given.
void TestMediaDialog::reportsContainerAndStreams()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QVERIFY(!file.isEmpty());
    MediaDialog dialog;
    dialog.setFilePath(file);
    dialog.fill();
    const QStringList shown = dialog.findChild<QTextEdit *>("textEditInfo")->toPlainText().split('\n');
    QVERIFY2(shown.value(0).contains(QFileInfo(file).fileName()), qPrintable(shown.value(0)));
    QCOMPARE(shown.size(), lines.size() + 1);
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(shown.at(i + 1).startsWith(lines.at(i)) && shown.at(i + 1) != QLatin1String("Reason: "),
                 qPrintable(shown.at(i + 1)));
}

BRINDLE_TEST_MAIN(TestMediaDialog)

#include "test_mediadialog.moc"
