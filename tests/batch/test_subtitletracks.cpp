#include "subtitlemedia.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include "settings/configformat.h"
#include "settings/formatpresets.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QProcess>

// Subtitle tracks carried by the videos themselves, burned by the headless runner through the
// real engine and found in the outputs' pixels.
class TestSubtitleTracks : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QString program() { return QCoreApplication::applicationDirPath() + QStringLiteral("/brindle-batch"); }

    static int runBatch(const QStringList &arguments, QByteArray *output)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program(), arguments);
        if (!process.waitForStarted() || !process.waitForFinished(300000))
            return -1;
        *output = process.readAll();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // Pixels of a colour on the blue picture: text or subtitle pictures drawn over it.
    static int pixelsLike(const QImage &frame, QColor colour)
    {
        return TestPictures::countWhere(frame, [colour](const QColor &pixel) {
            return TestPictures::near(pixel.rgba(), colour, 69);
        });
    }

    // An ASS track whose own style makes its lines large and red.
    static QByteArray styledAss()
    {
        return TestFiles::helloAss().replace("Arial,20,&H00FFFFFF", "DejaVu Sans,48,&H000000FF");
    }

private slots:
    void initTestCase()
    {
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(appData);
        QSettings system(appData + QStringLiteral("/Brindle.ini"), QSettings::IniFormat);
        system.setValue(QStringLiteral("System/CheckHW"), false);
        system.sync();
        // The source's own rate would blur small text past finding: the sources are one flat colour.
        ConfigFormat mp4;
        mp4.load();
        mp4.applyContainerDefaults(ConfigFormat::containerIndex(QStringLiteral("mp4")));
        mp4.format = QStringLiteral("mp4");
        mp4.vBitRate = QStringLiteral("2048 kbps");
        QVERIFY(FormatPresets::write(FormatPresets::pathOf(FormatPresets::folder(), QStringLiteral("Sharp MP4")), mp4));
    }

    void theChosenTrackIsBurnedAtItsTimes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("track");
        QTest::addColumn<QColor>("colour");

        const QByteArray early = SubtitleMedia::cueSrt(0.5, 1.5);
        const QByteArray late = SubtitleMedia::cueSrt(1.8, 2.8);
        const QByteArray box = SubtitleMedia::pictureTrack(QStringLiteral("box.mks"), QRect(100, 150, 120, 40), 0.5,
                                                           1.5)
                                   .toUtf8();
        QVERIFY(!box.isEmpty());
        QTest::newRow("SubRip in MKV") << SubtitleMedia::videoWithTracks("srt.mkv", {early}, "srt") << 1
                                       << QColor(Qt::white);
        QTest::newRow("ASS with its style in MKV")
            << SubtitleMedia::videoWithTracks("ass.mkv", {styledAss()}, "ass") << 1 << QColor(Qt::red);
        QTest::newRow("mov_text in MP4") << SubtitleMedia::videoWithTracks("movtext.mp4", {early}, "mov_text") << 1
                                         << QColor(Qt::white);
        QTest::newRow("pictures in MKV") << SubtitleMedia::videoWithTracks("dvdsub.mkv", {box}, "copy") << 1
                                         << QColor(Qt::white);
        QTest::newRow("second of two tracks")
            << SubtitleMedia::videoWithTracks("two, late first.mkv", {late, early}, "srt") << 2 << QColor(Qt::white);
        QTest::newRow("text of a file starting late")
            << SubtitleMedia::videoWithTracks("srt-late.mkv", {early}, "srt", 3.0) << 1 << QColor(Qt::white);
        QTest::newRow("pictures of a file starting late")
            << SubtitleMedia::videoWithTracks("dvdsub-late.mkv", {box}, "copy", 3.0) << 1 << QColor(Qt::white);
    }

    void theChosenTrackIsBurnedAtItsTimes()
    {
        QFETCH(QString, source);
        QFETCH(int, track);
        QFETCH(QColor, colour);
        const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QByteArray log;
        QCOMPARE(runBatch({"--subtitle-track", QString::number(track), "--format", "Sharp MP4", "--output", out, source},
                          &log),
                 0);
        const QString output = out + QLatin1Char('/') + QFileInfo(source).completeBaseName() + QStringLiteral(".mp4");
        QVERIFY2(QFileInfo::exists(output), log.constData());
        QVERIFY(qAbs(TestMedia::probeDuration(output) - 3.0) < 0.2);
        const QImage with = TestMedia::frameOf(output, 1.0);
        const QImage without = TestMedia::frameOf(output, 2.2);
        QVERIFY2(pixelsLike(with, colour) > 40, qPrintable(QString::number(pixelsLike(with, colour))));
        QCOMPARE(pixelsLike(without, colour), 0);
    }

    void aVideoWithoutTheTrackFailsOrIsSkipped()
    {
        const QString plain = TestMedia::colourClip(QStringLiteral("blue"), 3.0);
        const QString broken =
            SubtitleMedia::undecodableCopy(SubtitleMedia::videoWithTracks("srt.mkv", {SubtitleMedia::cueSrt(0.5, 1.5)}, "srt"),
                                           QStringLiteral("undecodable.mkv"));
        QVERIFY(!broken.isEmpty());
        const QString out = m_dir.filePath(QStringLiteral("missing"));
        QByteArray log;
        QCOMPARE(runBatch({"--subtitle-track", "1", "--output", out, plain}, &log), 1);
        QVERIFY2(log.contains("no subtitle track 1"), log.constData());
        QCOMPARE(runBatch({"--subtitle-track", "1", "--subtitle-track-optional", "--output", out, plain}, &log), 0);
        QVERIFY2(log.contains("skipped") && log.contains("no subtitle track 1"), log.constData());
        // A track nothing can decode leaves no output that lacks it.
        QCOMPARE(runBatch({"--subtitle-track", "1", "--output", out, broken}, &log), 1);
        QVERIFY2(log.contains("cannot be decoded"), log.constData());
        QVERIFY(QDir(out).entryList(QDir::Files).isEmpty());
    }
};

BRINDLE_TEST_MAIN(TestSubtitleTracks)
#include "test_subtitletracks.moc"
