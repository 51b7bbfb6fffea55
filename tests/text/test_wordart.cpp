#include "testfiles.h"
#include "testpictures.h"
#include "testprofile.h"

#include "text/canvashelper.h"
#include "text/cwordartinfo.h"
#include "text/textglowstrategy.h"
#include "text/wordartpresets.h"

#include <QTemporaryDir>

namespace {

CWordArtInfo sample(const QString &text = QStringLiteral("Watermark"))
{
    CWordArtInfo art;
    art.Text = text;
    art.Font = QFont(QStringLiteral("Liberation Sans"));
    art.Font.setPixelSize(48);
    return art;
}

// Columns or rows of the image that hold at least one drawn pixel.
bool edgeDrawn(const QImage &image, bool column, int index)
{
    const int length = column ? image.height() : image.width();
    for (int i = 0; i < length; ++i)
        if (qAlpha(column ? image.pixel(index, i) : image.pixel(i, index)) != 0)
            return true;
    return false;
}

}

// The word-art record: rendering, measuring, effects and the presets file.
class TestWordArt : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &content)
    {
        return TestFiles::write(m_dir.filePath(name), content);
    }

private slots:
    void defaultGlowSitsAtHalfItsThickness()
    {
        CWordArtInfo art = sample(QStringLiteral("Enter your own content here"));
        art.Font = QFont(QStringLiteral("Arial Black"));
        art.Font.setPixelSize(40);
        QImage image;
        art.render(image);
        QCOMPARE(art.Origin, QPoint(7, 7));
        QCOMPARE(art.FontSize, 40);
        QVERIFY(!image.isNull());
        QTextDesigner::CanvasHelper helper;
        art.applyTo(helper);
        const auto *glow = dynamic_cast<const QTextDesigner::TextGlowStrategy *>(helper.textStrategy());
        QVERIFY(glow);
        QCOMPARE(glow->thickness, 14);
    }

    void renderIsCutToTheDrawnPixelsOrNothing()
    {
        CWordArtInfo art = sample();
        art.TextEffect = CWordArtInfo::SingleOutline;
        art.OutlineThickness1 = 6;
        art.OutlineAlpha1 = 255;
        QImage image;
        art.render(image);
        QVERIFY(!image.isNull());
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        QVERIFY(edgeDrawn(image, true, 0) && edgeDrawn(image, true, image.width() - 1));
        QVERIFY(edgeDrawn(image, false, 0) && edgeDrawn(image, false, image.height() - 1));
        const QSize measured = art.measureSize();
        QVERIFY(image.width() < measured.width() && image.height() <= measured.height());
        // Two lines stand about twice as tall as one.
        CWordArtInfo twoLines = art;
        twoLines.Text = QStringLiteral("Water\nmark");
        QImage taller;
        twoLines.render(taller);
        QVERIFY(taller.height() > image.height() * 17 / 10);

        // An unknown effect and hidden text draw nothing.
        art.TextEffect = 42;
        art.render(image);
        QVERIFY(image.isNull());
        art.TextEffect = CWordArtInfo::TextGlow;
        art.DrawText = false;
        art.render(image);
        QVERIFY(image.isNull());
    }

    void shadowSitsAtItsOffsetFromTheText_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("diffused");
        // How far the white of the text reaches beyond its glyphs: an outline without fill is drawn
        // around them.
        QTest::addColumn<int>("beyondGlyphs");
        const struct
        {
            const char *name;
            int effect;
        } effects[] = {{"default glow", CWordArtInfo::TextGlow},
                       {"outline", CWordArtInfo::SingleOutline},
                       {"double outline", CWordArtInfo::DoubleOutline},
                       {"gradient outline", CWordArtInfo::GradientOutline},
                       {"no outline", CWordArtInfo::NoOutline},
                       {"outline only", CWordArtInfo::OutlineOnly},
                       {"double glow", CWordArtInfo::DoubleGlow}};
        const struct
        {
            const char *name;
            QPoint offset;
        } offsets[] = {{"right", {60, 0}}, {"left", {-60, 0}}, {"below", {0, 60}}, {"above", {0, -60}}};
        for (const auto &effect : effects) {
            const int beyond = effect.effect == CWordArtInfo::OutlineOnly ? 7 : 0;
            for (const auto &offset : offsets)
                QTest::addRow("%s %s", effect.name, offset.name) << effect.effect << offset.offset << false << beyond;
        }
        QTest::newRow("diffused below right") << int(CWordArtInfo::TextGlow) << QPoint(60, 60) << true << 0;
    }

    void shadowSitsAtItsOffsetFromTheText()
    {
        QFETCH(int, effect);
        QFETCH(QPoint, offset);
        QFETCH(bool, diffused);
        QFETCH(int, beyondGlyphs);
        // The preset's look with an opaque blue shadow, far enough away not to touch the text.
        CWordArtInfo art = sample(QStringLiteral("H"));
        art.TextEffect = effect;
        if (effect == CWordArtInfo::OutlineOnly) {
            art.OutlineColor1 = Qt::white;
            art.OutlineAlpha1 = 255;
        }
        art.EnableShadow = true;
        art.DiffusedShadow = diffused;
        art.ShadowColor = QColor(0, 0, 255);
        art.ShadowAlpha = 255;
        art.ShadowX = offset.x();
        art.ShadowY = offset.y();
        QImage image;
        art.render(image);
        QVERIFY(!image.isNull());

        const QRect text = TestPictures::boundsWhere(image, [](QColor c) {
            return c.alpha() > 200 && c.red() > 200 && c.green() > 200 && c.blue() > 200;
        });
        const QRect shadow = TestPictures::boundsWhere(image, [](QColor c) {
            return c.alpha() > 128 && c.blue() > 150 && c.red() < 100 && c.green() < 100;
        });
        QVERIFY(!text.isEmpty() && !shadow.isEmpty());
        // The shadow is the glyphs moved by the offset with a band of half its thickness around them.
        const int band = art.ShadowThickness / 2 - beyondGlyphs;
        const QString boxes = QStringLiteral("text %1,%2 %3x%4, shadow %5,%6 %7x%8 in %9x%10")
                                  .arg(text.x()).arg(text.y()).arg(text.width()).arg(text.height())
                                  .arg(shadow.x()).arg(shadow.y()).arg(shadow.width()).arg(shadow.height())
                                  .arg(image.width()).arg(image.height());
        QVERIFY2(qAbs(shadow.left() - text.left() - (offset.x() - band)) <= 2, qPrintable(boxes));
        QVERIFY2(qAbs(shadow.right() - text.right() - (offset.x() + band)) <= 2, qPrintable(boxes));
        QVERIFY2(qAbs(shadow.top() - text.top() - (offset.y() - band)) <= 2, qPrintable(boxes));
        QVERIFY2(qAbs(shadow.bottom() - text.bottom() - (offset.y() + band)) <= 2, qPrintable(boxes));
    }

    void presetsFileReads()
    {
        const QString path = writeFile(
            QStringLiteral("presets.xml"),
            "<WordArts><WordArt><Name>One</Name><TextColor>FF102030</TextColor><TextEffect>2</TextEffect>"
            "<EnableShadow>1</EnableShadow><ShadowX>-3</ShadowX><Mystery>7</Mystery><OutlineColor1>zz</OutlineColor1>"
            "</WordArt><Other><Name>Two</Name></Other></WordArts>");
        const QList<CWordArtInfo> presets = readWordArtPresets(path);
        QCOMPARE(presets.size(), 2);
        QCOMPARE(presets.at(0).Name, QStringLiteral("One"));
        QCOMPARE(presets.at(0).TextColor, QColor(16, 32, 48, 255));
        QCOMPARE(presets.at(0).TextEffect, 2);
        QVERIFY(presets.at(0).EnableShadow);
        QCOMPARE(presets.at(0).ShadowX, -3);
        QCOMPARE(presets.at(0).OutlineColor1, QColor(0, 0, 0, 0));
        QCOMPARE(presets.at(0).OutlineThickness1, 14);
        QCOMPARE(presets.at(1).Name, QStringLiteral("Two"));

        // A missing or malformed file gives none.
        QVERIFY(readWordArtPresets(m_dir.filePath(QStringLiteral("missing.xml"))).isEmpty());
        QVERIFY(readWordArtPresets(writeFile(QStringLiteral("comment.xml"),
                                             "<WordArts><!-- first --><WordArt><Name>A</Name></WordArt></WordArts>"))
                    .isEmpty());
        QVERIFY(readWordArtPresets(writeFile(QStringLiteral("root.xml"), "<Presets><WordArt/></Presets>")).isEmpty());
        QVERIFY(readWordArtPresets(writeFile(QStringLiteral("broken.xml"), "<WordArts><WordArt>")).isEmpty());
    }
};

BRINDLE_TEST_MAIN(TestWordArt)
#include "test_wordart.moc"
