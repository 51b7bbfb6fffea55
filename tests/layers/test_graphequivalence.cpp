#include "placedlayer.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"

#include "common/converttask.h"
#include "common/filtergraphescape.h"
#include "layers/filtergraph.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr qint64 kDurationUs = 3000000;

QString decimal(double value)
{
    return QString::number(value, 'g', 6);
}

float seconds(qint64 us)
{
    return float(us) / 1000000.0f;
}

// The straightforward form of a layer's source: every source looped and re-timed, every
// layer turned, even by 0°, and every moving source given an alpha plane before its opacity
// and turn. The builder's cheaper graph must give the same frames. A name with '%' is meant
// as it stands, not as a numbered sequence.
QString straightforwardChain(const OverlayEntry &e, qint64 mediaDuration)
{
    QString chain = QStringLiteral("movie=%1").arg(quoteFilterGraphPath(e.path));
    if (e.path.contains(QLatin1Char('%')))
        chain += QStringLiteral(":format_opts=pattern_type=none");
    chain += QStringLiteral(":loop=%1,setpts=N/FRAME_RATE/TB").arg(e.loop);
    const QString opacity = decimal(e.opacity / 100.0);
    if (!e.still)
        chain += QStringLiteral(",format=yuva420p");
    if (e.opacity != 100)
        chain += e.still ? QStringLiteral(",format=rgba,colorchannelmixer=aa=%1").arg(opacity)
                         : QStringLiteral(",lutyuv=y=val:u=val:v=val:a=val*%1").arg(opacity);
    if (e.needsScale)
        chain += QStringLiteral(",scale=%1:%2").arg(e.width).arg(e.height);
    chain += QStringLiteral(",rotate='%1:ow=%2:oh=%3:c=0x00000000'")
                 .arg(decimal(e.angle * 0.01745f))
                 .arg(e.boxWidth)
                 .arg(e.boxHeight);
    const QString fadeIn = QStringLiteral(",fade=t=in:st=%1:d=0.5:alpha=1").arg(decimal(seconds(e.start)));
    const auto fadeOut = [](float end) {
        return QStringLiteral(",fade=t=out:st=%1:d=0.5:alpha=1").arg(decimal(end - 0.5f));
    };
    if (e.fade == CLayerInfo::FadeIn)
        chain += fadeIn;
    else if (e.fade == CLayerInfo::FadeOut && e.end != 0)
        chain += fadeOut(seconds(e.end));
    else if (e.fade == CLayerInfo::FadeInOut)
        chain += fadeIn + fadeOut(seconds(e.end != 0 ? e.end : mediaDuration));
    return chain;
}

QString straightforwardGraph(const QList<CLayerInfo> &layers, const QString &cache)
{
    QString text;
    QString below = QStringLiteral("[in]");
    for (int i = 0; i < layers.size(); ++i) {
        const OverlayEntry e = overlayEntryFor(PlacedLayer(layers.at(i), 1), 1.0f, 1.0f, cache);
        const QString source = QStringLiteral("[m%1]").arg(i);
        text += straightforwardChain(e, kDurationUs) + source + QLatin1Char(';') + below + source
                + overlayExpression(e.x, e.y, e.start, e.end, e.animation, e.speed, LayerEnd::Pass);
        below = QStringLiteral("[o%1]").arg(i);
        if (i != layers.size() - 1)
            text += below + QLatin1Char(';');
    }
    return text;
}

// One MD5 line per output frame after ffmpeg's own heading; empty when ffmpeg fails.
QByteArray frameDigests(const QString &graph)
{
    QByteArray output;
    const QStringList arguments{
        QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
        QStringLiteral("-i"),
        QStringLiteral("testsrc2=s=%1x%2:r=25:d=%3").arg(kWidth).arg(kHeight).arg(seconds(kDurationUs)),
        QStringLiteral("-vf"), graph, QStringLiteral("-f"), QStringLiteral("framemd5"), QStringLiteral("-")};
    return TestMedia::run(QStringLiteral("ffmpeg"), arguments, &output) ? output : QByteArray();
}

}

