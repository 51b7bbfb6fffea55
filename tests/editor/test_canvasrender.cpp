#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include "editor/qcanvasitem.h"
#include "editor/qwatermarkbase.h"
#include "editor/qwatermarkscene.h"
#include "layers/overlaygraphs.h"
#include "layers/watermarkdocument.h"

#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include <ctime>
#include <utime.h>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;

using TestPictures::differingShare;
using TestPictures::near;

}

// Layers placed on the canvas come out of the real ffmpeg where the canvas shows them.
class TestCanvasRender : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_source;
    QString m_layerVideo;
    std::unique_ptr<WatermarkDocument> m_document;
    std::unique_ptr<QWatermarkScene> m_scene;
    ConvertTask m_task;
    QString m_cacheFolder;

    QString picture(const QString &name, int w, int h, QColor color)
    {
        return TestPictures::savePlain(m_dir.filePath(name), w, h, color);
    }

    QString graph(QStringList *problems = nullptr) const
    {
        return OverlayGraphs(m_document.get(), m_cacheFolder).forRun(0, m_task, problems);
    }

    // Places a layer as the user would have left it.
    void place(QWatermarkBase *layer, int x, int y, int w = 0, int h = 0, float angle = 0)
    {
        CLayerInfo values = layer->info();
        values.x = x;
        values.y = y;
        values.Width = w > 0 ? w : values.Width;
        values.Height = h > 0 ? h : values.Height;
        values.Angle = angle;
        m_document->changeLayer(layer->layerId(), values, LayerField::Place | LayerField::Size | LayerField::Angle);
    }

    // The source's first picture through the graph, as the real ffmpeg draws it.
    QImage rendered(const QString &graph) const
    {
        return TestMedia::frameOf(m_source, 0, graph).convertToFormat(QImage::Format_RGB32);
    }

    // The canvas as a user sees it, without handles, frames or the transparency pattern.
    QImage canvasPicture()
    {
        for (QWatermarkBase *layer : m_scene->layers())
            layer->setSelected(false);
        m_scene->showPattern = false;
        QImage image(m_scene->canvasSize(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        m_scene->render(&painter, QRectF(image.rect()), m_scene->sceneRect());
        painter.end();
        return image;
    }

    QWatermarkBase *newScene()
    {
        m_document = std::make_unique<WatermarkDocument>();
        m_scene = std::make_unique<QWatermarkScene>(m_document.get());
        if (!m_scene->setBackground(m_source, m_task))
            return nullptr;
        return m_scene->background();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Dark grey with a red block in the top-left corner, so that flips and turns show.
        m_source = TestMedia::make(
            QStringLiteral("canvas-marked-1280x720.mp4"),
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("color=c=0x202020:s=1280x720:r=25:d=2,drawbox=x=0:y=0:w=160:h=90:color=red:t=fill,"
                            "drawbox=x=1200:y=600:w=80:h=120:color=blue:t=fill"),
             QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
             QStringLiteral("-pix_fmt"), QStringLiteral("yuv444p"), QStringLiteral("-crf"), QStringLiteral("10")});
        QVERIFY(!m_source.isEmpty());
        m_layerVideo = TestMedia::colourClip(QStringLiteral("yellow"), 2.0);
        QVERIFY(!m_layerVideo.isEmpty());
    }

    void init()
    {
        m_task = ConvertTask();
        m_task.sourcePath = m_source;
        m_task.width = kWidth;
        m_task.height = kHeight;
        m_cacheFolder = m_dir.filePath(QStringLiteral("cache-") + QString::fromLatin1(QTest::currentTestFunction()));
    }

    void cleanup()
    {
        m_scene.reset();
        m_document.reset();
    }

    void imageVideoAndTextLandWhereTheCanvasShowsThem()
    {
        QVERIFY(newScene());
        QCOMPARE(m_scene->canvasSize(), QSize(kWidth, kHeight));

        QWatermarkBase *image = m_scene->addImage(picture(QStringLiteral("green.png"), 200, 100, Qt::green));
        QVERIFY(image);
        place(image, 100, 200, 300, 150, 30);

        QWatermarkBase *video = m_scene->addVideo(m_layerVideo);
        QVERIFY(video);
        place(video, 800, 100, 240, 120, 90);

        CWordArtInfo words;
        words.Text = QStringLiteral("Brindle");
        words.Font.setPixelSize(90);
        words.TextEffect = CWordArtInfo::NoOutline;
        words.TextColor = Qt::white;
        words.EnableBackground = true;
        words.BackgroundColor = QColor(255, 0, 255);
        words.BackgroundAlpha = 255;
        QWatermarkBase *text = m_scene->addText(words);
        QVERIFY(text);
        place(text, 420, 480, 0, 0, -15);
        QCOMPARE(m_document->count(), 3);

        QStringList problems;
        const QString built = graph(&problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY(built.contains(text->info().FileName + QStringLiteral(".png")));
        const QImage frame = rendered(built);
        QCOMPARE(frame.size(), QSize(kWidth, kHeight));

        // Inside each turned layer, its colour; in the corners of its box, the background.
        const auto at = [&frame](const QPointF &p) { return frame.pixel(p.toPoint()); };
        const QColor grey(0x20, 0x20, 0x20);
        QVERIFY(near(at(image->mapToScene(QPointF(150, 75))), Qt::green));
        QVERIFY(near(at(image->mapToScene(QPointF(10, 10))), Qt::green));
        QVERIFY(near(at(image->mapToScene(QPointF(290, 140))), Qt::green));
        QVERIFY(near(at(image->sceneBox().topLeft() + QPointF(5, 5)), grey));
        QVERIFY(near(at(video->mapToScene(QPointF(120, 60))), Qt::yellow));
        QVERIFY(near(at(video->mapToScene(QPointF(5, 5))), Qt::yellow));
        // Turned a quarter: the box is 120 wide and 240 high around the same centre.
        QCOMPARE(video->sceneBox().size().toSize(), QSize(120, 240));
        QVERIFY(near(at(video->sceneBox().center() + QPointF(50, 110)), Qt::yellow));
        QVERIFY(near(at(video->sceneBox().center() + QPointF(70, 0)), grey));
        QVERIFY(near(at(text->mapToScene(QPointF(4, 4))), QColor(255, 0, 255)));
        QVERIFY(near(at(text->sceneBox().topRight() + QPointF(-3, text->sceneBox().height() - 3)), grey));

        // And everywhere else the picture matches the canvas.
        const double differ = differingShare(canvasPicture(), frame);
        QVERIFY2(differ < 0.02, qPrintable(QString::number(differ)));
    }

    // The turned background comes out as the canvas shows it, and so do two layers in the
    // document's order, before and after a restacking.
    void flippedTurnedAndCroppedBackgroundComesOutSo()
    {
        m_task.horizontalFlip = true;
        m_task.transpose = 1;
        m_task.crop = ST_CROP_THICK{0.1, 0.05, 0.02, 0.03, true};
        QCanvasItem *background = qobject_cast<QCanvasItem *>(newScene());
        QVERIFY(background);
        QVERIFY(background->info().flipHorizontal);
        QCOMPARE(background->info().transpose, 1);
        const QSize canvas = m_scene->canvasSize();
        QCOMPARE(canvas, QSize(634, 1178)); // 720 x 1280 turned, then cropped to even sizes

        QCOMPARE(m_document->canvasSize(), canvas);

        QWatermarkBase *image = m_scene->addImage(picture(QStringLiteral("mark.png"), 60, 60, Qt::green));
        QWatermarkBase *upper = m_scene->addImage(picture(QStringLiteral("upper.png"), 60, 60, Qt::cyan));
        QVERIFY(image && upper);
        place(image, 200, 500);
        place(upper, 230, 530);

        const QString built = graph();
        QVERIFY(built.startsWith(QStringLiteral("hflip,transpose=1,crop=")));
        const QImage frame = rendered(built);
        QCOMPARE(frame.size(), canvas);
        const QImage shown = canvasPicture();
        const double differ = differingShare(shown, frame);
        QVERIFY2(differ < 0.02, qPrintable(QString::number(differ)));
        // The source's red top-left corner goes right when flipped, then bottom right when turned.
        QVERIFY(near(frame.pixel(canvas.width() - 10, canvas.height() - 10), Qt::red));
        QVERIFY(near(shown.pixel(canvas.width() - 10, canvas.height() - 10), Qt::red));
        QVERIFY(near(frame.pixel(215, 515), Qt::green));
        QVERIFY(near(frame.pixel(245, 545), Qt::cyan));

        // Moved to the top, the first layer covers the second, on the canvas as in the output.
        m_document->moveLayer(image->layerId(), 1);
        QVERIFY(near(rendered(graph()).pixel(245, 545), Qt::green));
        QVERIFY(near(canvasPicture().pixel(245, 545), Qt::green));
    }

    // Nothing to draw writes nothing; otherwise every build writes its text pictures to a
    // folder of its own and clears the folders of builds days old.
    void buildsWriteTextToFoldersOfTheirOwn()
    {
        QVERIFY(newScene());
        QCOMPARE(graph(), QString());
        QVERIFY(!QDir(m_cacheFolder).exists() || QDir(m_cacheFolder).isEmpty());

        CWordArtInfo words;
        words.Text = QStringLiteral("one");
        QVERIFY(m_scene->addText(words));
        const QString stale = m_cacheFolder + QStringLiteral("/graph-old");
        const QString recent = m_cacheFolder + QStringLiteral("/graph-recent");
        QVERIFY(QDir().mkpath(stale) && QDir().mkpath(recent));
        const time_t threeDaysAgo = time(nullptr) - 3 * 24 * 3600;
        const utimbuf times{threeDaysAgo, threeDaysAgo};
        QCOMPARE(utime(QFile::encodeName(stale).constData(), &times), 0);
        const QRegularExpression pngPath(QStringLiteral("movie='([^']*Text1\\.png)'"));
        const QString first = pngPath.match(graph()).captured(1);
        QVERIFY(!QFileInfo::exists(stale));
        QVERIFY(QFileInfo::exists(recent));
        const QString second = pngPath.match(graph()).captured(1);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QVERIFY(first != second);
        QVERIFY(QFileInfo::exists(first) && QFileInfo::exists(second));
    }
};

BRINDLE_TEST_MAIN(TestCanvasRender)
#include "test_canvasrender.moc"
