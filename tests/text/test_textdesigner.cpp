#include "testprofile.h"

#include "text/canvashelper.h"
#include "text/extrudestrategy.h"
#include "text/textdbloutlinestrategy.h"
#include "text/textglowstrategy.h"
#include "text/textgradoutlinestrategy.h"
#include "text/textnooutlinestrategy.h"
#include "text/textonlyoutlinestrategy.h"
#include "text/textoutlinestrategy.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace QTextDesigner;

namespace {

QFont testFont(int pixels = 80)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

QImage blankCanvas()
{
    QImage image(260, 160, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage drawn(const ITextStrategy &strategy, const QString &text = QStringLiteral("I"), QPoint origin = QPoint(20, 20))
{
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    strategy.draw(painter, testFont(), text, origin);
    painter.end();
    return image;
}

// The fill-coloured run of the "I" stem on a row: first and last column.
QPair<int, int> stemOn(const QImage &image, int y, const QColor &fill)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == fill) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    return {first, last};
}

int midRow(QPoint origin = QPoint(20, 20))
{
    const QFontMetricsF metrics(testFont());
    return origin.y() + int(metrics.ascent() * 0.6);
}

}

// The text effect strategies and the canvas helper, checked on the pixels they draw.
class TestTextDesigner : public QObject
{
    Q_OBJECT

private slots:
    void linesAndMeasuresAddThicknessOneLineHeightAndTheShadow()
    {
        const QFont font = testFont(40);
        const QFontMetricsF metrics(font);
        const float width = float(metrics.horizontalAdvance(QStringLiteral("Hello")));
        const float lineHeight = float(metrics.lineSpacing());
        // Glyph paths stand one line height apart, an empty line included; the margin moves every
        // line right and down.
        const QRectF one = glyphPath(font, QStringLiteral("H"), QPoint(0, 0), 0).boundingRect();
        const QRectF two = glyphPath(font, QStringLiteral("H\nH"), QPoint(0, 0), 0).boundingRect();
        const QRectF gap = glyphPath(font, QStringLiteral("H\n\nH"), QPoint(0, 0), 0).boundingRect();
        QVERIFY(qAbs(two.bottom() - one.bottom() - lineHeight) < 0.01);
        QVERIFY(qAbs(gap.bottom() - one.bottom() - 2 * lineHeight) < 0.01);
        const QRectF moved = glyphPath(font, QStringLiteral("H"), QPoint(3, 4), 5).boundingRect();
        QVERIFY(qAbs(moved.left() - one.left() - 8) < 0.01 && qAbs(moved.top() - one.top() - 9) < 0.01);

        TextOutlineStrategy outline;
        outline.set(Qt::white, Qt::black, 4);
        TextExtent extent;
        QVERIFY(outline.measure(font, QStringLiteral("Hello"), QPoint(2, 2), extent));
        QCOMPARE(extent.left, 4.0f);
        QCOMPARE(extent.top, 4.0f);
        QVERIFY(qAbs(extent.right - (8 + width + lineHeight)) < 0.01f);
        QVERIFY(qAbs(extent.bottom - (8 + lineHeight)) < 0.01f);

        TextNoOutlineStrategy plain;
        QVERIFY(plain.measure(font, QStringLiteral("Hello\nHi"), QPoint(2, 2), extent));
        QCOMPARE(extent.left, 2.0f);
        QVERIFY(qAbs(extent.bottom - (2 + 2 * lineHeight)) < 0.01f);

        TextDblOutlineStrategy twice;
        twice.set(Qt::white, Qt::black, Qt::red, 3, 4);
        QVERIFY(twice.measure(font, QStringLiteral("Hello"), QPoint(0, 0), extent));
        QCOMPARE(extent.left, 4.0f); // 7 * 0.5 rounded away from zero

        // The canvas takes the shadow's extent where it reaches further. Its glyphs sit 4 pixels
        // from the text's, its band 5 around them: it starts right of the text and ends 4 + 10 further.
        CanvasHelper helper;
        helper.useNoOutline(QColor(Qt::white));
        TextExtent unshadowed;
        QVERIFY(helper.measure(font, QStringLiteral("Hi"), QPoint(0, 0), unshadowed));
        helper.setDiffusedShadow(QColor(0, 0, 0, 128), 10, QPoint(4, 4));
        helper.setShadowEnabled(true);
        QVERIFY(helper.measure(font, QStringLiteral("Hi"), QPoint(0, 0), extent));
        QCOMPARE(extent.left, unshadowed.left);
        QCOMPARE(extent.top, unshadowed.top);
        QCOMPARE(extent.right, unshadowed.right + 14.0f);
        QCOMPARE(extent.bottom, unshadowed.bottom + 14.0f);
        helper.setDiffusedShadow(QColor(0, 0, 0, 128), 10, QPoint(-20, 0));
        QVERIFY(helper.measure(font, QStringLiteral("Hi"), QPoint(0, 0), extent));
        QCOMPARE(extent.left, unshadowed.left - 20.0f);
        QCOMPARE(extent.right, unshadowed.right);
        helper.clearShadow();
        QVERIFY(helper.measure(font, QStringLiteral("Hi"), QPoint(0, 0), extent));
        QCOMPARE(extent.right, unshadowed.right);
    }

