#include "placedlayer.h"
#include "testfiles.h"
#include "testmedia.h"

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
// and turn. The builder's cheaper graph must give the same frames.
QString straightforwardChain(const OverlayEntry &e, qint64 mediaDuration)
{
    QString chain = QStringLiteral("movie=%1:loop=%2,setpts=N/FRAME_RATE/TB").arg(quoteFilterGraphPath(e.path)).arg(e.loop);
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

QString straightforwardGraph(const QList<OverlayEntry> &entries)
{
    QString text;
    for (int i = 0; i < entries.size(); ++i)
        text += straightforwardChain(entries.at(i), kDurationUs) + QStringLiteral("[m%1];").arg(i);
    QString below = QStringLiteral("[in]");
    for (int i = 0; i < entries.size(); ++i) {
        const OverlayEntry &e = entries.at(i);
        text += below + QStringLiteral("[m%1]").arg(i)
                + overlayExpression(e.x, e.y, e.start, e.end, e.animation, e.speed, LayerEnd::Pass);
        if (i != entries.size() - 1) {
            below = QStringLiteral("[o%1]").arg(i);
            text += below + QLatin1Char(';');
        }
    }
    return text;
}

// One MD5 line per output frame; empty when ffmpeg fails.
QStringList frameDigests(const QString &graph)
{
    QByteArray output;
    const QStringList arguments{
        QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
        QStringLiteral("-i"),
        QStringLiteral("testsrc2=s=%1x%2:r=25:d=%3").arg(kWidth).arg(kHeight).arg(seconds(kDurationUs)),
        QStringLiteral("-vf"), graph, QStringLiteral("-f"), QStringLiteral("framemd5"), QStringLiteral("-")};
    if (!TestMedia::run(QStringLiteral("ffmpeg"), arguments, &output))
        return {};
    QStringList lines;
    for (const QByteArray &line : output.split('\n'))
        if (!line.startsWith('#') && !line.trimmed().isEmpty())
            lines << QString::fromLatin1(line);
    return lines;
}

}

// Declared before the test data uses it: an optimising build instantiates the lookup early.
Q_DECLARE_METATYPE(QList<CLayerInfo>)

