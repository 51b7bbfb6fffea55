#include "placedlayer.h"
#include "testfiles.h"
#include "testprofile.h"

#include "common/converttask.h"
#include "common/filtergraphescape.h"
#include "subtitles/subtitleparser.h"
#include "layers/filtergraph.h"

#include <QTemporaryDir>

// The filter graph text: the worked layout, labels, base filters, subtitles, timing.
class TestFilterGraph : public QObject
{
    Q_OBJECT

private:
    static ConvertTask task(int w = 640, int h = 360)
    {
        ConvertTask t;
        t.width = w;
        t.height = h;
        return t;
    }

    static QString graph(const ConvertTask &t, const QList<PlacedLayer *> &layers, QSize canvas = QSize(640, 360),
                         const QString &cache = QStringLiteral("C:/cache"), qint64 duration = 0,
                         QStringList *log = nullptr, const SubtitleWriters &writers = SubtitleWriters())
    {
        QList<const LayerSource *> sources;
        for (const PlacedLayer *layer : layers)
            sources.append(layer);
        return buildFilterGraph(t, sources, OverlayCanvas{canvas, duration}, cache, writers, log);
    }

    QTemporaryDir m_dir;

private slots:
    void workedExample()
    {
        ConvertTask t = task();
        t.horizontalFlip = true;
        PlacedLayer logo(pictureLayer(QStringLiteral("C:/v/logo.png"), 10, 20, 200, 100), 1);
        CLayerInfo text = pictureLayer(QStringLiteral("Text1"), 300, 40, 120, 40);
        text.Type = CLayerInfo::Text;
        text.Transparent = 50;
        text.fade = CLayerInfo::FadeIn;
        text.Animation = CLayerInfo::ScrollLeft;
        text.Speed = 50;
        text.StartTime = 2000000;
        text.EndTime = 10000000;
        PlacedLayer title(text, 2);
        // "C:/cache" is a relative folder here; keep it inside the test's own folder.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QStringList log;
        const QString result = graph(t, {&title, &logo}, QSize(640, 360), QStringLiteral("C:/cache"), 0, &log);
        QCOMPARE(result,
                 QStringLiteral("hflip[in];movie='C\\:/v/logo.png',format=yuva420p[m0];movie='C\\:/cache/Text1.png':loop=0,"
                                "setpts=N/FRAME_RATE/TB,trim=start=1.5:end=10.5,format=rgba,colorchannelmixer=aa=0.5,"
                                "fade=t=in:st=2:d=0.5:alpha=1[m1];[in][m0]overlay=10:20:eof_action=repeat[o0];"
                                "[o0][m1]overlay='if(between(t,2,10),-w+mod(((t-2)*50+w+300)\\,W+w),NAN)':40:eof_action=pass"));
        QDir::setCurrent(previous);
        QVERIFY(log.isEmpty());
        QCOMPARE(QImage(m_dir.filePath(QStringLiteral("C:/cache/Text1.png"))).size(), QSize(120, 40));
    }

    // A quarter turn crops the swapped frame, to even sizes.
    void baseFiltersOfTheFrame_data()
    {
        QTest::addColumn<int>("transpose");
        QTest::addColumn<bool>("verticalFlip");
        QTest::addColumn<ST_CROP_THICK>("crop");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing to do") << -1 << false << ST_CROP_THICK() << QString();
        // Turned: 1080 x 1920; width 0.7995 * 1080 = 863.46 -> 863 -> 864; height 0.85 * 1920 = 1632.
        QTest::newRow("clockwise") << 1 << false << ST_CROP_THICK{0.1, 0.1, 0.1005, 0.05, true}
                                   << QStringLiteral("transpose=1,crop=864:1632:108:192");
        // 1920 * 0.9995 = 1919.04 -> 1919 -> 1920.
        QTest::newRow("counter-clockwise, flipped") << 2 << true << ST_CROP_THICK{0.0, 0.0, 0.0, 0.0005, true}
                                                    << QStringLiteral("vflip,transpose=2,crop=1080:1920:0:0");
    }

    void baseFiltersOfTheFrame()
    {
        QFETCH(int, transpose);
        QFETCH(bool, verticalFlip);
        QFETCH(ST_CROP_THICK, crop);
        QFETCH(QString, expected);
        ConvertTask t = task(1920, 1080);
        t.transpose = transpose;
        t.verticalFlip = verticalFlip;
        t.crop = crop;
        QCOMPARE(graph(t, {}), expected);
    }

    void scaleFactorsFollowTheTurnedAndCroppedFrame()
    {
        ConvertTask t = task(640, 360);
        t.transpose = 1;
        t.crop = ST_CROP_THICK{0.0, 0.0, 0.0, 0.5, true}; // output frame 360 x 320
        PlacedLayer layer(pictureLayer(QStringLiteral("/a.png"), 18, 16, 36, 32), 1);
        // Canvas of 180 x 160 doubles everything.
        QCOMPARE(graph(t, {&layer}, QSize(180, 160)),
                 QStringLiteral("transpose=1,crop=360:320:0:0[in];movie='/a.png',scale=72:64,format=yuva420p[m];"
                                "[in][m]overlay=36:32:eof_action=repeat"));
    }