// Declared before the test data uses it: an optimising build instantiates the lookup early.
Q_DECLARE_METATYPE(QList<CLayerInfo>)

// The builder's graph against the straightforward one, frame by frame, on the real ffmpeg.
class TestGraphEquivalence : public QObject
{
    Q_OBJECT

private:
    // Every letter that needs quoting in a graph, in the folder of the pictures, the subtitle
    // and the text layers' cache.
    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/odd: [dir], 'x'; ü %d-XXXXXX")};
    QString m_logo;
    QString m_opaqueLogo;
    QString m_video;
    QString m_animation;
    QString m_slides;
    QString m_film;
    QString m_subtitle;

    QString picture(const QString &name, QImage::Format format)
    {
        QImage image(120, 60, format);
        image.fill(QColor(30, 200, 90, 160));
        for (int x = 0; x < 120; x += 10)
            for (int y = 0; y < 60; ++y)
                image.setPixelColor(x, y, QColor(240, 40, 40, 255));
        const QString path = m_dir.filePath(name);
        return image.save(path, "PNG") ? path : QString();
    }

    // A layer over a box, turned and at an opacity; its own picture is 120 x 60.
    static CLayerInfo layer(int type, const QString &file, QRect box, float angle = 0, int opacity = 100)
    {
        CLayerInfo info = pictureLayer(file, box.x(), box.y(), box.width(), box.height());
        info.Type = type;
        info.Angle = angle;
        info.Transparent = opacity;
        info.image = QImage(120, 60, QImage::Format_ARGB32);
        return info;
    }

    // The layer shown from start to end (0: the video's end), fading, moving and looping.
    static CLayerInfo timed(CLayerInfo info, qint64 start, qint64 end, int fade = CLayerInfo::NoFade,
                            int animation = CLayerInfo::NoMotion, int loop = 0)
    {
        info.StartTime = start;
        info.EndTime = end;
        info.fade = fade;
        info.Animation = animation;
        info.Loop = loop;
        return info;
    }

