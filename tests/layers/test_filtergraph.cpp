#include "placedlayer.h"
#include "testfiles.h"
#include "testprofile.h"

#include "common/converttask.h"
#include "common/filtergraphescape.h"
#include "common/timeconv.h"
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

    void nothingToDoGivesEmptyText()
    {
        QCOMPARE(graph(task(), {}), QString());
    }

    void quarterTurnCropsTheSwappedFrameToEvenSizes()
    {
        ConvertTask t = task(1920, 1080);
        t.transpose = 1;
        t.crop = ST_CROP_THICK{0.1, 0.1, 0.1005, 0.05, true};
        // Turned: 1080 x 1920; width 0.7995 * 1080 = 863.46 -> 863 -> 864; height 0.85 * 1920 = 1632.
        QCOMPARE(graph(t, {}), QStringLiteral("transpose=1,crop=864:1632:108:192"));

        t.transpose = 2;
        t.verticalFlip = true;
        t.crop = ST_CROP_THICK{0.0, 0.0, 0.0, 0.0005, true};
        // 1920 * 0.9995 = 1919.04 -> 1919 -> 1920.
        QCOMPARE(graph(t, {}), QStringLiteral("vflip,transpose=2,crop=1080:1920:0:0"));
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

    void oneLayerUsesPlainLabelsSeveralUseNumbered()
    {
        PlacedLayer a(pictureLayer(QStringLiteral("/a.png"), 0, 0, 10, 10), 1);
        PlacedLayer b(pictureLayer(QStringLiteral("/b.png"), 5, 5, 10, 10), 2);
        PlacedLayer c(pictureLayer(QStringLiteral("/c.png"), 9, 9, 10, 10), 3);
        const QString one = graph(task(), {&a});
        QVERIFY(one.startsWith(QStringLiteral("movie='/a.png'")));
        QVERIFY(one.contains(QStringLiteral("[m];[in][m]overlay=0:0:eof_action=repeat")));
        QVERIFY(!one.contains(QStringLiteral("[o")));

        const QString three = graph(task(), {&c, &a, &b});
        QVERIFY(three.contains(QStringLiteral("[m0];movie='/b.png'")));
        QVERIFY(three.contains(QStringLiteral("[m1];movie='/c.png'")));
        QVERIFY(three.contains(QStringLiteral("[m2];[in][m0]overlay=0:0:eof_action=repeat[o0];"
                                              "[o0][m1]overlay=5:5:eof_action=repeat[o1];"
                                              "[o1][m2]overlay=9:9:eof_action=repeat")));
        QVERIFY(three.endsWith(QStringLiteral("overlay=9:9:eof_action=repeat")));
    }

    void layersComposeInAscendingZWhateverTheirOrder()
    {
        PlacedLayer top(pictureLayer(QStringLiteral("/top.png"), 0, 0, 10, 10), 7);
        PlacedLayer bottom(pictureLayer(QStringLiteral("/bottom.png"), 0, 0, 10, 10), 2);
        const QString text = graph(task(), {&top, &bottom});
        QVERIFY(text.indexOf(QStringLiteral("/bottom.png")) < text.indexOf(QStringLiteral("/top.png")));
        QVERIFY(text.contains(QStringLiteral("movie='/bottom.png'")) && text.contains(QStringLiteral("[m0];movie='/top.png'")));
    }

    void subtitlesWithAndWithoutLayersAndBaseFilters()
    {
        const QString assPath = TestFiles::write(m_dir.filePath(QStringLiteral("sub.ass")), TestFiles::emptyAss());
        QVERIFY(!assPath.isEmpty());
        ConvertTask t = task();
        t.hasSubtitle = true;
        t.subtitlePath = assPath;
        const QString quoted = quoteFilterGraphPath(assPath);

        QCOMPARE(graph(t, {}), QStringLiteral("ass=") + quoted);
        t.horizontalFlip = true;
        t.verticalFlip = true;
        QCOMPARE(graph(t, {}), QStringLiteral("hflip,vflip,ass=") + quoted);

        PlacedLayer a(pictureLayer(QStringLiteral("/a.png"), 0, 0, 10, 10), 1);
        QVERIFY(graph(t, {&a}).endsWith(QStringLiteral("overlay=0:0:eof_action=repeat[o];[o]ass=") + quoted));
        t.horizontalFlip = t.verticalFlip = false;
        PlacedLayer b(pictureLayer(QStringLiteral("/b.png"), 0, 0, 10, 10), 2);
        const QString two = graph(t, {&a, &b});
        QVERIFY(two.startsWith(QStringLiteral("movie=")));
        QVERIFY(two.endsWith(QStringLiteral("[o0][m1]overlay=0:0:eof_action=repeat[o];[o]ass=") + quoted));
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

    void fadesFollowTheTimeWindowOrTheMediaEnd()
    {
        CLayerInfo info = pictureLayer(QStringLiteral("/a.png"), 0, 0, 10, 10);
        info.fade = CLayerInfo::FadeOut;
        OverlayEntry entry = overlayEntryFor(PlacedLayer(info, 1), 1, 1, QString());
        QVERIFY(!movieChain(entry, 8000000, QStringLiteral("m")).contains(QStringLiteral("fade")));

        entry.fade = CLayerInfo::FadeInOut;
        QVERIFY(movieChain(entry, 8000000, QStringLiteral("m")).endsWith(QStringLiteral(",fade=t=in:st=0:d=0.5:alpha=1,fade=t=out:st=7.5:d=0.5:alpha=1")));
        entry.start = 1500000;
        entry.end = 4000000;
        QVERIFY(movieChain(entry, 8000000, QStringLiteral("m")).endsWith(QStringLiteral(",fade=t=in:st=1.5:d=0.5:alpha=1,fade=t=out:st=3.5:d=0.5:alpha=1")));
        entry.fade = CLayerInfo::FadeOut;
        QCOMPARE(movieChain(entry, 8000000, QStringLiteral("m")),
                 QStringLiteral("movie='/a.png':loop=0,setpts=N/FRAME_RATE/TB,trim=start=1:end=4.5,"
                                "fade=t=out:st=3.5:d=0.5:alpha=1"));
        // No fade at all: the still is read once.
        entry.fade = 9;
        QCOMPARE(movieChain(entry, 8000000, QStringLiteral("m")), QStringLiteral("movie='/a.png',format=yuva420p"));
    }

    void timeWindowsAndMotions()
    {
        QCOMPARE(overlayExpression(3, 4, 1500000, 4000000, 0, 50),
                 QStringLiteral("overlay='if(between(t,1.5,4),3,NAN)':4:eof_action=pass"));
        QCOMPARE(overlayExpression(3, 4, 1500000, 0, 0, 50),
                 QStringLiteral("overlay='if(gte(t,1.5),3,NAN)':4:eof_action=pass"));
        QCOMPARE(overlayExpression(3, 4, 0, 0, 2, 80),
                 QStringLiteral("overlay=W - mod(((t-0)*80+W-3)\\,W+w):4:eof_action=pass"));
        QCOMPARE(overlayExpression(3, 4, 0, 0, 3, 80),
                 QStringLiteral("overlay=3:-h+mod(((t-0)*80+h+4)\\,H+h):eof_action=pass"));
        QCOMPARE(overlayExpression(3, 4, 0, 0, 4, 80),
                 QStringLiteral("overlay=3:H - mod(((t-0)*80+H-4)\\,H+h):eof_action=pass"));
        QCOMPARE(overlayExpression(3, 4, 0, 0, 7, 80), QStringLiteral("overlay=::eof_action=pass"));
    }

    void rotationOpacityAndScale()
    {
        CLayerInfo info = pictureLayer(QStringLiteral("/a.png"), 100, 100, 40, 20);
        info.Angle = 90;
        info.Transparent = 25;
        const OverlayEntry entry = overlayEntryFor(PlacedLayer(info, 1), 1, 1, QString());
        // Turned a quarter about its centre, the box stands upright.
        QCOMPARE(entry.x, 110);
        QCOMPARE(entry.y, 90);
        QVERIFY(!entry.needsScale);
        QCOMPARE(movieChain(entry, 0, QStringLiteral("m")),
                 QStringLiteral("movie='/a.png',format=rgba,colorchannelmixer=aa=0.25,"
                                "rotate='1.5705:ow=20:oh=40:c=0x00000000',format=yuva420p"));
        info.image = info.image.scaled(41, 20);
        QVERIFY(overlayEntryFor(PlacedLayer(info, 1), 1, 1, QString()).needsScale);
    }

    void textLayerImageIsSavedInTheCache()
    {
        CLayerInfo info = pictureLayer(QStringLiteral("Text3"), 0, 0, 12, 8, Qt::red);
        info.Type = CLayerInfo::Text;
        PlacedLayer layer(info, 1);
        const QString cache = m_dir.filePath(QStringLiteral("text cache"));
        QStringList log;
        graph(task(), {&layer}, QSize(640, 360), cache, 0, &log);
        QVERIFY(log.isEmpty());
        const QImage saved(cache + QStringLiteral("/Text3.png"));
        QCOMPARE(saved.size(), QSize(12, 8));
        QCOMPARE(saved.pixelColor(5, 5), QColor(Qt::red));
    }

    void layerRecordDefaultsAndCopies()
    {
        const CLayerInfo defaults;
        QCOMPARE(defaults.Type, int(CLayerInfo::Picture));
        QCOMPARE(defaults.Transparent, 100);
        QCOMPARE(defaults.Angle, 0.0f);
        QVERIFY(defaults.Keep);
        QCOMPARE(defaults.Speed, 50);
        QCOMPARE(defaults.Animation, 0);
        QCOMPARE(defaults.fade, 0);
        QCOMPARE(defaults.Loop, 0);
        QCOMPARE(defaults.EndTime, qint64(0));
        QCOMPARE(defaults.transpose, -1);

        CLayerInfo source = pictureLayer(QStringLiteral("/a.png"), 1, 2, 3, 4, Qt::blue);
        source.StartTime = 1234567;
        CLayerInfo target = pictureLayer(QStringLiteral("/b.png"), 0, 0, 5, 5, Qt::red);
        target.assignSettings(source);
        QCOMPARE(target.FileName, source.FileName);
        QCOMPARE(target.StartTime, source.StartTime);
        QCOMPARE(target.image.pixelColor(0, 0), QColor(Qt::red));
        const CLayerInfo copy(source);
        QCOMPARE(copy.image.pixelColor(0, 0), QColor(Qt::blue));
    }

    void timeTexts()
    {
        QCOMPARE(TimeConv::toText(1234567), QStringLiteral("00:00:01:234"));
        QCOMPARE(TimeConv::fromText(QStringLiteral("00:00:01:234")), qint64(1234000));
        QCOMPARE(TimeConv::toText(TimeConv::fromText(QStringLiteral("25:01:02:003"))), QStringLiteral("25:01:02:003"));
        bool ok = true;
        QCOMPARE(TimeConv::fromText(QStringLiteral("1:2"), &ok), qint64(0));
        QVERIFY(!ok);
        QCOMPARE(TimeConv::fromTime(QTime(1, 2, 3, 4)), qint64(3723004000));
        QCOMPARE(TimeConv::toTime(3723004999), QTime(1, 2, 3, 4));
        QVERIFY(!TimeConv::toTime(qint64(24) * 3600 * 1000000).isValid());
        QCOMPARE(TimeConv::toDurationText(3723999999), QStringLiteral("01:02:03"));
        QCOMPARE(TimeConv::toEngineText(3723459999), QStringLiteral("01:02:03.45"));
        QCOMPARE(TimeConv::toMeltText(3723459999), QStringLiteral("01:02:03:45"));
    }

    void pathQuoting()
    {
        QCOMPARE(quoteFilterGraphPath(QStringLiteral("C:/v/logo.png")), QStringLiteral("'C\\:/v/logo.png'"));
        QCOMPARE(quoteFilterGraphPath(QStringLiteral("/a'b")), QStringLiteral("'/a\\'\\''b'"));
        QCOMPARE(quoteFilterGraphPath(QStringLiteral("/a,b;[c]")), QStringLiteral("'/a,b;[c]'"));
    }
};

BRINDLE_TEST_MAIN(TestFilterGraph)
#include "test_filtergraph.moc"
