#include "editor/cropdialog.h"
#include "editor/cropwnd.h"
#include "testprofile.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include <cmath>

namespace {
constexpr double kPixel = 1.0 / 459.0; // one preview pixel as a fraction of a fitted picture

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    return image;
}

ST_CROP_THICK cropOf(double left, double top, double right, double bottom)
{
    ST_CROP_THICK crop;
    crop.left = left;
    crop.top = top;
    crop.right = right;
    crop.bottom = bottom;
    crop.cropped = true;
    return crop;
}

bool near(double a, double b, double tolerance = 1.5 * kPixel)
{
    return qAbs(a - b) <= tolerance;
}
}

class TestCropDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void fittingKeepsOnePixelAndCentres();
    void aStoredCropFramesThePictureThroughAResizeAndDrags();
    void fixedRatiosFitAndKeepTheirShapeUntilReset();
    void cornerHandlesShowWhole_data();
    void cornerHandlesShowWhole();
    void cornerDragsAndTypedNumbersCropTogether();

private:
    // Opens a dialog for a picture and returns its preview.
    CropWnd *open(const QImage &image, const ST_CROP_THICK &crop = ST_CROP_THICK());
    // Presses at one point of the preview, moves to another and releases there.
    void drag(const QPointF &from, const QPointF &to);
    QPoint inWindow(const QPointF &point) const;

    CropDialog *m_dialog = nullptr;
    CropWnd *m_preview = nullptr;
};

void TestCropDialog::init()
{
    m_dialog = new CropDialog;
}

void TestCropDialog::cleanup()
{
    delete m_dialog;
    m_dialog = nullptr;
    m_preview = nullptr;
}

CropWnd *TestCropDialog::open(const QImage &image, const ST_CROP_THICK &crop)
{
    m_dialog->setCrop(crop);
    m_dialog->setPicture(image);
    m_dialog->show();
    if (!QTest::qWaitForWindowExposed(m_dialog))
        return nullptr;
    m_preview = m_dialog->findChild<CropWnd *>(QStringLiteral("pPreviewWnd"));
    return m_preview;
}

QPoint TestCropDialog::inWindow(const QPointF &point) const
{
    return m_preview->mapTo(m_dialog, point.toPoint());
}

void TestCropDialog::drag(const QPointF &from, const QPointF &to)
{
    QTest::mousePress(m_dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(from));
    QTest::mouseMove(m_dialog->windowHandle(), inWindow(to));
    QTest::mouseRelease(m_dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(to));
}

void TestCropDialog::fittingKeepsOnePixelAndCentres()
{
    QVERIFY(CropWnd::fitInto(QSizeF(), QRect(0, 0, 100, 100), true).isNull());
    QVERIFY(CropWnd::fitInto(QSizeF(10, 10), QRect(0, 0, 1, 1), true).isNull());

    // A size that fits is only centred unless it must always be scaled.
    QCOMPARE(CropWnd::fitInto(QSizeF(40, 20), QRect(0, 0, 101, 101), false), QRectF(30, 40, 40, 20));
    QCOMPARE(CropWnd::fitInto(QSizeF(40, 20), QRect(0, 0, 101, 101), true), QRectF(0, 25, 100, 50));
    QCOMPARE(CropWnd::fitInto(QSizeF(1000, 1), QRect(10, 10, 101, 101), true), QRectF(10, 59, 100, 1));
    // Qt's inclusive coordinates: a 460 pixel wide widget offers 459 pixels.
    QCOMPARE(CropWnd::fitInto(QSizeF(640, 360), QRect(0, 0, 460, 460), false), QRectF(0, 100, 459, 258));
}

void TestCropDialog::aStoredCropFramesThePictureThroughAResizeAndDrags()
{
    CropWnd *preview = open(picture(640, 360), cropOf(0.1, 0.2, 0.25, 0.05));
    QVERIFY(preview);
    const auto storedFrame = [preview] {
        const QRectF area = preview->imageArea();
        return QRectF(QPointF(area.left() + area.width() * 0.1, area.top() + area.height() * 0.2),
                      QPointF(area.right() - area.width() * 0.25, area.bottom() - area.height() * 0.05));
    };
    QCOMPARE(preview->frame(), storedFrame());

    // A larger window shows the same crop larger; until the user changes something the
    // dialog hands back what it was given.
    const double smallWidth = preview->imageArea().width();
    m_dialog->resize(900, 800);
    QTRY_VERIFY(preview->width() > 800);
    QVERIFY(preview->imageArea().width() > smallWidth);
    QCOMPARE(preview->frame(), storedFrame());
    QCOMPARE(m_dialog->crop().left, 0.1);
    QCOMPARE(m_dialog->crop().bottom, 0.05);

    // Past the picture's top-left corner, or past the opposite corner where the frame would
    // turn inside out, a corner stays where it was; a press outside the frame moves nothing.
    const QRectF area = preview->imageArea();
    const QRectF before = preview->frame();
    drag(before.topLeft(), area.topLeft() - QPointF(30, 30));
    drag(before.topLeft(), before.bottomRight() + QPointF(5, 5));
    drag(before.bottomRight(), before.topLeft() + QPointF(-3, 2));
    drag(QPointF(2, 2), QPointF(200, 200));
    QCOMPARE(preview->frame(), before);
    QVERIFY(near(m_dialog->crop().left, 0.1, 1e-9));

    // Moved, the frame stops at the picture's edges and keeps its size.
    drag(before.center(), before.center() + QPointF(1000, 15));
    QCOMPARE(preview->frame().right(), area.right());
    QCOMPARE(preview->frame().size(), before.size());
    QVERIFY(near(m_dialog->crop().right, 0.0, 1e-9));
    drag(preview->frame().center(), preview->frame().center() + QPointF(-1000, -1000));
    QCOMPARE(preview->frame().topLeft(), area.topLeft());
    QCOMPARE(preview->frame().size(), before.size());
    QCOMPARE(m_dialog->crop().left, 0.0);
    QCOMPARE(m_dialog->crop().top, 0.0);
    QVERIFY(near(m_dialog->crop().right, 0.35, 1e-9));
    QVERIFY(near(m_dialog->crop().bottom, 0.25, 1e-9));
}