// The builder's graph against the straightforward one, frame by frame, on the real ffmpeg.
class TestGraphEquivalence : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
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

    static CLayerInfo layer(int type, const QString &file, int x, int y, int w, int h)
    {
        CLayerInfo info;
        info.Type = type;
        info.FileName = file;
        info.x = x;
        info.y = y;
        info.Width = w;
        info.Height = h;
        info.image = QImage(120, 60, QImage::Format_ARGB32);
        return info;
    }

    QList<OverlayEntry> entriesOf(const QList<CLayerInfo> &layers) const
    {
        QList<OverlayEntry> entries;
        for (const CLayerInfo &info : layers)
            entries << overlayEntryFor(PlacedLayer(info, 1), 1.0f, 1.0f, m_dir.path());
        return entries;
    }

    QString builderGraph(const QList<CLayerInfo> &layers, const QString &subtitle = QString()) const
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
        task.hasSubtitle = !subtitle.isEmpty();
        task.subtitlePath = subtitle;
        return buildFilterGraph(task, sources, OverlayCanvas{QSize(kWidth, kHeight), kDurationUs}, m_dir.path());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_logo = picture(QStringLiteral("logo, 'a' [1].png"), QImage::Format_ARGB32);
        m_opaqueLogo = picture(QStringLiteral("opaque.png"), QImage::Format_RGB32);
        QVERIFY(!m_logo.isEmpty() && !m_opaqueLogo.isEmpty());
        m_video = TestMedia::clip(3.0);
        QVERIFY(!m_video.isEmpty());
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
        QVERIFY(!m_slides.isEmpty() && !m_film.isEmpty() && !m_subtitle.isEmpty());
    }

    void sameFrames_data()
    {
        QTest::addColumn<QList<CLayerInfo>>("layers");
        QTest::addColumn<bool>("subtitled");

        CLayerInfo plain = layer(CLayerInfo::Picture, m_logo, 10, 20, 120, 60);
        CLayerInfo dressed = layer(CLayerInfo::Picture, m_logo, 40, 30, 90, 70);
        dressed.Transparent = 60;
        dressed.Angle = 30;
        QTest::newRow("still, scaled, turned, half opaque") << QList<CLayerInfo>{dressed} << false;

        CLayerInfo opaque = layer(CLayerInfo::Picture, m_opaqueLogo, 50, 50, 120, 60);
        opaque.Angle = 45;
        QTest::newRow("still without alpha, turned") << QList<CLayerInfo>{opaque} << false;

        CLayerInfo windowed = plain;
        windowed.StartTime = 1000000;
        windowed.EndTime = 2200000;
        windowed.Animation = CLayerInfo::ScrollLeft;
        windowed.Speed = 80;
        QTest::newRow("still, scrolling, time window") << QList<CLayerInfo>{windowed} << false;

        CLayerInfo fading = plain;
        fading.fade = CLayerInfo::FadeInOut;
        fading.StartTime = 500000;

        CLayerInfo counted = plain;
        counted.Loop = 3;
        QTest::newRow("still, counted loop") << QList<CLayerInfo>{counted} << false;

        CLayerInfo text = layer(CLayerInfo::Text, QStringLiteral("Text1"), 100, 150, 120, 60);
        text.image = QImage(m_logo);
        text.Transparent = 90;

        CLayerInfo video = layer(CLayerInfo::Video, m_video, 20, 40, 160, 120);
        CLayerInfo videoWindow = video;
        videoWindow.StartTime = 1000000;
        videoWindow.EndTime = 2000000;
        videoWindow.fade = CLayerInfo::FadeInOut;
        videoWindow.Animation = CLayerInfo::ScrollBottom;

        CLayerInfo videoFromOn = video;
        videoFromOn.StartTime = 1500000;
        videoFromOn.Loop = 1;
        QTest::newRow("video from a time on, played once") << QList<CLayerInfo>{videoFromOn} << false;

        CLayerInfo halfOpaque = layer(CLayerInfo::Picture, m_opaqueLogo, 30, 30, 120, 60);
        halfOpaque.Transparent = 50;
        QTest::newRow("still without alpha, half opaque") << QList<CLayerInfo>{halfOpaque} << false;

        CLayerInfo turnedVideo = video;
        turnedVideo.Angle = 30;

        CLayerInfo dressedVideo = layer(CLayerInfo::Video, m_video, 80, 30, 130, 90);
        dressedVideo.Angle = 300;
        dressedVideo.Transparent = 70;
        dressedVideo.StartTime = 700000;
        dressedVideo.EndTime = 2400000;
        dressedVideo.fade = CLayerInfo::FadeInOut;
        dressedVideo.Animation = CLayerInfo::ScrollRight;
        dressedVideo.Loop = 2;

        CLayerInfo halfOpaqueVideo = video;
        halfOpaqueVideo.Transparent = 40;
        QTest::newRow("video, half opaque") << QList<CLayerInfo>{halfOpaqueVideo} << false;

        CLayerInfo animation = layer(CLayerInfo::Picture, m_animation, 100, 60, 96, 64);
        animation.Angle = 20;
        animation.Transparent = 80;
        QTest::newRow("animation with alpha, turned, half opaque") << QList<CLayerInfo>{animation} << false;

        QList<CLayerInfo> eight;
        for (int i = 0; i < 8; ++i) {
            CLayerInfo still = layer(CLayerInfo::Picture, i % 2 ? m_logo : m_opaqueLogo, i * 25, i * 20, 60, 30);
            still.Angle = i * 10;
            eight << still;
        }
        QTest::newRow("eight stills") << eight << false;

        QTest::newRow("mixed") << QList<CLayerInfo>{plain, videoWindow, text, fading} << false;
        QTest::newRow("two turned videos") << QList<CLayerInfo>{turnedVideo, dressedVideo, plain} << false;

        // The frame current when the window opens lies more than half a second before it.
        CLayerInfo slides = layer(CLayerInfo::Video, m_slides, 60, 50, 160, 120);
        slides.StartTime = 1700000;
        slides.EndTime = 2600000;
        QTest::newRow("one frame a second, time window") << QList<CLayerInfo>{slides} << false;

        CLayerInfo film = layer(CLayerInfo::Video, m_film, 40, 70, 160, 120);
        film.Angle = 20;
        film.StartTime = 1030000;
        film.EndTime = 2270000;
        QTest::newRow("24 frames a second, turned, time window") << QList<CLayerInfo>{film} << false;

        // A logo, a picture at 90 %, a video turned 30 degrees with fades, and subtitles over them.
        CLayerInfo nearlyOpaque = text;
        nearlyOpaque.Type = CLayerInfo::Picture;
        nearlyOpaque.FileName = m_logo;
        nearlyOpaque.x = 150;
        nearlyOpaque.y = 10;
        CLayerInfo heavyVideo = layer(CLayerInfo::Video, m_video, 60, 90, 160, 90);
        heavyVideo.Angle = 30;
        heavyVideo.fade = CLayerInfo::FadeInOut;
        heavyVideo.StartTime = 500000;
        heavyVideo.EndTime = 2600000;
        QTest::newRow("heavy project") << QList<CLayerInfo>{plain, nearlyOpaque, heavyVideo} << true;
    }

    void sameFrames()
    {
        QFETCH(QList<CLayerInfo>, layers);
        QFETCH(bool, subtitled);
        const QString subtitle = subtitled ? m_subtitle : QString();
        const QString cheap = builderGraph(layers, subtitle);
        QString reference = straightforwardGraph(entriesOf(layers));
        if (subtitled)
            reference += QStringLiteral(",ass=") + quoteFilterGraphPath(subtitle);
        const QStringList cheapFrames = frameDigests(cheap);
        const QStringList referenceFrames = frameDigests(reference);
        QCOMPARE(referenceFrames.size(), 75);
        if (cheapFrames != referenceFrames) {
            qWarning().noquote() << "builder:  " << cheap << "\nreference:" << reference;
            QCOMPARE(cheapFrames, referenceFrames);
        }
    }
};

QTEST_GUILESS_MAIN(TestGraphEquivalence)
#include "test_graphequivalence.moc"