    // Each outline kind around the stem of an "I", read along one row through its middle.
    void strokesLieAroundTheFill()
    {
        const int y = midRow();
        TextOutlineStrategy outline;
        outline.set(Qt::green, Qt::red, 8);
        QImage image = drawn(outline);
        auto stem = stemOn(image, y, Qt::green);
        QVERIFY(stem.first > 0 && stem.second - stem.first > 4);
        QCOMPARE(image.pixelColor(stem.first - 2, y), QColor(Qt::red));
        QCOMPARE(image.pixelColor(stem.second + 2, y), QColor(Qt::red));
        QCOMPARE(image.pixelColor(stem.first - 7, y).alpha(), 0);

        // Unfilled: the row crosses two strokes with nothing between them.
        TextOnlyOutlineStrategy hollow;
        hollow.set(Qt::red, 4, false);
        const QImage ring = drawn(hollow);
        int runs = 0;
        bool inRun = false;
        for (int x = 0; x < ring.width(); ++x) {
            const bool painted = ring.pixelColor(x, y).alpha() > 0;
            runs += painted && !inRun;
            inRun = painted;
        }
        QCOMPARE(runs, 2);

        // A double outline puts the outer colour outside the inner one.
        TextDblOutlineStrategy twice;
        twice.set(Qt::green, Qt::blue, Qt::red, 6, 8);
        image = drawn(twice);
        stem = stemOn(image, y, Qt::green);
        QVERIFY(stem.first > 0);
        QCOMPARE(image.pixelColor(stem.first - 2, y), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(stem.first - 5, y), QColor(Qt::red));
        QCOMPARE(image.pixelColor(stem.first - 9, y).alpha(), 0);

        // A glow builds up towards the glyphs.
        TextGlowStrategy glow;
        glow.set(Qt::green, QColor(255, 0, 0, 40), 16);
        image = drawn(glow);
        stem = stemOn(image, y, Qt::green);
        QVERIFY(stem.first > 0);
        const int near = image.pixelColor(stem.first - 1, y).alpha();
        const int middle = image.pixelColor(stem.first - 4, y).alpha();
        const int far = image.pixelColor(stem.first - 7, y).alpha();
        QVERIFY2(near > middle && middle > far && far > 0,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(near).arg(middle).arg(far)));
        QCOMPARE(image.pixelColor(stem.first - 10, y).alpha(), 0);

