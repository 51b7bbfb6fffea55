#include "modalwatch.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"
#include "testwidgets.h"

#include "editor/buttonitem.h"
#include "editor/canvashistory.h"
#include "editor/layerdialog.h"
#include "editor/qcanvasitem.h"
#include "editor/qwatermarkbase.h"
#include "editor/qwatermarkscene.h"
#include "editor/qwatermarkview.h"
#include "layers/recordlayer.h"
#include "layers/watermarkdocument.h"
#include "text/vtextpropsheetdialog.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoCommand>
#include <QUndoStack>

#include <functional>
#include <memory>

// An edit of a layer's record, as a row of a data table gives it.
using RecordEdit = std::function<void(CLayerInfo &)>;
Q_DECLARE_METATYPE(RecordEdit)

namespace {

constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 120;

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
// Each item is a view of its layer in the document, and every edit an undo step.
class TestCanvas : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_backgroundVideo;
    QString m_picture;
    std::unique_ptr<WatermarkDocument> m_document;
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

    const CLayerInfo &record(QWatermarkBase *layer) const { return m_document->layer(layer->layerId()); }

    // Sets parts of a layer's record as a test's starting point, outside the history.
    void setUp(QWatermarkBase *layer, const std::function<void(CLayerInfo &)> &edit, LayerFields fields)
    {
        CLayerInfo values = record(layer);
        edit(values);
        m_document->changeLayer(layer->layerId(), values, fields);
    }

    // An image layer placed at a canvas point, selected, with the view centred on it.
    QWatermarkBase *placedPicture(const QPointF &at)
    {
        QWatermarkBase *layer = m_scene->addImage(m_picture);
        if (!layer)
            return nullptr;
        setUp(layer, [at](CLayerInfo &r) { r.x = int(at.x()); r.y = int(at.y()); }, LayerField::Place);
        m_view->centerOn(layer->sceneBox().center());
        return layer;
    }

    QPointF centreOf(QWatermarkBase *layer) const { return layer->sceneBox().center(); }

    // The item shows its record: the box the filter graph is given.
    static bool showsRecord(QWatermarkBase *layer, const CLayerInfo &info)
    {
        const QRectF shown = layer->sceneBox();
        const QRectF recorded = turnedBox(info);
        return near(shown.left(), recorded.left(), 0.01) && near(shown.top(), recorded.top(), 0.01)
               && near(shown.width(), recorded.width(), 0.01) && near(shown.height(), recorded.height(), 0.01);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_backgroundVideo = TestMedia::longClip();
        QVERIFY(!m_backgroundVideo.isEmpty());
        m_picture = TestPictures::savePlain(m_dir.filePath(QStringLiteral("logo.png")), kPictureWidth, kPictureHeight,
                                            QColor(200, 40, 40));
        QVERIFY(!m_picture.isEmpty());
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
        m_document = std::make_unique<WatermarkDocument>();
        m_scene = std::make_unique<QWatermarkScene>(m_document.get());
        m_view = std::make_unique<QWatermarkView>();
        m_view->setScene(m_scene.get());
        m_scene->setView(m_view.get());
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
        m_document.reset();
    }

