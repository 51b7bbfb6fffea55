#include "placedlayer.h"
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

    // The graph of the layers over the whole picture, drawn on a canvas of the given size.
    QString graphFor(const QList<const LayerSource *> &layers, QSize canvas = QSize(kWidth, kHeight)) const
    {
        ConvertTask task;
        task.width = kWidth;
        task.height = kHeight;
        return buildFilterGraph(task, layers, OverlayCanvas{canvas, 2000000}, m_dir.path(), SubtitleWriters());
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
    // to its place, and one shown only inside its time window at 30 % over the black.
    void layersArePlacedScaledAndTimed()
    {
        const QString logo = TestPictures::savePlain(m_dir.filePath(QStringLiteral("logo.png")), 40, 20, Qt::green);
        PlacedLayer placed(pictureLayer(logo, 50, 30, 40, 20), 1);
        const QString window = TestPictures::savePlain(m_dir.filePath(QStringLiteral("window.png")), 20, 20, Qt::green);
        CLayerInfo windowInfo = pictureLayer(window, 100, 70, 20, 20);
        windowInfo.StartTime = 1000000;
        windowInfo.EndTime = 2000000;
        windowInfo.Transparent = 30;
        PlacedLayer windowed(windowInfo, 2);
        const QString graph = graphFor({&placed, &windowed}, QSize(160, 120));

        const QImage placedFrame = frameOf(m_source, 0.4, graph);
        QCOMPARE(placedFrame.size(), QSize(kWidth, kHeight));
        QCOMPARE(leftmost(placedFrame, 60, Qt::green), 100);
        QCOMPARE(topmost(placedFrame, 120, Qt::green), 60);
        QVERIFY(near(placedFrame.pixel(178, 98), Qt::green));
        QVERIFY(near(placedFrame.pixel(182, 70), Qt::black));
        QVERIFY(near(placedFrame.pixel(120, 102), Qt::black));
        QVERIFY(near(placedFrame.pixel(70, 50), Qt::red));

        QVERIFY(near(frameOf(m_source, 0.5, graph).pixel(220, 160), Qt::black, 20));
        const QColor shown = frameOf(m_source, 1.5, graph).pixel(220, 160);
        QVERIFY2(near(shown.rgb(), QColor(0, 77, 0), 20), qPrintable(shown.name()));
        QVERIFY(near(frameOf(m_source, 2.5, graph).pixel(220, 160), Qt::black, 20));
    }

    // Four layers in one run, each scrolling its own way at 100 pixels a second.
    void layersScrollTheirWay()
    {
        const QString file = TestPictures::savePlain(m_dir.filePath(QStringLiteral("scroll.png")), 20, 20, Qt::green);
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
        const QString graph = graphFor({&layers[0], &layers[1], &layers[2], &layers[3]});
        const QImage start = frameOf(m_source, 0.0, graph);
        const QImage later = frameOf(m_source, 0.5, graph);
        QCOMPARE(leftmost(start, 30, Qt::green), 140);
        QCOMPARE(topmost(start, 270, Qt::green), 170);
        // Left moves right and Right moves left; Top moves down and Bottom moves up.
        QVERIFY(qAbs(leftmost(later, 30, Qt::green) - 190) <= 2);
        QVERIFY(qAbs(leftmost(later, 80, Qt::green) - 90) <= 2);
        QVERIFY(qAbs(topmost(later, 50, Qt::green) - 170) <= 2);
        QVERIFY(qAbs(topmost(later, 270, Qt::green) - 120) <= 2);
    }
};

BRINDLE_TEST_MAIN(TestOverlayRender)
#include "test_overlayrender.moc"