        // A gradient outline runs from its start colour at the glyph to its end colour outside.
        TextGradOutlineStrategy ramp;
        ramp.set(Qt::green, QColor(255, 0, 0, 10), QColor(0, 0, 255, 10), 12, 0);
        QCOMPARE(ramp.startColor.alpha(), 255);
        image = drawn(ramp);
        stem = stemOn(image, y, Qt::green);
        QVERIFY(stem.first > 0);
        const QColor inner = image.pixelColor(stem.first - 1, y);
        const QColor outer = image.pixelColor(stem.first - 5, y);
        QVERIFY2(inner.red() > inner.blue() && outer.blue() > outer.red(),
                 qPrintable(inner.name() + QLatin1Char(' ') + outer.name()));
        // Thickness 1: one stroke, in the start colour.
        ramp.set(Qt::green, Qt::red, Qt::blue, 1, 0);
        QCOMPARE(ramp.ramp(1), QVector<QColor>{QColor(Qt::red)});
        const QImage thin = drawn(ramp);
        for (int x = 0; x < thin.width(); ++x)
            QVERIFY(thin.pixelColor(x, y).blue() == 0);
        // A sine ramp eases away from the start colour.
        ramp.set(Qt::white, Qt::black, Qt::white, 4, TextGradOutlineStrategy::SineRamp);
        QCOMPARE(ramp.ramp(4),
                 QVector<QColor>({QColor(0, 0, 0), QColor(97, 97, 97), QColor(180, 180, 180), QColor(235, 235, 235)}));
        ramp.rampKind = TextGradOutlineStrategy::LinearRamp;
        const QVector<QColor> linear = ramp.ramp(4);
        // Colour i lies i/n of the way from start to end.
        QCOMPARE(linear.at(0), QColor(0, 0, 0));
        for (int i = 1; i < 4; ++i)
            QVERIFY2(qAbs(linear.at(i).red() - i * 255 / 4) <= 2, qPrintable(linear.at(i).name()));
    }

    void extrusionNeedsBothOffsets()
    {
        ExtrudeStrategy extrusion;
        extrusion.set(Qt::green, Qt::red, 2, QPoint(5, 0));
        QVERIFY(drawn(extrusion) == blankCanvas());

        // Six copies run from the drawing position back towards the text: the painted
        // stem widens by five pixels to the left, keeps its right edge, and the copy
        // nearest the text lies on top with its fill.
        const int y = midRow(QPoint(26, 26));
        const auto paintedRun = [y](const QImage &image) {
            int first = -1, last = -1;
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).alpha() > 0) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            return qMakePair(first, last);
        };
        extrusion.set(Qt::green, Qt::red, 2, QPoint(1, 1));
        const auto one = paintedRun(drawn(extrusion, QStringLiteral("I"), QPoint(26, 26)));
        extrusion.set(Qt::green, Qt::red, 2, QPoint(6, 6));
        const QImage deepImage = drawn(extrusion, QStringLiteral("I"), QPoint(26, 26));
        const auto six = paintedRun(deepImage);
        QVERIFY(one.first > 0);
        QCOMPARE(six.second, one.second);
        QVERIFY(stemOn(deepImage, y, Qt::green).first < one.first);
        QVERIFY2(qAbs(one.first - six.first - 5) <= 1, qPrintable(QStringLiteral("%1 %2").arg(one.first).arg(six.first)));
    }

    void shadowTakesTheMaskAlpha()
    {
        QImage canvas = blankCanvas();
        QPainter painter(&canvas);
        CanvasHelper helper;
        helper.useNoOutline(QColor(Qt::white));
        helper.setOutlineShadow(QColor(0, 0, 255, 128), 4, QPoint(60, 0));
        helper.setShadowEnabled(true);
        helper.setImage(&canvas);
        // Without a gate image there is no shadow.
        QVERIFY(helper.draw(&painter, testFont(), QStringLiteral("I"), QPoint(20, 20)));
        const int y = midRow();
        const auto text = stemOn(canvas, y, Qt::white);
        QVERIFY(text.first > 0);
        const int shadowX = (text.first + text.second) / 2 + 60;
        QCOMPARE(canvas.pixelColor(shadowX, y).alpha(), 0);

        canvas.fill(Qt::transparent);
        helper.setGateImage(Qt::transparent, canvas.width(), canvas.height());
        QVERIFY(helper.draw(&painter, testFont(), QStringLiteral("I"), QPoint(20, 20)));
        painter.end();
        const QColor shadow = canvas.pixelColor(shadowX, y);
        QVERIFY2(qAbs(shadow.alpha() - 128) <= 2, qPrintable(QString::number(shadow.alpha())));
        QCOMPARE(QColor(shadow.rgb()), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor((text.first + text.second) / 2, y), QColor(Qt::white));
        QVERIFY(!helper.draw(nullptr, testFont(), QStringLiteral("I"), QPoint(20, 20)));
    }
};

BRINDLE_TEST_MAIN(TestTextDesigner)
#include "test_textdesigner.moc"