    void unusableSubtitleIsLeftOutAndLogged()
    {
        ConvertTask t = task();
        t.hasSubtitle = true;
        t.horizontalFlip = true;
        const QString srt = TestFiles::write(m_dir.filePath(QStringLiteral("locked.srt")),
                                             "1\n00:00:00,000 --> 00:00:01,000\nHello\n");
        QVERIFY(!srt.isEmpty());
        QFile file(srt);
        t.subtitlePath = srt;

        // No converter: the picture still converts, without subtitles.
        QStringList log;
        QCOMPARE(graph(t, {}, QSize(640, 360), m_dir.path(), 0, &log), QStringLiteral("hflip"));
        QCOMPARE(log.size(), 1);
        QVERIFY(log.first().contains(srt));

        // A converter that fails (as for an unreadable SRT) is no different.
        SubtitleWriters failing;
        failing.srtToAss = [](const QString &, const QString &) { return false; };
        log.clear();
        QCOMPARE(graph(t, {}, QSize(640, 360), m_dir.path(), 0, &log, failing), QStringLiteral("hflip"));
        QCOMPARE(log.size(), 1);

        // An SRT the process may not read never reaches the converter.
        bool called = false;
        SubtitleWriters watching;
        watching.srtToAss = [&called](const QString &, const QString &) { return called = true; };
        QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        if (!QFileInfo(srt).isReadable()) {
            log.clear();
            QCOMPARE(graph(t, {}, QSize(640, 360), m_dir.path(), 0, &log, watching), QStringLiteral("hflip"));
            QVERIFY(!called);
            QVERIFY(log.first().contains(srt));
        }
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        // A file libass cannot load would make the ass filter fail the whole graph.
        t.subtitlePath = TestFiles::write(m_dir.filePath(QStringLiteral("empty.ass")), QByteArray());
        QVERIFY(!t.subtitlePath.isEmpty());
        log.clear();
        QCOMPARE(graph(t, {}, QSize(640, 360), m_dir.path(), 0, &log), QStringLiteral("hflip"));
        QCOMPARE(log.size(), 1);
    }

    void srtIsConvertedIntoTheCacheAndVanishedFilesAreLeftOut()
    {
        ConvertTask t = task();
        t.hasSubtitle = true;
        t.subtitlePath = TestFiles::write(m_dir.filePath(QStringLiteral("movie.SRT")),
                                          "1\n00:00:00,000 --> 00:00:01,000\nHello\n");
        QVERIFY(!t.subtitlePath.isEmpty());
        const QString cache = m_dir.filePath(QStringLiteral("cache"));
        const auto writeAss = [](const QString &target) {
            return !TestFiles::write(target, TestFiles::emptyAss()).isEmpty();
        };
        SubtitleWriters writers;
        QString seenSource;
        writers.srtToAss = [&](const QString &srt, const QString &target) {
            seenSource = srt;
            return writeAss(target);
        };
        writers.writeDocument = writeAss;
        const QString converted = burnInSubtitleCachePath(cache, t.subtitlePath);
        QCOMPARE(graph(t, {}, QSize(), cache, 0, nullptr, writers),
                 QStringLiteral("ass=") + quoteFilterGraphPath(converted));
        QCOMPARE(seenSource, t.subtitlePath);

        // Rows are prepared together before any of them converts: each keeps its own file.
        ConvertTask other = t;
        other.subtitlePath = TestFiles::write(m_dir.filePath(QStringLiteral("other.srt")),
                                              "1\n00:00:00,000 --> 00:00:01,000\nBye\n");
        const QString otherConverted = burnInSubtitleCachePath(cache, other.subtitlePath);
        QVERIFY(otherConverted != converted);
        QCOMPARE(graph(other, {}, QSize(), cache, 0, nullptr, writers),
                 QStringLiteral("ass=") + quoteFilterGraphPath(otherConverted));
        QVERIFY(QFileInfo::exists(converted));

        // The subtitle reader's own writers make an SRT that libass accepts.
        SubtitleParser edited;
        QFile::remove(otherConverted);
        QCOMPARE(graph(other, {}, QSize(), cache, 0, nullptr, documentWriters(edited)),
                 QStringLiteral("ass=") + quoteFilterGraphPath(otherConverted));
        QVERIFY(QFileInfo(otherConverted).size() > 0);

        // A vanished file is left out with a note, unless it is the edited document's own.
        t.subtitlePath = m_dir.filePath(QStringLiteral("gone.ass"));
        QStringList notes;
        QCOMPARE(graph(t, {}, QSize(), cache, 0, &notes, writers), QString());
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes.first().contains(QStringLiteral("gone.ass")));
        writers.documentPath = t.subtitlePath;
        QCOMPARE(graph(t, {}, QSize(), cache, 0, nullptr, writers),
                 QStringLiteral("ass=") + quoteFilterGraphPath(cache + QStringLiteral("/subtitle.ass")));
        t.subtitlePath.clear();
        writers.documentPath.clear();
        QCOMPARE(graph(t, {}, QSize(), cache, 0, nullptr, writers),
                 QStringLiteral("ass=") + quoteFilterGraphPath(cache + QStringLiteral("/subtitle.ass")));
    }

    void turnedLayerIsPlacedByItsUprightBox()
    {
        CLayerInfo info = pictureLayer(QStringLiteral("/a.png"), 100, 100, 40, 20);
        info.Angle = 90;
        const OverlayEntry entry = overlayEntryFor(PlacedLayer(info, 1), 1, 1, QString());
        QCOMPARE(QPoint(entry.x, entry.y), QPoint(110, 90));
    }
};

BRINDLE_TEST_MAIN(TestFilterGraph)
#include "test_filtergraph.moc"