void TestCropDialog::fixedRatiosFitAndKeepTheirShapeUntilReset()
{
    CropWnd *preview = open(picture(360, 640), cropOf(0.1, 0.1, 0.2, 0.2));
    QVERIFY(preview);
    auto *ratios = m_dialog->findChild<QComboBox *>(QStringLiteral("comboBoxRatio"));
    QSignalSpy spy(preview, &CropWnd::sigCrop);

    // The largest 16:9 frame, centred.
    ratios->setCurrentIndex(5);
    QCOMPARE(spy.count(), 1);
    const QRectF area = preview->imageArea();
    const QRectF frame = preview->frame();
    QCOMPARE(frame.width(), area.width());
    QVERIFY(qAbs(frame.width() / frame.height() - 16.0 / 9.0) < 0.02);
    QVERIFY(qAbs((frame.top() - area.top()) - (area.bottom() - frame.bottom())) <= 1.0);
    QCOMPARE(m_dialog->crop().left, 0.0);
    QVERIFY(near(m_dialog->crop().top, m_dialog->crop().bottom));
    // Back to the free ratio keeps the frame.
    ratios->setCurrentIndex(0);
    QCOMPARE(preview->frame(), frame);

    // A square's corners keep it square, the opposite corner staying put.
    ratios->setCurrentIndex(1);
    const QRectF square = preview->frame();
    QCOMPARE(square.width(), square.height());
    drag(square.bottomRight(), square.bottomRight() + QPointF(-40, 3));
    QCOMPARE(preview->frame().width(), square.width() - 40);
    QCOMPARE(preview->frame().height(), preview->frame().width());
    QCOMPARE(preview->frame().topLeft(), square.topLeft());
    const QRectF smaller = preview->frame();
    drag(smaller.topLeft(), smaller.topLeft() + QPointF(20, -50));
    QCOMPARE(preview->frame().height(), preview->frame().width());
    QCOMPARE(preview->frame().bottomRight(), smaller.bottomRight());

    // Reset hands back a zeroed record and the free ratio.
    spy.clear();
    QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("m_BtnReset")), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    const ST_CROP_THICK crop = m_dialog->crop();
    QVERIFY(!crop.cropped);
    QCOMPARE(crop.left + crop.top + crop.right + crop.bottom, 0.0);
    QCOMPARE(ratios->currentIndex(), 0);
    QCOMPARE(preview->frame(), preview->imageArea());
}

void TestCropDialog::cornerHandlesShowWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("wide picture") << QSize(1280, 720);
    QTest::newRow("tall picture") << QSize(360, 640);
}

void TestCropDialog::cornerHandlesShowWhole()
{
    QFETCH(QSize, size);
    CropWnd *preview = open(picture(size.width(), size.height()));
    QVERIFY(preview);
    QTRY_VERIFY(!preview->frame().isEmpty());
    const QImage shown = preview->grab().toImage();
    const QRectF frame = preview->frame();
    // The outer half of each handle's ring, beyond the frame's corner, is drawn in the handle's blue.
    const auto blueAt = [&shown](const QPoint &point) {
        const QColor colour = shown.rect().contains(point) ? shown.pixelColor(point) : QColor();
        return colour.isValid() && colour.blue() > 150 && colour.red() < 120;
    };
    for (const QPointF corner : {frame.topLeft(), frame.topRight(), frame.bottomRight(), frame.bottomLeft()}) {
        // Outwards from the corner both across and along the frame's edge.
        const int dx = corner.x() < frame.center().x() ? -1 : 1;
        const int dy = corner.y() < frame.center().y() ? -1 : 1;
        int across = 0;
        int along = 0;
        for (int i = 7; i <= 9; ++i) {
            for (int j = -2; j <= 2; ++j) {
                across += blueAt(QPoint(int(corner.x()) + dx * i, int(corner.y()) + j)) ? 1 : 0;
                along += blueAt(QPoint(int(corner.x()) + j, int(corner.y()) + dy * i)) ? 1 : 0;
            }
        }
        QVERIFY2(across >= 2 && along >= 2, qPrintable(QStringLiteral("%1 and %2 blue").arg(across).arg(along)));
    }
}

