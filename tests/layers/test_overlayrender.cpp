#include "placedlayer.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include "common/converttask.h"
#include "layers/filtergraph.h"

#include <QTemporaryDir>

using TestPictures::near;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kRate = 25;

// Frames of one ffmpeg run, as 24-bit RGB.
struct Frames
{
    QByteArray data;
    int width = 0;
    int height = 0;

    int count() const { return width * height ? data.size() / (width * height * 3) : 0; }
    QRgb at(double seconds, int x, int y) const
    {
        const int frame = int(seconds * kRate);
        const char *p = data.constData() + (qint64(frame) * width * height + qint64(y) * width + x) * 3;
        return qRgb(uchar(p[0]), uchar(p[1]), uchar(p[2]));
    }
};

// Black, with a red block in the top-left corner so that flips and turns show.
QString markedSource(double seconds)
{
    return QStringLiteral("color=c=black:s=%1x%2:r=%3:d=%4,format=rgb24,drawbox=x=0:y=0:w=80:h=60:color=red:t=fill")
        .arg(kWidth)
        .arg(kHeight)
        .arg(kRate)
        .arg(seconds);
}

}

// Generated graphs run through the real ffmpeg; the checks look at the output's pixels.
class TestOverlayRender : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static ConvertTask task()
    {
        ConvertTask t;
        t.width = kWidth;
        t.height = kHeight;
        return t;
    }

    QString picture(const QString &name, int w, int h, QColor color = Qt::green)
    {
        return TestPictures::savePlain(m_dir.filePath(name), w, h, color);
    }

    static QString graphFor(const ConvertTask &t, const QList<PlacedLayer *> &layers, const QString &cache,
                            QSize canvas = QSize(kWidth, kHeight), const SubtitleWriters &writers = SubtitleWriters())
    {
        QList<const LayerSource *> sources;
        for (const PlacedLayer *layer : layers)
            sources.append(layer);
        return buildFilterGraph(t, sources, OverlayCanvas{canvas, 2000000}, cache, writers);
    }

    // Runs the graph over the generated source; an empty result when ffmpeg fails.
    static Frames render(const QString &graph, double seconds = 2.0, QSize outputSize = QSize(kWidth, kHeight))
    {
        QStringList arguments{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                              QStringLiteral("lavfi"), QStringLiteral("-i"), markedSource(seconds)};
        if (!graph.isEmpty())
            arguments << QStringLiteral("-vf") << graph;
        arguments << QStringLiteral("-f") << QStringLiteral("rawvideo") << QStringLiteral("-pix_fmt")
                  << QStringLiteral("rgb24") << QStringLiteral("-");
        Frames frames;
        if (!TestMedia::run(QStringLiteral("ffmpeg"), arguments, &frames.data)) {
            qWarning().noquote() << "ffmpeg failed on" << graph;
            return Frames();
        }
        frames.width = outputSize.width();
        frames.height = outputSize.height();
        return frames;
    }

    // Leftmost column in row y whose pixel is near the colour, or -1.
    static int leftmost(const Frames &frames, double seconds, int y, QColor color)
    {
        for (int x = 0; x < frames.width; ++x)
            if (near(frames.at(seconds, x, y), color))
                return x;
        return -1;
    }

    static int topmost(const Frames &frames, double seconds, int x, QColor color)
    {
        for (int y = 0; y < frames.height; ++y)
            if (near(frames.at(seconds, x, y), color))
                return y;
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(TestMedia::run(QStringLiteral("ffmpeg"), {QStringLiteral("-version")}));
    }

    // One run over a half-size canvas, where every canvas pixel is two output pixels: a layer
    // scaled to its place, one shown only inside its time window, and one fading in. A fade
    // changes the layer's transparency, so the picture below shows through, never black.
    void layersArePlacedTimedAndFaded()
    {
        PlacedLayer placed(pictureLayer(picture(QStringLiteral("logo.png"), 40, 20), 50, 30, 40, 20), 1);
        CLayerInfo windowInfo = pictureLayer(picture(QStringLiteral("window.png"), 20, 20), 100, 70, 20, 20);
        windowInfo.StartTime = 1000000;
        windowInfo.EndTime = 2000000;
        PlacedLayer windowed(windowInfo, 2);
        CLayerInfo fadeInfo = pictureLayer(picture(QStringLiteral("fade.png"), 20, 20, Qt::white), 10, 5, 20, 20);
        fadeInfo.fade = CLayerInfo::FadeIn;
        PlacedLayer fading(fadeInfo, 3);
        const Frames frames = render(graphFor(task(), {&placed, &windowed, &fading}, m_dir.path(), QSize(160, 120)), 3.0);
        QVERIFY(frames.count() >= 70);

        QCOMPARE(leftmost(frames, 0.4, 60, Qt::green), 100);
        QCOMPARE(topmost(frames, 0.4, 120, Qt::green), 60);
        QVERIFY(near(frames.at(0.4, 178, 98), Qt::green));
        QVERIFY(near(frames.at(0.4, 182, 70), Qt::black));
        QVERIFY(near(frames.at(0.4, 120, 102), Qt::black));
        QVERIFY(near(frames.at(0.4, 70, 50), Qt::red));

        QVERIFY(near(frames.at(0.5, 220, 160), Qt::black));
        QVERIFY(near(frames.at(1.5, 220, 160), Qt::green));
        QVERIFY(near(frames.at(2.5, 220, 160), Qt::black));

        const QColor early = frames.at(0.0, 40, 30);
        const int middle = qGreen(frames.at(0.24, 40, 30));
        QVERIFY2(near(early.rgb(), Qt::red), qPrintable(early.name()));
        QVERIFY2(middle > 60 && middle < 200, qPrintable(QString::number(middle)));
        QVERIFY(near(frames.at(0.8, 40, 30), Qt::white));
    }

    void layersScrollTheirWay_data()
    {
        QTest::addColumn<int>("animation");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("Left moves right") << int(CLayerInfo::ScrollLeft) << 50 << 0;
        QTest::newRow("Right moves left") << int(CLayerInfo::ScrollRight) << -50 << 0;
        QTest::newRow("Top moves down") << int(CLayerInfo::ScrollTop) << 0 << 50;
        QTest::newRow("Bottom moves up") << int(CLayerInfo::ScrollBottom) << 0 << -50;
    }

    void layersScrollTheirWay()
    {
        QFETCH(int, animation);
        QFETCH(int, dx);
        QFETCH(int, dy);
        CLayerInfo info = pictureLayer(picture(QStringLiteral("scroll.png"), 20, 20), 140, 120, 20, 20);
        info.Animation = animation;
        info.Speed = 100;
        PlacedLayer layer(info, 1);
        const Frames frames = render(graphFor(task(), {&layer}, m_dir.path()), 1.0);
        QVERIFY(frames.count() >= 20);
        // 0.5 s at 100 pixels per second.
        const int row0 = 130, row1 = 130 + dy;
        const int col1 = 150 + dx;
        QCOMPARE(leftmost(frames, 0.0, row0, Qt::green), 140);
        QVERIFY(qAbs(leftmost(frames, 0.5, row1, Qt::green) - (140 + dx)) <= 2);
        QVERIFY(qAbs(topmost(frames, 0.5, col1, Qt::green) - (120 + dy)) <= 2);
    }

    void awkwardFileNamesRender_data()
    {
        QTest::addColumn<QString>("name");
        // Each awkward letter alone is tried beside the quoting itself; here they come all at once.
        QTest::newRow("all at once") << QStringLiteral("x';[a],b:c\\d=e ü \"hi\" \\'.png");
        QTest::newRow("percent d") << QStringLiteral("logo%d.png");
        QTest::newRow("percent sequence") << QStringLiteral("frame%03d 50%.png");
    }

    void awkwardFileNamesRender()
    {
        QFETCH(QString, name);
        const QString folder = m_dir.filePath(QStringLiteral("odd: [dir], 'x'; ü %d"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = TestPictures::savePlain(folder + QLatin1Char('/') + name, 30, 30, Qt::green);
        QVERIFY(!path.isEmpty());
        if (name.contains(QLatin1Char('%'))) {
            // The file a numbered-sequence reading of the name would pick instead.
            QString sequenceFile = name;
            sequenceFile.replace(QStringLiteral("%03d"), QStringLiteral("001")).replace(QStringLiteral("%d"), QStringLiteral("1"));
            QVERIFY(!TestPictures::savePlain(folder + QLatin1Char('/') + sequenceFile, 30, 30, Qt::red).isEmpty());
        }

        // The same folder holds the subtitle, so the ass filter sees an awkward path too.
        const QString assPath = TestFiles::write(
            folder + QLatin1Char('/') + QString(name).replace(QStringLiteral(".png"), QStringLiteral(".ass")),
            TestFiles::emptyAss());
        QVERIFY(!assPath.isEmpty());

        ConvertTask t = task();
        t.hasSubtitle = true;
        t.subtitlePath = assPath;
        PlacedLayer layer(pictureLayer(path, 100, 100, 30, 30), 1);
        // A text layer's picture is written into the same awkward folder, which serves as the cache.
        CLayerInfo text = pictureLayer(QStringLiteral("Text1"), 200, 100, 30, 30, Qt::magenta);
        text.Type = CLayerInfo::Text;
        PlacedLayer textLayer(text, 2);
        const QString graph = graphFor(t, {&layer, &textLayer}, folder);
        QVERIFY(graph.contains(QStringLiteral("ass=")));
        const Frames frames = render(graph, 0.2);
        QVERIFY2(frames.count() >= 1, qPrintable(graph));
        QVERIFY(near(frames.at(0, 115, 115), Qt::green));
        QVERIFY(near(frames.at(0, 215, 115), Qt::magenta));
    }
};

BRINDLE_TEST_MAIN(TestOverlayRender)
#include "test_overlayrender.moc"
