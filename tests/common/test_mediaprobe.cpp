#include "common/filtergraphescape.h"
#include "common/mediaprobe.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Files from outside, read by the probe and named in filter graphs: odd names and broken
// contents give clear values, never a crash.
class TestMediaProbe : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void probeReadsWhatTheFileHolds_data();
    void probeReadsWhatTheFileHolds();
    void filterGraphsReachFilesWithAnyName_data();
    void filterGraphsReachFilesWithAnyName();

private:
    QTemporaryDir m_dir;
    QString m_clip;
};

void TestMediaProbe::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_clip = TestMedia::clip(2.0);
    QVERIFY(!m_clip.isEmpty());
}

void TestMediaProbe::probeReadsWhatTheFileHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty: a copy of the test clip
    QTest::addColumn<bool>("opened");
    QTest::addColumn<int>("width");
    QTest::newRow("plain") << "clip.mp4" << QByteArray() << true << 320;
    QTest::newRow("quotes, colons, commas") << "it's \"a\": one, two; [x] 100%.mp4" << QByteArray() << true << 320;
    QTest::newRow("non-ASCII letters") << "Übergröße 字幕 видео.mp4" << QByteArray() << true << 320;
    QTest::newRow("a protocol's name") << "concat:a.mp4" << QByteArray() << true << 320;
    QTest::newRow("empty file") << "empty.mp4" << QByteArray("") << false << 0;
    QTest::newRow("random bytes") << "noise.mp4" << QByteArray(8192, '\x5a') << false << 0;
    QTest::newRow("text") << "notes.mkv" << QByteArray("not a video at all\n") << false << 0;
    QTest::newRow("missing") << "missing.mp4" << QByteArray("-") << false << 0;
}

void TestMediaProbe::probeReadsWhatTheFileHolds()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, opened);
    QFETCH(int, width);
    const QString path = m_dir.filePath(name);
    if (content.isNull())
        QVERIFY(QFile::copy(m_clip, path));
    else if (content != "-")
        QVERIFY(!TestFiles::write(path, content).isEmpty());

    const MediaProbe probe = probeMedia(path);
    QCOMPARE(probe.opened, opened);
    QCOMPARE(probe.width, width);
    if (opened) {
        QCOMPARE(probe.height, 240);
        QVERIFY(qAbs(probe.duration - 2000000) < 100000);
        QVERIFY(qAbs(probe.frameRate - 25.0) < 0.01);
    } else {
        QCOMPARE(probe.duration, 0);
        QCOMPARE(probe.bitRate, 0);
    }
}

void TestMediaProbe::filterGraphsReachFilesWithAnyName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blank") << "a b.mp4";
    QTest::newRow("single quote") << "it's.mp4";
    QTest::newRow("colon") << "a:b.mp4";
    QTest::newRow("comma and semicolon") << "a,b;c.mp4";
    QTest::newRow("brackets") << "[in][out].mp4";
    QTest::newRow("backslash") << "back\\slash.mp4";
    QTest::newRow("equals") << "a=b.mp4";
    QTest::newRow("leading blank") << " lead.mp4";
    QTest::newRow("non-ASCII") << "éte 夏 лето.mp4";
    QTest::newRow("everything") << " it's [a]: b, c; d=e\\f ü.mp4";
}

void TestMediaProbe::filterGraphsReachFilesWithAnyName()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name);
    QVERIFY(QFile::exists(path) || QFile::copy(TestMedia::colourClip(QStringLiteral("blue"), 1.0), path));

    // The real ffmpeg reads the file through the quoted name, and shows its blue picture.
    const auto firstPicture = [](const QString &file) {
        QByteArray png;
        const QString source = QStringLiteral("movie=filename=") + quoteFilterGraphPath(file);
        TestMedia::run(QStringLiteral("ffmpeg"),
                       {"-v", "error", "-f", "lavfi", "-i", source, "-frames:v", "1", "-f", "image2pipe", "-c:v", "png", "-"},
                       &png);
        return QImage::fromData(png, "PNG");
    };
    const QImage picture = firstPicture(path);
    QCOMPARE(picture.size(), QSize(320, 240));
    QVERIFY(picture.pixelColor(160, 120).blue() > 200);
    // A name that is one character off reaches nothing: the name is not read loosely.
    QVERIFY(firstPicture(path + QLatin1Char('x')).isNull());
}

BRINDLE_TEST_MAIN(TestMediaProbe)
#include "test_mediaprobe.moc"
