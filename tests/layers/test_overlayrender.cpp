#include "placedlayer.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include "common/converttask.h"
#include "layers/filtergraph.h"

#include <QTemporaryDir>

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
    QColor at(double seconds, int x, int y) const
    {
        const int frame = int(seconds * kRate);
        const char *p = data.constData() + (qint64(frame) * width * height + qint64(y) * width + x) * 3;
        return QColor(uchar(p[0]), uchar(p[1]), uchar(p[2]));
    }
};

bool near(const QColor &actual, const QColor &wanted, int tolerance = 40)
{
    return qAbs(actual.red() - wanted.red()) <= tolerance && qAbs(actual.green() - wanted.green()) <= tolerance
           && qAbs(actual.blue() - wanted.blue()) <= tolerance;
}

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
        const QString path = m_dir.filePath(name);
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(color);
        if (!image.save(path, "PNG"))
            return QString();
        return path;
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
        const int middle = frames.at(0.24, 40, 30).green();
        QVERIFY2(near(early, Qt::red), qPrintable(early.name()));
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

    // The source's red block marks its top-left corner.
    void baseIsFlippedAndTurned_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("transpose");
        QTest::addColumn<bool>("keepBottomHalf");
        QTest::addColumn<QSize>("output");
        QTest::addColumn<QPoint>("red");
        QTest::addColumn<QPoint>("black");
        const QSize wide(kWidth, kHeight), tall(kHeight, kWidth);
        QTest::newRow("mirrored") << true << false << -1 << false << wide << QPoint(300, 20) << QPoint(20, 20);
        QTest::newRow("upside down") << false << true << -1 << false << wide << QPoint(20, 220) << QPoint(20, 20);
        QTest::newRow("clockwise") << false << false << 1 << false << tall << QPoint(220, 20) << QPoint(20, 20);
        QTest::newRow("counter-clockwise, bottom half")
            << false << false << 2 << true << QSize(kHeight, kWidth / 2) << QPoint(20, 150) << QPoint(200, 20);
    }

    void baseIsFlippedAndTurned()
    {
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        QFETCH(int, transpose);
        QFETCH(bool, keepBottomHalf);
        QFETCH(QSize, output);
        QFETCH(QPoint, red);
        QFETCH(QPoint, black);
        ConvertTask t = task();
        t.horizontalFlip = horizontal;
        t.verticalFlip = vertical;
        t.transpose = transpose;
        if (keepBottomHalf)
            t.crop = ST_CROP_THICK{0.0, 0.5, 0.0, 0.0, true};
        const Frames frames = render(graphFor(t, {}, m_dir.path()), 0.2, output);
        QVERIFY(frames.count() >= 1);
        QVERIFY(near(frames.at(0, red.x(), red.y()), Qt::red));
        QVERIFY(near(frames.at(0, black.x(), black.y()), Qt::black));
    }

    void burnedSubtitleAppears()
    {
        const QString assPath = TestFiles::write(m_dir.filePath(QStringLiteral("burn.ass")),
                  "[Script Info]\nScriptType: v4.00+\nPlayResX: 320\nPlayResY: 240\n\n"
                  "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
                  "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, "
                  "Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
                  "Style: Default,DejaVu Sans,60,&H0000FFFF,&H0000FFFF,&H00000000,&H00000000,-1,0,0,0,100,100,0,0,"
                  "1,0,0,2,10,10,10,1\n\n"
                  "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                  "Dialogue: 0,0:00:00.00,0:00:05.00,Default,,0,0,0,,HHHH\n");
        QVERIFY(!assPath.isEmpty());
        ConvertTask t = task();
        t.hasSubtitle = true;
        t.subtitlePath = assPath;
        t.horizontalFlip = true;
        PlacedLayer layer(pictureLayer(picture(QStringLiteral("corner.png"), 20, 20), 0, 0, 20, 20), 1);
        const Frames frames = render(graphFor(t, {&layer}, m_dir.path()), 0.4);
        QVERIFY(frames.count() >= 5);
        int yellow = 0;
        for (int y = 160; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                yellow += near(frames.at(0.2, x, y), QColor(255, 255, 0), 60);
        QVERIFY2(yellow > 500, qPrintable(QString::number(yellow)));
        QVERIFY(near(frames.at(0.2, 10, 10), Qt::green));
        QVERIFY(near(frames.at(0.2, 300, 20), Qt::red));
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
        QImage image(30, 30, QImage::Format_ARGB32);
        image.fill(Qt::green);
        const QString path = folder + QLatin1Char('/') + name;
        QVERIFY(image.save(path, "PNG"));
        if (name.contains(QLatin1Char('%'))) {
            // The file a numbered-sequence reading of the name would pick instead.
            QString sequenceFile = name;
            sequenceFile.replace(QStringLiteral("%03d"), QStringLiteral("001")).replace(QStringLiteral("%d"), QStringLiteral("1"));
            QImage decoy(30, 30, QImage::Format_ARGB32);
            decoy.fill(Qt::red);
            QVERIFY(decoy.save(folder + QLatin1Char('/') + sequenceFile, "PNG"));
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