    QString builderGraph(const QList<CLayerInfo> &layers, const QString &subtitle) const
    {
        QList<PlacedLayer> placed;
        for (int i = 0; i < layers.size(); ++i)
            placed.append(PlacedLayer(layers.at(i), i + 1));
        QList<const LayerSource *> sources;
        for (const PlacedLayer &p : placed)
            sources << &p;
        ConvertTask task;
        task.width = kWidth;
        task.height = kHeight;
        task.hasSubtitle = true;
        task.subtitlePath = subtitle;
        return buildFilterGraph(task, sources, OverlayCanvas{QSize(kWidth, kHeight), kDurationUs}, m_dir.path());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString odd = QStringLiteral(" x';[a],b:c\\d=e ü \"hi\" \\'.png");
        m_logo = picture(QStringLiteral("logo%d") + odd, QImage::Format_ARGB32);
        // The file a numbered-sequence reading of the logo's name would pick instead.
        QVERIFY(!TestPictures::savePlain(m_dir.filePath(QStringLiteral("logo1") + odd), 120, 60, Qt::red).isEmpty());
        m_opaqueLogo = picture(QStringLiteral("opaque.png"), QImage::Format_RGB32);
        QVERIFY(!m_logo.isEmpty() && !m_opaqueLogo.isEmpty());
        m_video = TestMedia::clip(3.0);
        // An animated PNG with an alpha channel of its own.
        m_animation = TestMedia::make(
            QStringLiteral("equivalence-animation.png"),
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("testsrc2=s=96x64:r=10:d=1,format=rgba,geq=r='r(X,Y)':g='g(X,Y)':b='b(X,Y)':a='X*2'"),
             QStringLiteral("-plays"), QStringLiteral("0"), QStringLiteral("-f"), QStringLiteral("apng")});
        QVERIFY(!m_animation.isEmpty());
        // Layers whose frames do not fall on the main picture's: one a second, and a film's 24.
        const auto pattern = [](const QString &name, int rate) {
            return TestMedia::make(name, {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                          QStringLiteral("testsrc2=s=160x120:r=%1:d=3").arg(rate),
                                          QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")});
        };
        m_slides = pattern(QStringLiteral("equivalence-slides.mp4"), 1);
        m_film = pattern(QStringLiteral("equivalence-film.mp4"), 24);
        m_subtitle = TestFiles::write(m_dir.filePath(QStringLiteral("lines.ass")), TestFiles::helloAss());
        QVERIFY(!m_video.isEmpty() && !m_slides.isEmpty() && !m_film.isEmpty() && !m_subtitle.isEmpty());
    }

    void sameFrames_data()
    {
        QTest::addColumn<QList<CLayerInfo>>("layers");
        const int picture = CLayerInfo::Picture;
        const int video = CLayerInfo::Video;
        const CLayerInfo plain = layer(picture, m_logo, {10, 20, 120, 60});

        QTest::newRow("stills: scaled, turned, half opaque, without alpha, scrolling, looped")
            << QList<CLayerInfo>{layer(picture, m_logo, {40, 30, 90, 70}, 30, 60),
                                 layer(picture, m_opaqueLogo, {50, 50, 120, 60}, 45),
                                 layer(picture, m_opaqueLogo, {30, 30, 120, 60}, 0, 50),
                                 timed(plain, 1000000, 2200000, CLayerInfo::NoFade, CLayerInfo::ScrollLeft),
                                 timed(plain, 0, 0, CLayerInfo::NoFade, CLayerInfo::NoMotion, 3)};

        CLayerInfo text = layer(CLayerInfo::Text, QStringLiteral("Text1"), {100, 150, 120, 60}, 0, 90);
        text.image = QImage(m_logo);
        QTest::newRow("video in a window, text, animation with alpha, fading still")
            << QList<CLayerInfo>{plain,
                                 timed(layer(video, m_video, {20, 40, 160, 120}), 1000000, 2000000,
                                       CLayerInfo::FadeInOut, CLayerInfo::ScrollBottom),
                                 text, layer(picture, m_animation, {100, 60, 96, 64}, 20, 80),
                                 timed(plain, 500000, 0, CLayerInfo::FadeInOut)};

        QTest::newRow("videos: from a time on once, half opaque, turned, dressed")
            << QList<CLayerInfo>{timed(layer(video, m_video, {20, 40, 160, 120}), 1500000, 0, CLayerInfo::NoFade,
                                       CLayerInfo::NoMotion, 1),
                                 layer(video, m_video, {20, 40, 160, 120}, 0, 40),
                                 layer(video, m_video, {20, 40, 160, 120}, 30),
                                 timed(layer(video, m_video, {80, 30, 130, 90}, 300, 70), 700000, 2400000,
                                       CLayerInfo::FadeInOut, CLayerInfo::ScrollRight, 2),
                                 plain};

        // The frame current when a window opens lies more than half a second before it; a
        // film's 24 frames do not fall on the picture's 25.
        QTest::newRow("one frame a second and 24 a second, in time windows")
            << QList<CLayerInfo>{timed(layer(video, m_slides, {60, 50, 160, 120}), 1700000, 2600000),
                                 timed(layer(video, m_film, {40, 70, 160, 120}, 20), 1030000, 2270000)};
    }

    void sameFrames()
    {
        QFETCH(QList<CLayerInfo>, layers);
        // Subtitles go over every set of layers.
        const QString cheap = builderGraph(layers, m_subtitle);
        const QString reference = straightforwardGraph(layers, m_dir.path()) + QStringLiteral(",ass=")
                                  + quoteFilterGraphPath(m_subtitle);
        const QByteArray cheapFrames = frameDigests(cheap);
        const QByteArray referenceFrames = frameDigests(reference);
        QCOMPARE(referenceFrames.count("\n0,"), 75);
        QVERIFY2(cheapFrames == referenceFrames,
                 qPrintable(QStringLiteral("\nbuilder:   %1\nreference: %2").arg(cheap, reference)));
    }
};

QTEST_GUILESS_MAIN(TestGraphEquivalence)
#include "test_graphequivalence.moc"
