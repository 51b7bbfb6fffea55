#include "placedlayer.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include "common/converttask.h"
#include "layers/filtergraph.h"

#include <QTemporaryDir>

using TestMedia::frameOf;
using TestPictures::near;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// Leftmost column in row y whose pixel is near the colour, or -1.
int leftmost(const QImage &frame, int y, QColor color)
{
    for (int x = 0; x < frame.width(); ++x)
        if (near(frame.pixel(x, y), color))
            return x;
    return -1;
}

int topmost(const QImage &frame, int x, QColor color)
{
    for (int y = 0; y < frame.height(); ++y)
        if (near(frame.pixel(x, y), color))
            return y;
    return -1;
}

}

// Generated graphs run through the real ffmpeg; the checks look at the output's pixels.
class TestOverlayRender : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_source;

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
                            QSize canvas = QSize(kWidth, kHeight))
    {
        QList<const LayerSource *> sources;
        for (const PlacedLayer *layer : layers)
            sources.append(layer);
        return buildFilterGraph(t, sources, OverlayCanvas{canvas, 2000000}, cache, SubtitleWriters());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Black, with a red block in the top-left corner so that flips and turns show.
        m_source = TestMedia::make(
            QStringLiteral("overlay-marked-320x240.mp4"),
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("color=c=black:s=320x240:r=25:d=3,drawbox=x=0:y=0:w=80:h=60:color=red:t=fill"),
             QStringLiteral("-pix_fmt"), QStringLiteral("yuv444p"), QStringLiteral("-crf"), QStringLiteral("10")});
        QVERIFY(!m_source.isEmpty());
    }

    // Over a half-size canvas, where every canvas pixel is two output pixels: a layer scaled
    // to its place, one shown only inside its time window, and one fading in. A fade changes
    // the layer's transparency, so the picture below shows through, never black.
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
        const QString graph = graphFor(task(), {&placed, &windowed, &fading}, m_dir.path(), QSize(160, 120));

        const QImage placedFrame = frameOf(m_source, 0.4, graph);
        QCOMPARE(placedFrame.size(), QSize(kWidth, kHeight));
        QCOMPARE(leftmost(placedFrame, 60, Qt::green), 100);
        QCOMPARE(topmost(placedFrame, 120, Qt::green), 60);
        QVERIFY(near(placedFrame.pixel(178, 98), Qt::green));
        QVERIFY(near(placedFrame.pixel(182, 70), Qt::black));
        QVERIFY(near(placedFrame.pixel(120, 102), Qt::black));
        QVERIFY(near(placedFrame.pixel(70, 50), Qt::red));

        QVERIFY(near(frameOf(m_source, 0.5, graph).pixel(220, 160), Qt::black));
        QVERIFY(near(frameOf(m_source, 1.5, graph).pixel(220, 160), Qt::green));
        QVERIFY(near(frameOf(m_source, 2.5, graph).pixel(220, 160), Qt::black));

        const QColor early = frameOf(m_source, 0.0, graph).pixel(40, 30);
        const int middle = qGreen(frameOf(m_source, 0.24, graph).pixel(40, 30));
        QVERIFY2(near(early.rgb(), Qt::red), qPrintable(early.name()));
        QVERIFY2(middle > 60 && middle < 200, qPrintable(QString::number(middle)));
        QVERIFY(near(frameOf(m_source, 0.8, graph).pixel(40, 30), Qt::white));
    }

    // Four layers in one run, each scrolling its own way at 100 pixels a second.
    void layersScrollTheirWay()
    {
        const QString file = picture(QStringLiteral("scroll.png"), 20, 20);
        const struct
        {
            int animation;
            QPoint at;
        } ways[] = {{CLayerInfo::ScrollLeft, {140, 20}}, {CLayerInfo::ScrollRight, {140, 70}},
                    {CLayerInfo::ScrollTop, {40, 120}}, {CLayerInfo::ScrollBottom, {260, 170}}};
        QList<PlacedLayer> layers;
        for (const auto &way : ways) {
            CLayerInfo info = pictureLayer(file, way.at.x(), way.at.y(), 20, 20);
            info.Animation = way.animation;
            info.Speed = 100;
            layers.append(PlacedLayer(info, layers.size() + 1));
        }
        const QString graph = graphFor(task(), {&layers[0], &layers[1], &layers[2], &layers[3]}, m_dir.path());
        const QImage start = frameOf(m_source, 0.0, graph);
        const QImage later = frameOf(m_source, 0.5, graph);
        QVERIFY(!start.isNull() && !later.isNull());
        QCOMPARE(leftmost(start, 30, Qt::green), 140);
        QCOMPARE(topmost(start, 270, Qt::green), 170);
        // Left moves right and Right moves left; Top moves down and Bottom moves up.
        QVERIFY(qAbs(leftmost(later, 30, Qt::green) - 190) <= 2);
        QVERIFY(qAbs(leftmost(later, 80, Qt::green) - 90) <= 2);
        QVERIFY(qAbs(topmost(later, 50, Qt::green) - 170) <= 2);
        QVERIFY(qAbs(topmost(later, 270, Qt::green) - 120) <= 2);
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
        const QImage frame = frameOf(m_source, 0, graph);
        QVERIFY2(!frame.isNull(), qPrintable(graph));
        QVERIFY(near(frame.pixel(115, 115), Qt::green));
        QVERIFY(near(frame.pixel(215, 115), Qt::magenta));
    }
};

BRINDLE_TEST_MAIN(TestOverlayRender)
#include "test_overlayrender.moc"