void TestCropDialog::cornerDragsAndTypedNumbersCropTogether()
{
    CropWnd *preview = open(picture(1280, 720));
    QVERIFY(preview);
    QSignalSpy spy(preview, &CropWnd::sigCrop);
    const QRectF area = preview->imageArea();
    QCOMPARE(preview->frame(), area);
    QVERIFY(!m_dialog->crop().cropped);
    const auto box = [this](const char *name) { return m_dialog->findChild<QSpinBox *>(QLatin1String(name)); };
    const auto numbers = [&box] {
        return QVector<int>{box("spinBoxX")->value(), box("spinBoxY")->value(), box("spinBoxWidth")->value(),
                            box("spinBoxHeight")->value()};
    };
    QCOMPARE(numbers(), QVector<int>({0, 0, 1280, 720}));

    // A corner drag gives its fractions on release, and the numbers show them in picture pixels.
    drag(area.topLeft(), area.topLeft() + QPointF(area.width() * 0.2, area.height() * 0.1));
    QCOMPARE(spy.count(), 1);
    ST_CROP_THICK crop = m_dialog->crop();
    QVERIFY(crop.cropped);
    QVERIFY2(near(crop.left, 0.2) && near(crop.top, 0.1), qPrintable(QStringLiteral("%1 %2").arg(crop.left).arg(crop.top)));
    QCOMPARE(crop.right, 0.0);
    QCOMPARE(crop.bottom, 0.0);
    QCOMPARE(numbers(), QVector<int>({int(std::lround(crop.left * 1280)), int(std::lround(crop.top * 720)),
                                      1280 - int(std::lround(crop.left * 1280)),
                                      720 - int(std::lround(crop.top * 720))}));
    drag(area.bottomRight(), area.bottomRight() - QPointF(area.width() * 0.3, area.height() * 0.25));
    crop = m_dialog->crop();
    QVERIFY(near(crop.left, 0.2) && near(crop.top, 0.1));
    QVERIFY(near(crop.right, 0.3) && near(crop.bottom, 0.25));
    // The other two corners move their own edges only.
    const QRectF frame = preview->frame();
    drag(frame.topRight(), frame.topRight() + QPointF(-10, 12));
    drag(preview->frame().bottomLeft(), preview->frame().bottomLeft() + QPointF(8, -6));
    QCOMPARE(preview->frame().right(), frame.right() - 10);
    QCOMPARE(preview->frame().top(), frame.top() + 12);
    QCOMPARE(preview->frame().left(), frame.left() + 8);
    QCOMPARE(preview->frame().bottom(), frame.bottom() - 6);
    QCOMPARE(spy.count(), 4);

    // Typed numbers move the frame; a number the picture cannot hold shrinks what follows it.
    QSpinBox *width = box("spinBoxWidth");
    width->setFocus();
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("640"));
    QTest::keyClick(width, Qt::Key_Return);
    box("spinBoxX")->setValue(100);
    box("spinBoxY")->setValue(20);
    box("spinBoxHeight")->setValue(700);
    QCOMPARE(numbers(), QVector<int>({100, 20, 640, 700}));
    ST_CROP_THICK typed = m_dialog->crop();
    QVERIFY(typed.cropped);
    QVERIFY(near(typed.left, 100.0 / 1280, 1e-9) && near(typed.top, 20.0 / 720, 1e-9));
    QVERIFY(near(typed.right, 540.0 / 1280, 1e-9) && near(typed.bottom, 0.0, 1e-9));
    QVERIFY(qAbs(preview->frame().left() - (area.left() + area.width() * 100 / 1280)) < 0.01);
    box("spinBoxX")->setValue(1000);
    QCOMPARE(numbers(), QVector<int>({1000, 20, 280, 700}));

    // With a fixed ratio the other side follows.
    m_dialog->findChild<QComboBox *>(QStringLiteral("comboBoxRatio"))->setCurrentIndex(5);
    box("spinBoxX")->setValue(0);
    box("spinBoxY")->setValue(0);
    box("spinBoxWidth")->setValue(320);
    QCOMPARE(numbers(), QVector<int>({0, 0, 320, 180}));
    box("spinBoxHeight")->setValue(450);
    QCOMPARE(numbers(), QVector<int>({0, 0, 800, 450}));

    // The whole picture typed in is no crop at all.
    m_dialog->findChild<QComboBox *>(QStringLiteral("comboBoxRatio"))->setCurrentIndex(0);
    box("spinBoxHeight")->setValue(720);
    box("spinBoxWidth")->setValue(1280);
    QCOMPARE(numbers(), QVector<int>({0, 0, 1280, 720}));
    QVERIFY(!m_dialog->crop().cropped);
}

BRINDLE_TEST_MAIN(TestCropDialog)
#include "test_cropdialog.moc"
