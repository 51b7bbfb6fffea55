#include "modalwatch.h"
#include "testmedia.h"
#include "testprofile.h"

#include "editor/buttonitem.h"
#include "editor/canvashistory.h"
#include "editor/layerdialog.h"
#include "editor/qcanvasitem.h"
#include "editor/qwatermarkbase.h"
#include "editor/qwatermarkscene.h"
#include "editor/qwatermarkview.h"
#include "editor/qwordartitem.h"
#include "text/vtextpropsheetdialog.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace {

constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 120;

void clickButtonLabelled(QWidget *window, const QString &label)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->text() == label) {
            button->click();
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no button %1").arg(label)));
}

bool near(qreal a, qreal b, qreal tolerance)
{
    return qAbs(a - b) <= tolerance;
}

qreal normalised(qreal angle)
{
    angle = std::fmod(angle, 360.0);
    return angle < 0 ? angle + 360.0 : angle;
}

}

// The canvas driven as a user drives it: mouse and keys on a real view, at several zooms.
class TestCanvas : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_backgroundVideo;
    QString m_picture;
    std::unique_ptr<QWatermarkScene> m_scene;
    std::unique_ptr<QWatermarkView> m_view;

    double zoom() const { return m_view->zoom() / 100.0; }

    QPoint toView(const QPointF &scenePoint) const { return m_view->mapFromScene(scenePoint); }

    void mouse(QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *viewport = m_view->viewport();
        QMouseEvent event(type, at, viewport->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, modifiers);
        QApplication::sendEvent(viewport, &event);
    }

    void drag(const QPoint &from, const QPoint &to)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        const int steps = 6;
        for (int i = 1; i <= steps; ++i)
            mouse(QEvent::MouseMove, from + (to - from) * i / steps, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    void click(const QPoint &at)
    {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    ButtonItem *handle(QWatermarkBase *layer, int kind) const
    {
        for (ButtonItem *h : layer->handles())
            if (h->kind() == kind)
                return h;
        return nullptr;
    }

    QPoint handleOnView(QWatermarkBase *layer, int kind) const { return toView(handle(layer, kind)->scenePos()); }

    // An image layer placed at a canvas point, selected, with the view centred on it.
    QWatermarkBase *placedPicture(const QPointF &at)
    {
        QWatermarkBase *layer = m_scene->addImage(m_picture);
        if (!layer)
            return nullptr;
        layer->setPos(at);
        m_view->centerOn(layer->sceneBox().center());
        return layer;
    }

    QPointF centreOf(QWatermarkBase *layer) const { return layer->sceneBox().center(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qRegisterMetaType<QWatermarkBase *>();
        m_backgroundVideo = TestMedia::make(
            QStringLiteral("canvas-1280x720.mp4"),
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("testsrc=size=1280x720:rate=25:duration=1"), QStringLiteral("-c:v"),
             QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
             QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")});
        QVERIFY(!m_backgroundVideo.isEmpty());
        QImage picture(kPictureWidth, kPictureHeight, QImage::Format_ARGB32);
        picture.fill(QColor(200, 40, 40));
        m_picture = m_dir.filePath(QStringLiteral("logo.png"));
        QVERIFY(picture.save(m_picture));
    }

    void initTestCase_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("25%") << 25.0;
        QTest::newRow("100%") << 100.0;
        QTest::newRow("300%") << 300.0;
    }

    void init()
    {
        QFETCH_GLOBAL(double, zoom);
        m_scene = std::make_unique<QWatermarkScene>();
        m_view = std::make_unique<QWatermarkView>();
        m_view->setScene(m_scene.get());
        m_view->resize(1000, 800);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        QVERIFY(m_scene->setBackground(m_backgroundVideo));
        QCOMPARE(m_scene->canvasSize(), QSize(1280, 720));
        m_view->setZoom(zoom);
        m_view->activateWindow();
        m_view->setFocus();
    }

    void cleanup()
    {
        m_view.reset();
        m_scene.reset();
    }

    void backgroundSitsUnderEverything()
    {
        QCanvasItem *background = m_scene->background();
        QVERIFY(background);
        QCOMPARE(background->zValue(), 0.0);
        QVERIFY(!(background->flags() & QGraphicsItem::ItemIsSelectable));
        QCOMPARE(m_scene->sceneRect(), QRectF(0, 0, 1280, 720));
        QCOMPARE(m_scene->mediaDuration() / 100000, qint64(10));
    }

    void handlesKeepTheirSizeAndAreHitWhereDrawn()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        QCOMPARE(layer->handleCount(), 4);
        for (ButtonItem *h : layer->handles()) {
            QVERIFY(h->isVisible());
            const QRect onScreen = h->deviceTransform(m_view->viewportTransform()).mapRect(h->boundingRect()).toRect();
            QCOMPARE(onScreen.size(), QSize(24, 24));
            // 10 screen pixels off the centre is on the handle, 14 is off it, at any zoom.
            QCOMPARE(layer->hitTest(h->scenePos() + QPointF(10, 0) / zoom(), zoom()), h->kind());
            QVERIFY(layer->hitTest(h->scenePos() + QPointF(0, -14) / zoom(), zoom()) != h->kind());
        }
        QCOMPARE(layer->hitTest(centreOf(layer), zoom()), int(QWatermarkBase::Pressed));
        layer->setSelected(false);
        for (ButtonItem *h : layer->handles())
            QVERIFY(!h->isVisible());
    }

    void dragMovesTheLayerAndUndoPutsItBack()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        QSignalSpy moved(m_scene.get(), &QWatermarkScene::itemMovedHM);
        const QPoint from = toView(centreOf(layer));
        drag(from, from + QPoint(80, 40));
        QVERIFY(near(layer->pos().x(), 400 + 80 / zoom(), 1.0 / zoom() + 0.5));
        QVERIFY(near(layer->pos().y(), 300 + 40 / zoom(), 1.0 / zoom() + 0.5));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.first().at(1).toPointF(), QPointF(400, 300));
        const QPointF after = layer->pos();

        m_scene->undoStack()->undo();
        QCOMPARE(layer->pos(), QPointF(400, 300));
        m_scene->undoStack()->redo();
        QCOMPARE(layer->pos(), after);
    }

    void resizeHandleScales_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("keep") << true;
        QTest::newRow("free") << false;
    }

    void resizeHandleScales()
    {
        QFETCH(bool, keep);
        QWatermarkBase *layer = placedPicture(QPointF(300, 200));
        QVERIFY(layer);
        layer->info().Keep = keep;
        const QPointF topLeft = layer->mapToScene(QPointF(0, 0));
        QSignalSpy resized(m_scene.get(), &QWatermarkScene::itemResizeHM);
        const QPoint from = handleOnView(layer, ButtonItem::Resize);
        // Half as wide again, and (without Keep) a quarter less high.
        const QPoint by(qRound(kPictureWidth / 2 * zoom()), qRound(-kPictureHeight / 4 * zoom()));
        drag(from, from + by);
        QCOMPARE(resized.count(), 1);
        const qreal tolerance = 2 / zoom() + 2;
        QVERIFY2(near(layer->info().Width, kPictureWidth * 1.5, tolerance), qPrintable(QString::number(layer->info().Width)));
        const qreal wantedHeight = keep ? layer->info().Width / 2.0 : kPictureHeight * 0.75;
        QVERIFY2(near(layer->info().Height, wantedHeight, keep ? 1 : tolerance),
                 qPrintable(QString::number(layer->info().Height)));
        QCOMPARE(layer->contentRect().size(), QSizeF(layer->info().Width, layer->info().Height));
        // The top-left corner stays where it was.
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).x(), topLeft.x(), 0.01));
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).y(), topLeft.y(), 0.01));
        QCOMPARE(handle(layer, ButtonItem::Resize)->pos(), layer->contentRect().bottomRight());

        m_scene->undoStack()->undo();
        QCOMPARE(layer->info().Width, kPictureWidth);
        QCOMPARE(layer->info().Height, kPictureHeight);
        m_scene->undoStack()->redo();
        QVERIFY(near(layer->info().Width, kPictureWidth * 1.5, tolerance));
    }

    void sizeNeverFallsBelowOnePixel()
    {
        QWatermarkBase *layer = placedPicture(QPointF(300, 200));
        QVERIFY(layer);
        layer->info().Keep = false;
        const QPoint from = handleOnView(layer, ButtonItem::Resize);
        const QPoint topLeft = toView(layer->mapToScene(QPointF(0, 0)));
        drag(from, topLeft + QPoint(0, 0));
        QVERIFY(layer->info().Width >= 1 && layer->info().Height >= 1);
    }

    void rotateHandleTurnsAboutTheCentre()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 250));
        QVERIFY(layer);
        const QPointF centre = centreOf(layer);
        QSignalSpy rotated(m_scene.get(), &QWatermarkScene::itemRotateHM);
        const QPoint from = handleOnView(layer, ButtonItem::Rotate);
        // The bottom-left corner carried a quarter turn clockwise about the centre.
        const QPointF corner = handle(layer, ButtonItem::Rotate)->scenePos() - centre;
        const QPointF turned(-corner.y(), corner.x());
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int i = 1; i <= 9; ++i) {
            const qreal a = qDegreesToRadians(10.0 * i);
            const QPointF p(corner.x() * std::cos(a) - corner.y() * std::sin(a),
                            corner.x() * std::sin(a) + corner.y() * std::cos(a));
            mouse(QEvent::MouseMove, toView(centre + p), Qt::LeftButton);
        }
        mouse(QEvent::MouseButtonRelease, toView(centre + turned), Qt::NoButton);
        QCOMPARE(rotated.count(), 1);
        QVERIFY2(near(normalised(layer->rotation()), 90, 2), qPrintable(QString::number(layer->rotation())));
        // Turning about the centre: the layer does not wander.
        QVERIFY(near(centreOf(layer).x(), centre.x(), 0.5) && near(centreOf(layer).y(), centre.y(), 0.5));
        QVERIFY(near(layer->sceneBox().width(), kPictureHeight, 2));

        m_scene->undoStack()->undo();
        QCOMPARE(layer->rotation(), 0.0);
        QVERIFY(near(centreOf(layer).x(), centre.x(), 0.5));
        m_scene->undoStack()->redo();
        QVERIFY(near(normalised(layer->rotation()), 90, 2));
    }

    void resizeOfATurnedLayerKeepsItInPlace()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 250));
        QVERIFY(layer);
        layer->setAngle(30);
        const QPointF topLeft = layer->mapToScene(QPointF(0, 0));
        layer->info().Keep = true;
        const QPoint from = handleOnView(layer, ButtonItem::Resize);
        const QPointF farther = layer->mapToScene(QPointF(kPictureWidth * 1.25, kPictureHeight * 1.25));
        drag(from, toView(farther));
        QVERIFY2(near(layer->info().Width, kPictureWidth * 1.25, 2 / zoom() + 2), qPrintable(QString::number(layer->info().Width)));
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).x(), topLeft.x(), 0.01));
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).y(), topLeft.y(), 0.01));
        QCOMPARE(layer->rotation(), 30.0);
        // A later turn goes about the new centre without a jump.
        const QPointF centre = centreOf(layer);
        layer->setAngle(60);
        QVERIFY(near(centreOf(layer).x(), centre.x(), 0.01) && near(centreOf(layer).y(), centre.y(), 0.01));
    }

    void turnedAndResizedLayerReadBackSitsWhereItWas()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 250));
        QVERIFY(layer);
        layer->setAngle(30);
        const QPoint from = handleOnView(layer, ButtonItem::Resize);
        drag(from, toView(layer->mapToScene(QPointF(kPictureWidth * 0.8, kPictureHeight * 0.8))));
        QVERIFY(layer->info().Width < kPictureWidth);

        // As a project stores it: position truncated, rotation as the angle.
        CLayerInfo record = layer->info();
        record.x = int(layer->pos().x());
        record.y = int(layer->pos().y());
        record.Angle = float(layer->rotation());
        QWatermarkBase *readBack = m_scene->addLayer(record);
        QVERIFY(readBack);
        QVERIFY(!readBack->isSelected());
        QCOMPARE(readBack->info().Width, layer->info().Width);
        const QRectF was = layer->sceneBox();
        const QRectF is = readBack->sceneBox();
        QVERIFY2(near(is.left(), was.left(), 1.5) && near(is.top(), was.top(), 1.5)
                     && near(is.width(), was.width(), 0.5) && near(is.height(), was.height(), 0.5),
                 qPrintable(QStringLiteral("%1,%2 vs %3,%4").arg(is.left()).arg(is.top()).arg(was.left()).arg(was.top())));
    }

    void textShrinksItsFontByTheSmallerFactor()
    {
        CWordArtInfo words;
        words.Text = QStringLiteral("Brindle");
        words.Font.setPixelSize(80);
        QWatermarkBase *layer = m_scene->addText(words);
        QVERIFY(layer);
        QVERIFY(qobject_cast<QWordArtItem *>(layer));
        QVERIFY(!layer->info().Keep);
        QCOMPARE(layer->info().FileName, QStringLiteral("Text1"));
        layer->setPos(300, 200);
        m_view->centerOn(centreOf(layer));
        const int width = layer->info().Width;
        const QPoint from = handleOnView(layer, ButtonItem::Resize);
        drag(from, from - QPoint(qRound(width / 2.0 * zoom()), 0));
        QVERIFY2(near(layer->info().wordArt.Font.pixelSize(), 40, 2 / zoom() + 1),
                 qPrintable(QString::number(layer->info().wordArt.Font.pixelSize())));
        QCOMPARE(layer->info().image.size(), QSize(layer->info().Width, layer->info().Height));
        QVERIFY(near(layer->info().Width, width / 2.0, width / 8.0));

        m_scene->undoStack()->undo();
        QCOMPARE(layer->info().wordArt.Font.pixelSize(), 80);
        QCOMPARE(layer->info().Width, width);
    }

    void doubleClickOnTextOpensTheTextDialog()
    {
        CWordArtInfo words;
        words.Text = QStringLiteral("one");
        words.Font.setPixelSize(60);
        QWatermarkBase *layer = m_scene->addText(words);
        QVERIFY(layer);
        layer->setPos(300, 200);
        m_view->centerOn(centreOf(layer));
        const int width = layer->info().Width;
        bool asked = false;
        whenModalShows([&asked](QWidget *dialog) {
            auto *textDialog = qobject_cast<VTextPropSheetDialog *>(dialog);
            asked = textDialog != nullptr;
            if (!textDialog)
                return;
            CWordArtInfo edited = textDialog->wordArtInfo();
            edited.Text = QStringLiteral("one two three");
            textDialog->setWordArtInfo(edited);
            textDialog->accept();
        });
        const QPoint at = toView(centreOf(layer));
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTRY_VERIFY(asked);
        QTRY_COMPARE(layer->info().wordArt.Text, QStringLiteral("one two three"));
        QVERIFY(layer->info().Width > width);
        QCOMPARE(layer->info().image.width(), layer->info().Width);

        m_scene->undoStack()->undo();
        QCOMPARE(layer->info().wordArt.Text, QStringLiteral("one"));
        QCOMPARE(layer->info().Width, width);
    }

    void arrowKeysNudgeEverySelectedLayer()
    {
        QWatermarkBase *first = placedPicture(QPointF(100, 100));
        QWatermarkBase *second = placedPicture(QPointF(600, 300));
        QVERIFY(first && second);
        first->setSelected(true);
        QSignalSpy moved(m_scene.get(), &QWatermarkScene::itemMovedHM);
        QTest::keyClick(m_view.get(), Qt::Key_Right);
        QTest::keyClick(m_view.get(), Qt::Key_Right);
        QTest::keyClick(m_view.get(), Qt::Key_Up);
        QCOMPARE(first->pos(), QPointF(102, 99));
        QCOMPARE(second->pos(), QPointF(602, 299));
        QCOMPARE(moved.count(), 6);

        // A held key repeats: one canvas pixel per event, one report at the release.
        moved.clear();
        for (int i = 0; i < 5; ++i)
            QTest::sendKeyEvent(QTest::Press, m_view.get(), Qt::Key_Down, QString(), Qt::NoModifier);
        QCOMPARE(first->pos(), QPointF(102, 104));
        QTest::sendKeyEvent(QTest::Release, m_view.get(), Qt::Key_Down, QString(), Qt::NoModifier);
        QCOMPARE(moved.count(), 2);

        m_scene->undoStack()->undo();
        QCOMPARE(first->pos(), QPointF(102, 99));
        QCOMPARE(second->pos(), QPointF(602, 299));
        m_scene->undoStack()->undo();
        QCOMPARE(first->pos(), QPointF(102, 100));
        m_scene->undoStack()->redo();
        QCOMPARE(first->pos(), QPointF(102, 99));
    }

    void modifierKeysAloneAreSwallowed()
    {
        QWatermarkBase *layer = placedPicture(QPointF(100, 100));
        QVERIFY(layer);
        QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
        QApplication::sendEvent(m_view.get(), &shift);
        QVERIFY(shift.isAccepted());
        QCOMPARE(layer->pos(), QPointF(100, 100));
    }

    void lockedLayerStaysAsItIs()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        layer->info().locked = true;
        const QPoint body = toView(centreOf(layer));
        drag(body, body + QPoint(60, 60));
        QCOMPARE(layer->pos(), QPointF(400, 300));
        layer->setSelected(true);
        const QPoint resize = handleOnView(layer, ButtonItem::Resize);
        drag(resize, resize + QPoint(50, 50));
        QCOMPARE(layer->info().Width, kPictureWidth);
        const QPoint rotate = handleOnView(layer, ButtonItem::Rotate);
        drag(rotate, rotate + QPoint(0, -80));
        layer->applyPending();
        QCOMPARE(layer->rotation(), 0.0);
        QTest::keyClick(m_view.get(), Qt::Key_Left);
        QCOMPARE(layer->pos(), QPointF(400, 300));
        QCOMPARE(m_scene->undoStack()->count(), 1); // the add alone
    }

    void deleteAsksFirst()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        QSignalSpy deleted(m_scene.get(), &QWatermarkScene::itemDeleteHM);
        QSignalSpy added(m_scene.get(), &QWatermarkScene::itemAddedHM);
        QString question;
        whenModalShows([&question](QWidget *box) {
            question = static_cast<QMessageBox *>(box)->text();
            clickButtonLabelled(box, QStringLiteral("Cancel"));
        });
        // The close handle's click reaches the scene after the mouse event has ended.
        click(handleOnView(layer, ButtonItem::Close));
        QTRY_COMPARE(question, QStringLiteral("Are you sure to delete the layer ?"));
        QCOMPARE(m_scene->layers().size(), 1);
        QCOMPARE(deleted.count(), 0);

        whenModalShows([](QWidget *box) { clickButtonLabelled(box, QStringLiteral("Ok")); });
        m_scene->deleteSelected();
        QCOMPARE(m_scene->layers().size(), 0);
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.first().first().value<QWatermarkBase *>(), layer);

        m_scene->undoStack()->undo();
        QCOMPARE(m_scene->layers(), QList<QWatermarkBase *>{layer});
        QCOMPARE(added.count(), 1);
        m_scene->undoStack()->redo();
        QCOMPARE(m_scene->layers().size(), 0);
        QCOMPARE(deleted.count(), 2);
    }

    void menuHandleAsksForTheMenu()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        QSignalSpy menu(m_scene.get(), &QWatermarkScene::itemMenuHM);
        click(handleOnView(layer, ButtonItem::Menu));
        QTRY_COMPARE(menu.count(), 1);
        QVERIFY(layer->isSelected());
    }

    void duplicateStartsAFreshLayer()
    {
        QWatermarkBase *original = placedPicture(QPointF(400, 300));
        QVERIFY(original);
        original->setAngle(35);
        original->setSize(100, 50);
        m_scene->duplicateSelected();
        QCOMPARE(m_scene->layers().size(), 2);
        QWatermarkBase *copy = m_scene->layers().last();
        QVERIFY(copy != original);
        QVERIFY(copy->isSelected() && !original->isSelected());
        QCOMPARE(copy->pos(), QPointF(0, 0));
        QCOMPARE(copy->rotation(), 0.0);
        QCOMPARE(copy->info().Width, kPictureWidth);
        QCOMPARE(copy->info().FileName, original->info().FileName);
        QVERIFY(copy->zValue() > original->zValue());

        m_scene->undoStack()->undo();
        QCOMPARE(m_scene->layers(), QList<QWatermarkBase *>{original});
        m_scene->undoStack()->redo();
        QCOMPARE(m_scene->layers().size(), 2);
    }

    void layerDialogAppliesOrLeavesAlone()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        layer->setSize(200, 100);
        whenModalShows([](QWidget *dialog) {
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxX"))->setValue(999);
            clickButtonLabelled(dialog, QStringLiteral("Cancel"));
        });
        m_scene->openLayerDialog();
        QCOMPARE(layer->pos(), QPointF(400, 300));
        QCOMPARE(m_scene->undoStack()->count(), 1);

        whenModalShows([](QWidget *dialog) {
            auto *width = dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxWidth"));
            auto *height = dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxHeight"));
            QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("checkBoxKeepAspect"))->isChecked());
            width->setValue(400);
            QCOMPARE(height->value(), 200);
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxX"))->setValue(50);
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxOpacity"))->setValue(40);
            dialog->findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxAngle"))->setValue(270);
            clickButtonLabelled(dialog, QStringLiteral("Ok"));
        });
        m_scene->openLayerDialog();
        QCOMPARE(layer->info().Width, 400);
        QCOMPARE(layer->info().Height, 200);
        QCOMPARE(layer->pos(), QPointF(50, 300));
        QCOMPARE(layer->rotation(), 270.0);
        QCOMPARE(layer->info().Transparent, 40);
        QCOMPARE(layer->opacity(), 0.4);

        m_scene->undoStack()->undo();
        QCOMPARE(layer->info().Width, 200);
        QCOMPARE(layer->pos(), QPointF(400, 300));
        QCOMPARE(layer->rotation(), 0.0);
        QCOMPARE(layer->info().Transparent, 100);
    }

    void layerDialogSizesATextLayer()
    {
        CWordArtInfo words;
        words.Text = QStringLiteral("sized");
        words.Font.setPixelSize(50);
        QWatermarkBase *layer = m_scene->addText(words);
        QVERIFY(layer);
        whenModalShows([](QWidget *dialog) {
            QVERIFY(!dialog->findChild<QCheckBox *>(QStringLiteral("checkBoxKeepAspect"))->isChecked());
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxWidth"))->setValue(333);
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxHeight"))->setValue(77);
            clickButtonLabelled(dialog, QStringLiteral("Ok"));
        });
        m_scene->openLayerDialog();
        layer->applyPending();
        QCOMPARE(layer->info().Width, 333);
        QCOMPARE(layer->info().Height, 77);
        QCOMPARE(layer->contentRect().size(), QSizeF(333, 77));
    }

    void controlWheelZoomsAroundTheMouse()
    {
        m_view->centerOn(640, 360);
        const QPoint at = m_view->mapFromScene(QPointF(600, 300));
        const QPointF under = m_view->mapToScene(at);
        const double before = m_view->zoom();
        QWheelEvent wheel(at, m_view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &wheel);
        QVERIFY(m_view->zoom() > before);
        // A canvas smaller than the view sits in its middle; only a larger one can hold the point.
        if (m_view->horizontalScrollBar()->maximum() == 0 || m_view->verticalScrollBar()->maximum() == 0)
            return;
        const QPointF still = m_view->mapToScene(at);
        QVERIFY2(near(still.x(), under.x(), 2 / zoom()) && near(still.y(), under.y(), 2 / zoom()),
                 qPrintable(QStringLiteral("%1,%2 -> %3,%4").arg(under.x()).arg(under.y()).arg(still.x()).arg(still.y())));
    }

    void plainWheelScrolls()
    {
        m_view->setZoom(300);
        m_view->centerOn(640, 360);
        const double before = m_view->zoom();
        const QPointF centre = m_view->mapToScene(m_view->viewport()->rect().center());
        const QPoint at(300, 200);
        QWheelEvent wheel(at, m_view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &wheel);
        QCOMPARE(m_view->zoom(), before);
        QVERIFY(m_view->mapToScene(m_view->viewport()->rect().center()).y() > centre.y());
    }

    void zoomStepsByTensBelowAHundredAndFiftiesAbove()
    {
        m_view->setZoom(100);
        m_view->zoomOut();
        QCOMPARE(m_view->zoom(), 90.0);
        m_view->zoomIn();
        QCOMPARE(m_view->zoom(), 100.0);
        m_view->zoomIn();
        QCOMPARE(m_view->zoom(), 150.0);
        m_view->setZoom(10);
        m_view->zoomOut();
        QCOMPARE(m_view->zoom(), 10.0);
        QSignalSpy canvasRect(m_view.get(), &QWatermarkView::sigCanvasRect);
        m_view->setZoom(50);
        QCOMPARE(canvasRect.count(), 1);
        // The canvas's pixels on screen, its far edge included.
        QCOMPARE(canvasRect.first().first().toRect().size(), QSize(641, 361));
    }

    void selectionFrameIsDrawnOnlyOnSelectedLayers()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        // Where the display offers OpenGL, the canvas draws through it.
        if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
            QVERIFY(m_view->usesOpenGL());
        // What the screen shows, whatever draws the viewport.
        const auto frameShows = [&]() {
            const QRect box = m_view->mapFromScene(layer->sceneBox()).boundingRect();
            const QPoint origin = m_view->viewport()->mapToGlobal(QPoint(0, 0));
            const QImage shot = QGuiApplication::primaryScreen()
                                    ->grabWindow(0, origin.x(), origin.y(), m_view->viewport()->width(),
                                                 m_view->viewport()->height())
                                    .toImage();
            // The frame: a white line under a dashed one in the frame blue, on the box's top edge.
            for (int y = box.top() - 1; y <= box.top() + 1; ++y) {
                int blue = 0;
                int white = 0;
                int total = 0;
                for (int x = box.left() + 14; x < box.right() - 14; ++x, ++total) {
                    const QColor c = shot.pixelColor(x, y);
                    if (near(c.red(), 29, 30) && near(c.green(), 159, 30) && near(c.blue(), 228, 30))
                        ++blue;
                    else if (c == Qt::white)
                        ++white;
                }
                if (blue > total / 3 && white > total / 8)
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(frameShows(), 20000);
        layer->setSelected(false);
        QTRY_VERIFY_WITH_TIMEOUT(!frameShows(), 20000);
    }

    void clearingLayersForgetsTheHistory()
    {
        QVERIFY(placedPicture(QPointF(10, 10)));
        QVERIFY(placedPicture(QPointF(20, 20)));
        QSignalSpy deleted(m_scene.get(), &QWatermarkScene::itemDeleteHM);
        m_scene->clearLayers();
        QCOMPARE(deleted.count(), 2);
        QCOMPARE(m_scene->layers().size(), 0);
        QCOMPARE(m_scene->undoStack()->count(), 0);
        QVERIFY(m_scene->background());
    }
};

BRINDLE_TEST_MAIN(TestCanvas)
#include "test_canvas.moc"
