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

    // Where the burnt-in subtitle comes from: the file itself, its conversion into the cache,
    // or the edited document; or it is left out with a note and the picture still converts.
    void subtitleIsBurntInOrLeftOutWithANote_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: the file is gone
        QTest::addColumn<QString>("writers");
        QTest::addColumn<QString>("burnt"); // empty: left out
        const QByteArray srt = TestFiles::helloSrt();
        const QString cache = QStringLiteral("cache");
        QTest::newRow("SRT converted into the cache") << "movie.SRT" << srt << "fake" << cache;
        QTest::newRow("SRT through the reader's writers") << "own.srt" << srt << "reader" << cache;
        QTest::newRow("SRT without a converter") << "a.srt" << srt << "none" << QString();
        QTest::newRow("SRT the converter fails on") << "b.srt" << srt << "failing" << QString();
        QTest::newRow("SRT that may not be read") << "locked.srt" << srt << "watching" << QString();
        // The ass filter would fail the whole graph on a file libass cannot load.
        QTest::newRow("ASS libass cannot load") << "empty.ass" << QByteArray("") << "fake" << QString();
        QTest::newRow("vanished file") << "gone.ass" << QByteArray() << "fake" << QString();
        QTest::newRow("vanished edited document") << "gone.ass" << QByteArray() << "document" << "document";
        QTest::newRow("no file, edited document") << QString() << QByteArray() << "fake" << "document";
    }

    void subtitleIsBurntInOrLeftOutWithANote()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, writers);
        QFETCH(QString, burnt);
        ConvertTask t = task();
        t.hasSubtitle = true;
        t.horizontalFlip = true;
        t.subtitlePath = name.isEmpty() ? QString() : m_dir.filePath(name);
        if (!content.isNull())
            QVERIFY(!TestFiles::write(t.subtitlePath, content).isEmpty());
        const QString cache = m_dir.filePath(QStringLiteral("cache"));
        const auto writeAss = [](const QString &target) {
            return !TestFiles::write(target, TestFiles::emptyAss()).isEmpty();
        };
        bool converted = false;
        SubtitleParser edited;
        SubtitleWriters chosen = writers == QLatin1String("reader") ? documentWriters(edited) : SubtitleWriters();
        if (writers != QLatin1String("none") && writers != QLatin1String("reader")) {
            chosen.srtToAss = [&](const QString &source, const QString &target) {
                converted = source == t.subtitlePath;
                return writers != QLatin1String("failing") && writeAss(target);
            };
            chosen.writeDocument = writeAss;
        }
        if (writers == QLatin1String("document"))
            chosen.documentPath = t.subtitlePath;
        QFile file(t.subtitlePath);
        if (writers == QLatin1String("watching")) {
            QVERIFY(file.setPermissions(QFileDevice::Permissions()));
            if (QFileInfo(t.subtitlePath).isReadable())
                QSKIP("this user reads every file");
        }

        QStringList log;
        const QString built = graph(t, {}, QSize(), cache, 0, &log, chosen);
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (burnt.isEmpty()) {
            QCOMPARE(built, QStringLiteral("hflip"));
            QCOMPARE(log.size(), 1);
            QVERIFY2(name.isEmpty() || log.first().contains(name), qPrintable(log.first()));
            QVERIFY(writers != QLatin1String("watching") || !converted);
            return;
        }
        // Rows are prepared together before any of them converts: each source has its own file.
        const QString expected = burnt == QLatin1String("document") ? burnInSubtitleCachePath(cache, QString())
                                                                    : burnInSubtitleCachePath(cache, t.subtitlePath);
        QVERIFY(burnInSubtitleCachePath(cache, t.subtitlePath + QLatin1Char('x')) != expected);
        QCOMPARE(built, QStringLiteral("hflip,ass=") + quoteFilterGraphPath(expected));
        QVERIFY(log.isEmpty());
        QVERIFY(QFileInfo(expected).size() > 0);
        QVERIFY(converted || writers != QLatin1String("fake") || name.isEmpty());
    }
};

BRINDLE_TEST_MAIN(TestFilterGraph)
#include "test_filtergraph.moc"