    // The handles and the selection frame show on the selected layer alone; the handles keep
    // their size and are hit where they are drawn.
    void handlesAndFrameShowOnTheSelectedLayer()
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
        QTRY_VERIFY_WITH_TIMEOUT(!frameShows(), 20000);
    }

    // A new layer lands in sight, the next beside it and above it, selected alone; a
    // duplicate starts afresh from its file, upright and at the picture's size.
    void newLayersLandInSightAndDuplicatesStartAfresh()
    {
        m_view->centerOn(QPointF(900, 500));
        const QRectF visible = m_view->mapToScene(m_view->viewport()->rect()).boundingRect() & m_scene->sceneRect();
        QWatermarkBase *first = m_scene->addImage(m_picture);
        QWatermarkBase *second = m_scene->addImage(m_picture);
        QVERIFY(first && second);
        QVERIFY(near(centreOf(first).x(), visible.center().x(), 1) && near(centreOf(first).y(), visible.center().y(), 1));
        QCOMPARE(second->pos() - first->pos(), QPointF(20, 20));
        QVERIFY(second->isSelected() && !first->isSelected());
        QVERIFY(second->zValue() > first->zValue());

        setUp(second, [](CLayerInfo &r) { r.Angle = 35; r.Width = 100; r.Height = 50; },
              LayerField::Angle | LayerField::Size);
        m_scene->duplicateSelected();
        QCOMPARE(m_scene->layers().size(), 3);
        QWatermarkBase *copy = m_scene->layers().last();
        QVERIFY(copy != second);
        QVERIFY(copy->isSelected() && !second->isSelected());
        QCOMPARE(record(copy).Angle, 0.0f);
        QCOMPARE(record(copy).Width, kPictureWidth);
        QCOMPARE(record(copy).FileName, record(second).FileName);
        QVERIFY(copy->zValue() > second->zValue());
        QCOMPARE(m_scene->undoStack()->count(), 3);
    }

    // A drag moves the layer; arrow keys nudge every selected layer by a canvas pixel, and a
    // held key repeats with one step at its release. Undo puts each move back.
    void dragAndKeysMoveLayersAndUndoPutsThemBack()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        const QPoint from = toView(centreOf(layer));
        drag(from, from + QPoint(80, 40));
        QVERIFY(near(record(layer).x, 400 + 80 / zoom(), 1.0 / zoom() + 0.5));
        QVERIFY(near(record(layer).y, 300 + 40 / zoom(), 1.0 / zoom() + 0.5));
        QCOMPARE(layer->pos(), QPointF(record(layer).x, record(layer).y));
        QCOMPARE(m_scene->undoStack()->count(), 2);

        m_scene->undoStack()->undo();
        QCOMPARE(layer->pos(), QPointF(400, 300));
        QCOMPARE(record(layer).x, 400);
        m_scene->undoStack()->redo();
        QVERIFY(record(layer).x > 400);
        QVERIFY(showsRecord(layer, record(layer)));

        QWatermarkBase *second = placedPicture(QPointF(600, 300));
        QVERIFY(second);
        layer->setSelected(true);
        const QPointF start = layer->pos();
        const int steps = m_scene->undoStack()->count();
        QTest::keyClick(m_view.get(), Qt::Key_Right);
        QTest::keyClick(m_view.get(), Qt::Key_Right);
        QTest::keyClick(m_view.get(), Qt::Key_Up);
        QCOMPARE(layer->pos(), start + QPointF(2, -1));
        QCOMPARE(QPoint(record(second).x, record(second).y), QPoint(602, 299));
        QCOMPARE(m_scene->undoStack()->count(), steps + 3);
        for (int i = 0; i < 5; ++i)
            QTest::sendKeyEvent(QTest::Press, m_view.get(), Qt::Key_Down, QString(), Qt::NoModifier);
        QCOMPARE(layer->pos(), start + QPointF(2, 4));
        QTest::sendKeyEvent(QTest::Release, m_view.get(), Qt::Key_Down, QString(), Qt::NoModifier);
        QCOMPARE(record(layer).y, int(start.y()) + 4);
        QCOMPARE(m_scene->undoStack()->count(), steps + 4);
        m_scene->undoStack()->undo();
        QCOMPARE(layer->pos(), start + QPointF(2, -1));
        QCOMPARE(second->pos(), QPointF(602, 299));
        m_scene->undoStack()->undo();
        QCOMPARE(layer->pos(), start + QPointF(2, 0));
        m_scene->undoStack()->redo();
        QCOMPARE(record(layer).y, int(start.y()) - 1);
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
        setUp(layer, [keep](CLayerInfo &r) { r.Keep = keep; }, LayerField::Keep);
        const QPointF topLeft = layer->mapToScene(QPointF(0, 0));
        const QPoint from = handleOnView(layer, ButtonItem::Resize);
        // Half as wide again, and (without Keep) a quarter less high.
        const QPoint by(qRound(kPictureWidth / 2 * zoom()), qRound(-kPictureHeight / 4 * zoom()));
        drag(from, from + by);
        QCOMPARE(m_scene->undoStack()->count(), 2);
        const int width = record(layer).Width;
        const int height = record(layer).Height;
        const qreal tolerance = 2 / zoom() + 2;
        QVERIFY2(near(width, kPictureWidth * 1.5, tolerance), qPrintable(QString::number(width)));
        const qreal wantedHeight = keep ? width / 2.0 : kPictureHeight * 0.75;
        QVERIFY2(near(height, wantedHeight, keep ? 1 : tolerance), qPrintable(QString::number(height)));
        QCOMPARE(layer->contentRect().size(), QSizeF(width, height));
        // The top-left corner stays where it was.
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).x(), topLeft.x(), 0.01));
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).y(), topLeft.y(), 0.01));
        QCOMPARE(handle(layer, ButtonItem::Resize)->pos(), layer->contentRect().bottomRight());

        // Dragged onto its own top-left corner, the layer keeps a pixel at least.
        drag(handleOnView(layer, ButtonItem::Resize), toView(topLeft));
        QVERIFY(record(layer).Width >= 1 && record(layer).Height >= 1);
    }

    // The rotate handle turns the layer about its centre; resized, the turned layer keeps its
    // top-left corner, and a later turn goes about the new centre without a jump.
    void rotateHandleTurnsAboutTheCentreAndTheTurnedLayerResizesInPlace()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 250));
        QVERIFY(layer);
        QPointF centre = centreOf(layer);
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
        QCOMPARE(m_scene->undoStack()->count(), 2);
        const float angle = record(layer).Angle;
        QVERIFY2(near(normalised(angle), 90, 2), qPrintable(QString::number(angle)));
        QCOMPARE(layer->rotation(), qreal(angle));
        QVERIFY(near(centreOf(layer).x(), centre.x(), 0.5) && near(centreOf(layer).y(), centre.y(), 0.5));
        QVERIFY(near(layer->sceneBox().width(), kPictureHeight, 2));

        const QPointF topLeft = layer->mapToScene(QPointF(0, 0));
        const QPointF farther = layer->mapToScene(QPointF(kPictureWidth * 1.25, kPictureHeight * 1.25));
        drag(handleOnView(layer, ButtonItem::Resize), toView(farther));
        QVERIFY2(near(record(layer).Width, kPictureWidth * 1.25, 2 / zoom() + 2),
                 qPrintable(QString::number(record(layer).Width)));
        // The record holds whole pixels: the corner stays within half a pixel each way.
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).x(), topLeft.x(), 0.51));
        QVERIFY(near(layer->mapToScene(QPointF(0, 0)).y(), topLeft.y(), 0.51));
        QCOMPARE(record(layer).Angle, angle);
        // The canvas shows the layer exactly where the record, and so the output, puts it.
        QVERIFY(showsRecord(layer, record(layer)));
        centre = centreOf(layer);
        setUp(layer, [](CLayerInfo &r) { r.Angle = 60; }, LayerField::Angle);
        QVERIFY(near(centreOf(layer).x(), centre.x(), 0.01) && near(centreOf(layer).y(), centre.y(), 0.01));
    }

    // A double-click opens the text dialog, whose words widen the layer; the resize handle
    // shrinks a text's font by the smaller factor; the layer dialog sets its box freely.
    void textIsEditedAndResizedThroughItsFontOrItsDialog()
    {
        CWordArtInfo words;
        words.Text = QStringLiteral("one");
        words.Font.setPixelSize(80);
        QWatermarkBase *layer = m_scene->addText(words);
        QVERIFY(layer);
        m_view->centerOn(centreOf(layer));
        const int width = record(layer).Width;
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
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, toView(centreOf(layer)));
        QTRY_VERIFY(asked);
        QTRY_COMPARE(record(layer).wordArt.Text, QStringLiteral("one two three"));
        QVERIFY(record(layer).Width > width);
        QCOMPARE(record(layer).image.width(), record(layer).Width);
        QCOMPARE(layer->contentRect().width(), qreal(record(layer).Width));
        m_scene->undoStack()->undo();
        QCOMPARE(record(layer).wordArt.Text, QStringLiteral("one"));
        QCOMPARE(record(layer).Width, width);

        const QPoint from = handleOnView(layer, ButtonItem::Resize);
        // The double-click's press is still held by the view until a release comes.
        mouse(QEvent::MouseButtonRelease, from, Qt::NoButton);
        drag(from, from - QPoint(qRound(width / 2.0 * zoom()), 0));
        QVERIFY2(near(record(layer).wordArt.Font.pixelSize(), 40, 2 / zoom() + 1),
                 qPrintable(QString::number(record(layer).wordArt.Font.pixelSize())));
        QCOMPARE(record(layer).image.size(), QSize(record(layer).Width, record(layer).Height));
        QVERIFY(near(record(layer).Width, width / 2.0, width / 8.0));
        m_scene->undoStack()->undo();
        QCOMPARE(record(layer).wordArt.Font.pixelSize(), 80);
        QCOMPARE(record(layer).Width, width);
        QCOMPARE(record(layer).image.width(), width);

        whenModalShows([](QWidget *dialog) {
            QVERIFY(!dialog->findChild<QCheckBox *>(QStringLiteral("checkBoxKeepAspect"))->isChecked());
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxWidth"))->setValue(333);
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxHeight"))->setValue(77);
            QVERIFY(TestWidgets::clickButtonLabelled(dialog, QStringLiteral("Ok")));
        });
        m_scene->openLayerDialog();
        QCOMPARE(record(layer).Width, 333);
        QCOMPARE(record(layer).Height, 77);
        QCOMPARE(layer->contentRect().size(), QSizeF(333, 77));
    }

    // The layer dialog applies its values as one step or, cancelled, leaves the layer alone;
    // the menu and close handles ask first; a locked layer stays as it is.
    void dialogHandlesAndLockActOnTheLayerOrLeaveIt()
    {
        QWatermarkBase *layer = placedPicture(QPointF(400, 300));
        QVERIFY(layer);
        const LayerId id = layer->layerId();
        setUp(layer, [](CLayerInfo &r) { r.Width = 200; r.Height = 100; }, LayerField::Size);
        bool cancelled = false;
        whenModalShows([&cancelled](QWidget *dialog) {
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxX"))->setValue(999);
            QVERIFY(TestWidgets::clickButtonLabelled(dialog, QStringLiteral("Cancel")));
            cancelled = true;
        });
        m_scene->openLayerDialog();
        QVERIFY(cancelled);
        QCOMPARE(layer->pos(), QPointF(400, 300));
        QCOMPARE(m_scene->undoStack()->count(), 1);

        whenModalShows([](QWidget *dialog) {
            auto *width = dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxWidth"));
            auto *height = dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxHeight"));
            QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("checkBoxKeepAspect"))->isChecked());
            // A loop count of 0 repeats endlessly, and says so.
            QCOMPARE(dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxLoop"))->text(), QStringLiteral("endless"));
            width->setValue(400);
            QCOMPARE(height->value(), 200);
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxX"))->setValue(50);
            dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxOpacity"))->setValue(40);
            dialog->findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxAngle"))->setValue(270);
            QVERIFY(TestWidgets::clickButtonLabelled(dialog, QStringLiteral("Ok")));
        });
        m_scene->openLayerDialog();
        QCOMPARE(record(layer).Width, 400);
        QCOMPARE(record(layer).Height, 200);
        QCOMPARE(layer->pos(), QPointF(50, 300));
        QCOMPARE(layer->rotation(), 270.0);
        QCOMPARE(record(layer).Transparent, 40);
        // Left untouched, the end stays "to the end of the video".
        QCOMPARE(record(layer).EndTime, 0);
        QCOMPARE(m_scene->undoStack()->count(), 2);

        m_scene->undoStack()->undo();
        QCOMPARE(record(layer).Width, 200);
        QCOMPARE(layer->pos(), QPointF(400, 300));
        QCOMPARE(layer->rotation(), 0.0);
        QCOMPARE(record(layer).Transparent, 100);

        QSignalSpy menu(m_scene.get(), &QWatermarkScene::itemMenuHM);
        click(handleOnView(layer, ButtonItem::Menu));
        QTRY_COMPARE(menu.count(), 1);
        QVERIFY(layer->isSelected());

        QString question;
        whenModalShows([&question](QWidget *box) {
            question = static_cast<QMessageBox *>(box)->text();
            QVERIFY(TestWidgets::clickButtonLabelled(box, QStringLiteral("Cancel")));
        });
        // The close handle's click reaches the scene after the mouse event has ended.
        click(handleOnView(layer, ButtonItem::Close));
        QTRY_COMPARE(question, QStringLiteral("Are you sure to delete the layer ?"));
        QCOMPARE(m_document->count(), 1);
        QCOMPARE(m_scene->layers().size(), 1);

        whenModalShows([](QWidget *box) { QVERIFY(TestWidgets::clickButtonLabelled(box, QStringLiteral("Ok"))); });
        m_scene->deleteSelected();
        QCOMPARE(m_document->count(), 0);
        QCOMPARE(m_scene->layers().size(), 0);

        // Undo brings back the same layer, placed as it was.
        m_scene->undoStack()->undo();
        QCOMPARE(m_document->ids(), QList<LayerId>{id});
        QVERIFY(m_scene->itemOf(id));
        QCOMPARE(m_scene->itemOf(id)->pos(), QPointF(400, 300));
        m_scene->undoStack()->redo();
        QCOMPARE(m_scene->layers().size(), 0);
        m_scene->undoStack()->undo();
        layer = m_scene->itemOf(id);

        setUp(layer, [](CLayerInfo &r) { r.locked = true; }, LayerField::Lock);
        const int steps = m_scene->undoStack()->count();
        const QPoint body = toView(centreOf(layer));
        drag(body, body + QPoint(60, 60));
        QCOMPARE(layer->pos(), QPointF(400, 300));
        layer->setSelected(true);
        const QPoint resize = handleOnView(layer, ButtonItem::Resize);
        drag(resize, resize + QPoint(50, 50));
        QCOMPARE(layer->contentRect().width(), 200.0);
        const QPoint rotate = handleOnView(layer, ButtonItem::Rotate);
        drag(rotate, rotate + QPoint(0, -80));
        layer->applyPending();
        QCOMPARE(layer->rotation(), 0.0);
        QTest::keyClick(m_view.get(), Qt::Key_Left);
        QCOMPARE(layer->pos(), QPointF(400, 300));
        QCOMPARE(m_scene->undoStack()->count(), steps);
    }

    // One row per kind of edit: the command changes its parts of the record and the canvas
    // shows them; undoing it restores its parts alone, even when a later step changed others.
    void everyEditIsOneStepThatUndoesOnlyItsOwnParts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("fields");
        QTest::addColumn<RecordEdit>("edit");
        const int picture = CLayerInfo::Picture;
        // The panel's controls and times, each its own part; the dialog's box, turn and loop.
        QTest::newRow("panel values") << picture
                                      << int(LayerField::Opacity | LayerField::Speed | LayerField::Motion
                                             | LayerField::Fade | LayerField::Start | LayerField::End)
                                      << RecordEdit([](CLayerInfo &r) {
                                             r.Transparent = 30;
                                             r.Speed = 120;
                                             r.Animation = 3;
                                             r.fade = 2;
                                             r.StartTime = 1500000;
                                             r.EndTime = 4000000;
                                         });
        QTest::newRow("dialog") << picture << int(LayerField::Place | LayerField::Size | LayerField::Angle
                                                  | LayerField::Keep | LayerField::Loop | LayerField::End)
                                << RecordEdit([](CLayerInfo &r) {
                                       r.x = 12;
                                       r.Width = 64;
                                       r.Angle = 300;
                                       r.Keep = false;
                                       r.Loop = 3;
                                       r.EndTime = 2000000;
                                   });
        QTest::newRow("text") << int(CLayerInfo::Text) << int(LayerField::Text | LayerField::Size)
                              << RecordEdit([](CLayerInfo &r) {
                                     r.wordArt.Text = QStringLiteral("longer words");
                                     r.wordArt.render(r.image);
                                     r.Width = r.image.width();
                                     r.Height = r.image.height();
                                 });
    }

    void everyEditIsOneStepThatUndoesOnlyItsOwnParts()
    {
        QFETCH(int, kind);
        QFETCH(int, fields);
        QFETCH(RecordEdit, edit);
        CWordArtInfo words;
        words.Text = QStringLiteral("words");
        QWatermarkBase *layer = kind == CLayerInfo::Text ? m_scene->addText(words) : placedPicture(QPointF(200, 100));
        QVERIFY(layer);
        const LayerId id = layer->layerId();
        const CLayerInfo before = record(layer);
        QUndoStack *stack = m_scene->undoStack();
        const int steps = stack->count();

        m_scene->history()->editLayers({id}, edit, LayerFields(fields), QStringLiteral("edit"));
        QCOMPARE(stack->count(), steps + 1);
        const CLayerInfo after = record(layer);
        QCOMPARE(differingLayerFields(before, after, ~LayerFields()), LayerFields(fields));
        QVERIFY(showsRecord(layer, after));

        // A later step on another part of the same layer, which undoing ours leaves alone.
        m_scene->history()->editLayers({id}, [](CLayerInfo &r) { r.locked = true; }, LayerField::Lock,
                                       QStringLiteral("later"));
        QCOMPARE(stack->count(), steps + 2);

        auto *ours = const_cast<QUndoCommand *>(stack->command(steps));
        ours->undo();
        QCOMPARE(differingLayerFields(before, record(layer), LayerFields(fields)), LayerFields());
        QVERIFY(record(layer).locked);
        QVERIFY(showsRecord(layer, record(layer)));
        ours->redo();
        QCOMPARE(differingLayerFields(after, record(layer), LayerFields(fields)), LayerFields());
        QVERIFY(record(layer).locked);
    }

    void wheelZoomsAroundTheMouseWithControlAndScrollsWithout()
    {
        // At half size the canvas's pixels on screen reach its far edge.
        const double startZoom = m_view->zoom();
        QSignalSpy canvasRect(m_view.get(), &QWatermarkView::sigCanvasRect);
        m_view->setZoom(50);
        QCOMPARE(canvasRect.count(), 1);
        QCOMPARE(canvasRect.first().first().toRect().size(), QSize(641, 361));
        m_view->setZoom(startZoom);
        m_view->centerOn(640, 360);
        const QPoint at = m_view->mapFromScene(QPointF(600, 300));
        const QPointF under = m_view->mapToScene(at);
        const double before = m_view->zoom();
        QWheelEvent wheel(at, m_view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &wheel);
        QVERIFY(m_view->zoom() > before);
        // A canvas smaller than the view sits in its middle; only a larger one can hold the point.
        if (m_view->horizontalScrollBar()->maximum() > 0 && m_view->verticalScrollBar()->maximum() > 0) {
            const QPointF still = m_view->mapToScene(at);
            QVERIFY2(near(still.x(), under.x(), 2 / zoom()) && near(still.y(), under.y(), 2 / zoom()),
                     qPrintable(QStringLiteral("%1,%2 -> %3,%4").arg(under.x()).arg(under.y()).arg(still.x()).arg(still.y())));
        }

        // Without Control the wheel scrolls and leaves the zoom alone.
        m_view->setZoom(300);
        m_view->centerOn(640, 360);
        const QPointF centre = m_view->mapToScene(m_view->viewport()->rect().center());
        QWheelEvent plain(at, m_view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &plain);
        QCOMPARE(m_view->zoom(), 300.0);
        QVERIFY(m_view->mapToScene(m_view->viewport()->rect().center()).y() > centre.y());
    }
};

BRINDLE_TEST_MAIN(TestCanvas)
#include "test_canvas.moc"
