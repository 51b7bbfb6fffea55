#include "mainwindowtest.h"
#include "modalwatch.h"
#include "common/timeconv.h"
#include "common/framegrab.h"
#include "editor/canvashistory.h"
#include "editor/editormainwindow.h"
#include "editor/editorrules.h"
#include "editor/layeredmanagedock.h"
#include "editor/layeredmanagewidget.h"
#include "editor/livepreview.h"
#include "editor/qcanvasitem.h"
#include "editor/qwatermarkbase.h"
#include "editor/qwatermarkscene.h"
#include "editor/qwatermarkview.h"
#include "layers/watermarkdocument.h"
#include "player/playerdock.h"
#include "player/slider.h"
#include "player/timelabel.h"
#include "subtitles/subtitledock.h"
#include "subtitles/subtitleparser.h"
#include "subtitles/subtitlesession.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testpictures.h"
#include "previewpicture.h"
#include "testprofile.h"
#include "testwidgets.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTableView>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>

#include <functional>

using TestPictures::differingShare;
using TestPictures::near;
using TestMedia::frameOf;

namespace {
// Deletes a layer through the layer menu, answering the question with "Ok".
void deleteThroughMenu(EditorMainWindow *editor, LayerId layer)
{
    editor->scene()->selectLayers({layer});
    whenModalShows([](QWidget *modal) { QVERIFY(TestWidgets::clickButtonLabelled(modal, QStringLiteral("Ok"))); });
    editor->findChild<QAction *>(QStringLiteral("actionDelete"))->trigger();
}

// What the X server shows of the canvas: the viewport's own window, read back from the screen.
QImage shownCanvas(EditorMainWindow *editor)
{
    const QRect canvas(editor->view()->mapFromScene(QPointF(0, 0)), editor->scene()->canvasSize());
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(editor->view()->viewport()->winId()).toImage();
    return shown.copy(canvas);
}

// Drags with the left button on the view from one scene point to another.
void drag(QWatermarkView *view, QPointF from, QPointF to)
{
    QWidget *viewport = view->viewport();
    const QPoint start = view->mapFromScene(from);
    const QPoint end = view->mapFromScene(to);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    for (int step = 1; step <= 5; ++step) {
        const QPoint at = start + (end - start) * step / 5;
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, end);
}
}

class TestEditorWindow : public MainWindowTest
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void watermarkOpensTheEditorOnTheCurrentRow();
    void zoomArithmetic();
    void layerPanelFollowsLayersThroughSaveAndOpen();
    void controlsActOnEverySelectedRow();
    void unreadableFileIsNamedAndKeepsLayers_data();
    void unreadableFileIsNamedAndKeepsLayers();
    void previewPausesAndConvertsWithLayers();

private:
    QAction *editorAction(const char *name) const { return m_editor->findChild<QAction *>(QLatin1String(name)); }
    LayeredManageWidget *panel() const { return m_editor->layerDock()->layers(); }
    // The task of the row the editor works on.
    ConvertTask editedTask() const { return m_window->conversionList()->task(m_editor->rowId()); }
    WatermarkDocument *document() const { return m_editor->document(); }
    const CLayerInfo &record(LayerId id) const { return document()->layer(id); }
    QWatermarkBase *item(LayerId id) const { return m_editor->scene()->itemOf(id); }
    QTimeEdit *timeEdit(int row, int column) const
    {
        return qobject_cast<QTimeEdit *>(panel()->table()->cellWidget(row, column));
    }
    QString durationText(int row) const
    {
        return qobject_cast<TimeLabel *>(panel()->table()->cellWidget(row, LayeredManageWidget::DurationColumn))->text();
    }
    template <typename T> T *control(const char *name) const { return panel()->findChild<T *>(QLatin1String(name)); }
    // Sets parts of a layer's record as a test's starting point, outside the history.
    void setUp(LayerId id, const std::function<void(CLayerInfo &)> &edit, LayerFields fields)
    {
        CLayerInfo values = record(id);
        edit(values);
        document()->changeLayer(id, values, fields);
    }
    void openEditor(const QString &source);
    LayerId addPicture(const QString &name, QColor colour);

    QTemporaryDir m_dir;
    QString m_output;
    EditorMainWindow *m_editor = nullptr;
};

void TestEditorWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    storeMp4();
}

void TestEditorWindow::init()
{
    static int folder = 0;
    m_output = m_dir.filePath(QStringLiteral("out %1, 'ü'").arg(++folder));
    openWindow(m_output);
}

void TestEditorWindow::cleanup()
{
    closeWindow();
    m_editor = nullptr;
}

void TestEditorWindow::openEditor(const QString &source)
{
    m_window->addFiles({source});
    m_editor = MainWindowTest::openEditor();
    QVERIFY(m_editor);
}

LayerId TestEditorWindow::addPicture(const QString &name, QColor colour)
{
    QWatermarkBase *layer = m_editor->scene()->addImage(TestPictures::savePlain(m_dir.filePath(name), 60, 40, colour));
    return layer ? layer->layerId() : 0;
}

void TestEditorWindow::watermarkOpensTheEditorOnTheCurrentRow()
{
    const QString clip = TestMedia::clip(2.0);
    openEditor(clip);
    QVERIFY(m_editor->isVisible());
    QVERIFY(m_editor->windowState() & Qt::WindowMaximized);
    QCOMPARE(m_editor->source(), clip);
    QCOMPARE(m_editor->scene()->canvasSize(), QSize(320, 240));
    // The run's and the preview's graphs place the layers on the canvas the document names.
    QCOMPARE(document()->canvasSize(), QSize(320, 240));
    QCOMPARE(document()->mediaDuration() / 1000, qint64(2000));
    QCOMPARE(m_editor->transport()->m_slider->maximum(), 2000);
    QVERIFY(!m_editor->transport()->m_slider->isEnabled());

    // Turns and flips reach the row's task and the canvas.
    QCanvasItem *background = m_editor->scene()->background();
    editorAction("actionRotate_left")->trigger();
    editorAction("actionRotate_left")->trigger();
    QCOMPARE(background->info().transpose, 2);
    QCOMPARE(editedTask().transpose, 2);
    QCOMPARE(m_editor->scene()->sceneRect(), QRectF(0, 0, 240, 320));
    QCOMPARE(background->picture().size(), QSize(240, 320));

    editorAction("actionRotate_right")->trigger();
    QCOMPARE(editedTask().transpose, -1);
    QCOMPARE(m_editor->scene()->sceneRect(), QRectF(0, 0, 320, 240));
    editorAction("actionRotate_right")->trigger();
    editorAction("actionRotate_left")->trigger();
    QCOMPARE(editedTask().transpose, -1);

    editorAction("actionFlip_horizontal")->trigger();
    QVERIFY(editedTask().horizontalFlip);
    QVERIFY(!editedTask().verticalFlip);
    editorAction("actionFlip_vertical")->trigger();
    editorAction("actionFlip_horizontal")->trigger();
    QVERIFY(!editedTask().horizontalFlip);
    QVERIFY(editedTask().verticalFlip);
    QVERIFY(background->info().flipVertical);

    // A row whose file is gone opens nothing.
    closeWindow();
    openWindow();
    const QString gone = m_dir.filePath(QStringLiteral("gone.mp4"));
    QVERIFY(QFile::copy(clip, gone));
    m_window->addFiles({gone});
    QVERIFY(QFile::remove(gone));
    action("actionWatermark")->trigger();
    QVERIFY(!m_window->editor()->isVisible());
}

void TestEditorWindow::zoomArithmetic()
{
    QCOMPARE(EditorRules::initialZoom(QSize(320, 240), QSize(1600, 1200)), 100.0);
    // 1920 / (1600 * 0.7) = 1.714...: shrunk to 100 / 1.714 * 0.8.
    QCOMPARE(EditorRules::initialZoom(QSize(1920, 1080), QSize(1600, 1200)), 100.0 / (1920 / 1120.0) * 0.8);
    QCOMPARE(EditorRules::hostSize(300, QSize(320, 240)), QSize(400, 300));
}

// A user's sequence on the layer panel. A drag on the canvas, values set in the panel and in
// the layer dialog, then Ctrl+Z and Ctrl+Shift+Z on the canvas: each edit is one step that
// takes back its own values and nothing else, and the panel shows the document all along.
// Then the rows follow layers added, deleted and restacked, the layer menu opens from its
// handle, Ctrl+Z belongs to where the user works, and a saved project opened again replaces
// the layers and keeps the row's picture.
void TestEditorWindow::layerPanelFollowsLayersThroughSaveAndOpen()
{
    openEditor(TestMedia::clip(2.0));
    QTableWidget *table = panel()->table();
    const LayerId first = addPicture(QStringLiteral("a.png"), Qt::red);
    const int x = record(first).x;
    QWatermarkView *view = m_editor->view();
    const auto shows = [&](int dx, int opacity, int startMs, int endMs, int speed) {
        const CLayerInfo &r = record(first);
        return r.x == x + dx && item(first)->pos().x() == x + dx && r.Transparent == opacity
               && control<QSpinBox>("spinBoxOpacity")->value() == opacity && r.StartTime == startMs * 1000
               && timeEdit(0, LayeredManageWidget::StartColumn)->time() == QTime(0, 0).addMSecs(startMs)
               && r.EndTime == (endMs == 2000 ? 0 : endMs * 1000)
               && timeEdit(0, LayeredManageWidget::EndColumn)->time() == QTime(0, 0).addMSecs(endMs)
               && durationText(0) == TimeConv::toText((endMs - startMs) * 1000) && r.Speed == speed
               && control<QSpinBox>("spinBoxSpeed")->value() == speed;
    };
    QVERIFY(shows(0, 100, 0, 2000, 50));
    drag(view, item(first)->sceneBox().center(), item(first)->sceneBox().center() + QPointF(40, 20));
    control<QSpinBox>("spinBoxOpacity")->setValue(40);
    timeEdit(0, LayeredManageWidget::StartColumn)->setTime(QTime(0, 0, 1));
    whenModalShows([](QWidget *dialog) {
        dialog->findChild<QTimeEdit *>(QStringLiteral("timeEditEnd"))->setTime(QTime(0, 0, 1, 500));
        dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxSpeed"))->setValue(90);
        qobject_cast<QDialog *>(dialog)->accept();
    });
    editorAction("actionOptions")->trigger();
    QVERIFY(shows(40, 40, 1000, 1500, 90));

    const auto key = [view](Qt::KeyboardModifiers modifiers) {
        view->setFocus();
        QTest::keyClick(view->viewport(), Qt::Key_Z, modifiers);
    };
    const Qt::KeyboardModifiers undo = Qt::ControlModifier;
    const Qt::KeyboardModifiers redo = Qt::ControlModifier | Qt::ShiftModifier;
    key(undo); // the dialog
    QVERIFY(shows(40, 40, 1000, 2000, 50));
    key(undo); // the start time
    QVERIFY(shows(40, 40, 0, 2000, 50));
    key(undo); // the opacity
    QVERIFY(shows(40, 100, 0, 2000, 50));
    key(undo); // the drag
    QVERIFY(shows(0, 100, 0, 2000, 50));
    // Redoing the drag brings back the place alone; the panel's values come with their own steps.
    key(redo);
    QVERIFY(shows(40, 100, 0, 2000, 50));
    key(redo);
    QVERIFY(shows(40, 40, 0, 2000, 50));
    key(redo);
    key(redo);
    QVERIFY(shows(40, 40, 1000, 1500, 90));

    const LayerId second = addPicture(QStringLiteral("b.png"), Qt::green);
    const LayerId third = addPicture(QStringLiteral("c.png"), Qt::blue);
    QCOMPARE(table->rowCount(), 3);
    auto *preview = qobject_cast<QLabel *>(table->cellWidget(0, LayeredManageWidget::PreviewColumn));
    QCOMPARE(preview->pixmap(Qt::ReturnByValue).size(), QSize(60, 40));
    QCOMPARE(panel()->rowOf(third), 2);
    // A layer shown for the whole video reads the video's end and its whole length.
    QCOMPARE(timeEdit(1, LayeredManageWidget::EndColumn)->time(), QTime(0, 0, 2));
    QCOMPARE(durationText(1), QStringLiteral("00:00:02:000"));
    // The new layer alone is selected, on the canvas as in the rows.
    QCOMPARE(m_editor->scene()->selectedIds(), QList<LayerId>{third});
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(table->selectionModel()->selectedRows().first().row(), 2);
    emit m_editor->scene()->itemMenuHM();
    QTRY_VERIFY(m_editor->layerMenu()->isVisible());
    m_editor->layerMenu()->close();

    // Removing the middle layer keeps the rows on the right layers.
    deleteThroughMenu(m_editor, second);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(panel()->rowOf(first), 0);
    QCOMPARE(panel()->rowOf(third), 1);
    QCOMPARE(panel()->layerAt(1), third);

    // Up and down swap the stacking at once on the canvas, in the rows and in their times.
    setUp(first, [](CLayerInfo &r) { r.StartTime = 1000000; }, LayerField::Start);
    auto *up = panel()->findChildren<QToolButton *>().value(0);
    auto *down = panel()->findChildren<QToolButton *>().value(1);
    table->setCurrentCell(0, 0);
    up->click();
    table->setCurrentCell(1, 0);
    down->click();
    QCOMPARE(document()->ids(), QList<LayerId>({first, third}));
    table->setCurrentCell(0, 0);
    down->click();
    QCOMPARE(document()->ids(), QList<LayerId>({third, first}));
    QVERIFY(item(first)->zValue() > item(third)->zValue());
    QCOMPARE(panel()->rowOf(first), 1);
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(m_editor->scene()->selectedIds(), QList<LayerId>{first});
    QCOMPARE(timeEdit(1, LayeredManageWidget::StartColumn)->time(), QTime(0, 0, 1));
    QCOMPARE(timeEdit(0, LayeredManageWidget::StartColumn)->time(), QTime(0, 0));
    editorAction("actionUndo")->trigger();
    QCOMPARE(document()->ids(), QList<LayerId>({first, third}));
    QVERIFY(item(first)->zValue() < item(third)->zValue());
    QCOMPARE(timeEdit(0, LayeredManageWidget::StartColumn)->time(), QTime(0, 0, 1));

    // The subtitle panel takes back its own edit and leaves the layers alone; on the canvas
    // Ctrl+Z takes back the deleted layer.
    m_editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_editor));
    const SubtitleParser &lines = m_editor->subtitleDock()->session()->document();
    const int cues = lines.events.size();
    m_editor->subtitleDock()->onAdd();
    QCOMPARE(m_editor->subtitleDock()->session()->document().events.size(), cues + 1);
    QWidget *cueTable = m_editor->subtitleDock()->findChild<QTableView *>();
    QVERIFY(cueTable);
    cueTable->setFocus();
    QTest::keyClick(cueTable, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(lines.events.size(), cues);
    QCOMPARE(document()->count(), 2);
    key(undo);
    QCOMPARE(document()->count(), 3);
    QCOMPARE(table->rowCount(), 3);
    editorAction("actionRedo")->trigger();
    QCOMPARE(table->rowCount(), 2);

    // Saved without a suffix, the project gets its own, so that Open shows it.
    setUp(third, [](CLayerInfo &r) { r.x = 33; r.y = 12; r.Transparent = 55; r.EndTime = 1500000; },
          LayerField::Place | LayerField::Opacity | LayerField::End);
    const QString project = m_dir.filePath(QStringLiteral("two layers, 'ü'"));
    whenFileDialogShows(project);
    editorAction("actionSave")->trigger();
    QVERIFY(QFile::exists(project + QStringLiteral(".qpj")));
    addPicture(QStringLiteral("d.png"), Qt::blue);
    QCanvasItem *background = m_editor->scene()->background();
    editorAction("actionRotate_right")->trigger();
    whenFileDialogShows(project + QStringLiteral(".qpj"));
    editorAction("actionOpen")->trigger();
    QCOMPARE(document()->count(), 2);
    QCOMPARE(table->rowCount(), 2);
    const LayerId top = document()->idAt(1);
    QCOMPARE(record(top).Transparent, 55);
    QCOMPARE(record(top).EndTime, 1500000);
    QCOMPARE(item(top)->pos(), QPointF(33, 12));
    QCOMPARE(m_editor->scene()->background(), background);
    QCOMPARE(background->info().transpose, 1);
    QCOMPARE(editedTask().transpose, 1);
    // Nothing is selected: no row says otherwise; the steps before refer to layers that are gone.
    QVERIFY(m_editor->scene()->selectedIds().isEmpty());
    QVERIFY(table->selectionModel()->selectedRows().isEmpty());
    QCOMPARE(m_editor->scene()->undoStack()->count(), 0);
    QString error;
    QVERIFY(!m_editor->saveProject(m_dir.filePath(QStringLiteral("no such folder/x.qpj")), &error));
    QVERIFY(!error.isEmpty());
}

void TestEditorWindow::controlsActOnEverySelectedRow()
{
    openEditor(TestMedia::clip(2.0));
    QList<LayerId> layers;
    for (const char *name : {"a.png", "b.png", "c.png", "d.png"})
        layers << addPicture(QLatin1String(name), Qt::red);
    QTableWidget *table = panel()->table();
    table->clearSelection();
    for (int row : {0, 2, 3})
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // The canvas selects what the rows select.
    QCOMPARE(m_editor->scene()->selectedIds(), QList<LayerId>({layers[0], layers[2], layers[3]}));

    const int steps = m_editor->scene()->undoStack()->count();
    control<QSpinBox>("spinBoxOpacity")->setValue(40);
    auto *animation = control<QComboBox>("comboBoxAnimation");
    auto *speed = control<QSpinBox>("spinBoxSpeed");
    animation->setCurrentIndex(CLayerInfo::ScrollTop);
    QVERIFY(speed->isEnabled());
    speed->setValue(120);
    control<QComboBox>("comboBoxFade")->setCurrentIndex(CLayerInfo::FadeInOut);
    for (int i : {0, 2, 3}) {
        QCOMPARE(record(layers[i]).Transparent, 40);
        QCOMPARE(record(layers[i]).Animation, int(CLayerInfo::ScrollTop));
        QCOMPARE(record(layers[i]).Speed, 120);
        QCOMPARE(record(layers[i]).fade, int(CLayerInfo::FadeInOut));
    }
    QCOMPARE(record(layers[1]).Transparent, 100);
    QCOMPARE(record(layers[1]).Animation, int(CLayerInfo::NoMotion));
    // One step per control, for all the selected layers at once.
    QCOMPARE(m_editor->scene()->undoStack()->count(), steps + 4);

    animation->setCurrentIndex(CLayerInfo::NoMotion);
    QVERIFY(!speed->isEnabled());
    QCOMPARE(record(layers[3]).Animation, int(CLayerInfo::NoMotion));

    // Clicking a row selects its layer alone on the canvas and shows its values.
    // Chosen outright, whatever modifier state earlier key clicks in the run left behind.
    table->selectionModel()->select(table->model()->index(1, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    panel()->onCellClicked(1, 0);
    QVERIFY(item(layers[1])->isSelected());
    QVERIFY(!item(layers[0])->isSelected());
    QCOMPARE(control<QSpinBox>("spinBoxOpacity")->value(), 100);

    // A press on the empty canvas selects no row and resets the controls, touching no layer.
    QWatermarkView *view = m_editor->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->mapFromScene(QPointF(5, 5)));
    QVERIFY(table->selectionModel()->selectedRows().isEmpty());
    QCOMPARE(control<QSpinBox>("spinBoxOpacity")->value(), 100);
    QCOMPARE(control<QSpinBox>("spinBoxSpeed")->value(), 0);
    QCOMPARE(record(layers[0]).Transparent, 40);
    // A press on a layer selects its row and shows its values.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->mapFromScene(item(layers[0])->sceneBox().topLeft() + QPointF(3, 3)));
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(control<QSpinBox>("spinBoxOpacity")->value(), 40);
}

void TestEditorWindow::unreadableFileIsNamedAndKeepsLayers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");
    QTest::newRow("image") << QStringLiteral("actionAdd_Image") << QStringLiteral("logo, 'ü'.png");
    QTest::newRow("video") << QStringLiteral("actionAdd_Video") << QStringLiteral("clip, 'ü'.mp4");
    // The reader's own suite goes through the kinds of broken project; here the window's answer.
    QTest::newRow("project") << QStringLiteral("actionOpen") << QStringLiteral("layers, 'ü'.qpj");
}

void TestEditorWindow::unreadableFileIsNamedAndKeepsLayers()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    openEditor(TestMedia::clip(2.0));
    const LayerId layer = addPicture(QStringLiteral("a.png"), Qt::red);
    const QString path = TestFiles::write(m_dir.filePath(file), "these bytes are no picture and no project");
    QVERIFY(!path.isEmpty());
    ModalWatch watch({ModalWatch::chooseFile(path), ModalWatch::press(QMessageBox::Ok)});
    m_editor->findChild<QAction *>(action)->trigger();
    QVERIFY(watch.waitAnswered());
    const QString told = watch.messages().value(0);
    QVERIFY2(told.contains(path), qPrintable(told));
    QCOMPARE(document()->ids(), QList<LayerId>{layer});
    QCOMPARE(panel()->table()->rowCount(), 1);
    QCOMPARE(panel()->rowOf(layer), 0);
}

void TestEditorWindow::previewPausesAndConvertsWithLayers()
{
    const QString source = m_dir.filePath(QStringLiteral("movie, [1] 'ü'.mp4"));
    QVERIFY(QFile::copy(TestMedia::clip(3.0), source));
    openEditor(source);
    // The canvas draws through OpenGL beside the preview engine's own OpenGL drawing; a paused
    // preview must leave the canvas's pictures alone, through hiding, showing and reopening.
    // Around the layers and their handles the background alone shows.
    QVERIFY(m_editor->view()->usesOpenGL());
    const auto showsBackground = [this](const QImage &picture) {
        QImage shown = shownCanvas(m_editor);
        QImage expected = picture.convertToFormat(shown.format());
        QPainter onShown(&shown);
        QPainter onExpected(&expected);
        for (QWatermarkBase *layer : m_editor->scene()->layers()) {
            onShown.fillRect(layer->sceneBox().toAlignedRect().adjusted(-16, -16, 16, 16), Qt::black);
            onExpected.fillRect(layer->sceneBox().toAlignedRect().adjusted(-16, -16, 16, 16), Qt::black);
        }
        return differingShare(shown, expected) < 0.02;
    };
    const QImage first = m_editor->scene()->background()->picture();
    QTRY_VERIFY(showsBackground(first));

    // A red picture over the blue bar, and a text lower down. A new layer lands in the
    // middle of the canvas, where the user sees it.
    whenFileDialogShows(TestPictures::savePlain(m_dir.filePath(QStringLiteral("mark.png")), 60, 40, Qt::red));
    editorAction("actionAdd_Image")->trigger();
    QCOMPARE(document()->count(), 1);
    const LayerId mark = document()->idAt(0);
    QCOMPARE(item(mark)->pos(), QPointF(130, 100));
    drag(m_editor->view(), QPointF(160, 120), QPointF(140, 60));
    QTRY_COMPARE(item(mark)->pos(), QPointF(110, 40));

    // The text dialog offers its text selected: typing replaces it.
    bool typed = false;
    whenModalShows([&typed](QWidget *modal) {
        auto *edit = modal->findChild<QTextEdit *>(QStringLiteral("textEdit"));
        QVERIFY(edit);
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(edit->textCursor().selectedText(), edit->toPlainText());
        QTest::keyClicks(edit, QStringLiteral("Brindle"));
        typed = edit->toPlainText() == QStringLiteral("Brindle");
        qobject_cast<QDialog *>(modal)->accept();
    });
    editorAction("actionAdd_Text")->trigger();
    QVERIFY(typed);
    QCOMPARE(document()->count(), 2);
    const LayerId text = document()->idAt(1);
    QCOMPARE(record(text).wordArt.Text, QStringLiteral("Brindle"));
    setUp(text, [](CLayerInfo &r) { r.x = 0; r.y = 170; }, LayerField::Place);
    const QRect textBox = item(text)->sceneBox().toAlignedRect() & QRect(0, 0, 320, 240);
    QVERIFY(!textBox.isEmpty());

    // The picture comes in at two seconds: the preview shows the bar first, then the
    // picture, while the canvas shows the picture all along.
    timeEdit(0, LayeredManageWidget::StartColumn)->setTime(QTime(0, 0, 2));
    QCOMPARE(record(mark).StartTime, 2000000);

    m_editor->transport()->m_playButton->click();
    QCOMPARE(m_editor->preview()->state(), LivePreview::Playing);
    QVERIFY(!m_editor->view()->isVisible());
    QVERIFY(previewShows(m_editor, QPointF(140, 60), Qt::blue));
    QVERIFY(previewShows(m_editor, QPointF(140, 60), Qt::red));
    QVERIFY(previewShows(m_editor, QPointF(140, 120), Qt::blue));

    m_editor->transport()->m_playButton->click();
    QCOMPARE(m_editor->preview()->state(), LivePreview::Paused);
    QVERIFY(m_editor->view()->isVisible());
    const QImage paused = m_editor->scene()->background()->picture();
    QCOMPARE(paused.size(), QSize(320, 240));
    QTRY_VERIFY(showsBackground(paused));
    m_editor->hide();
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    QTRY_VERIFY(showsBackground(paused));

    // The slider seeks while held and shows the canvas again when let go.
    m_editor->OnSliderPressed();
    QVERIFY(!m_editor->view()->isVisible());
    m_editor->OnSliderSeek(1500);
    QCOMPARE(m_editor->transport()->m_timeEdit->time(), QTime(0, 0, 1, 500));
    m_editor->OnSliderReleased();
    QVERIFY(m_editor->view()->isVisible());

    // A move made while paused shows once playing resumes.
    drag(m_editor->view(), QPointF(140, 60), QPointF(215, 80));
    QTRY_COMPARE(item(mark)->pos(), QPointF(185, 60));
    m_editor->transport()->m_playButton->click();
    QCOMPARE(m_editor->preview()->state(), LivePreview::Playing);
    QVERIFY(previewShows(m_editor, QPointF(215, 80), Qt::red));
    QVERIFY(previewShows(m_editor, QPointF(140, 60), Qt::blue));

    // Played to its end, the preview goes back to its start: the time, the slider and the
    // canvas's picture all say so.
    QTRY_COMPARE_WITH_TIMEOUT(m_editor->preview()->state(), LivePreview::Idle, 20000);
    QCOMPARE(m_editor->transport()->m_timeEdit->time(), QTime(0, 0));
    QCOMPARE(m_editor->transport()->m_slider->value(), 0);
    QVERIFY(m_editor->view()->isVisible());
    QCOMPARE(m_editor->scene()->background()->info().image, grabFrame(source, 0).convertToFormat(QImage::Format_RGB32));

    const QString project = m_dir.filePath(QStringLiteral("saved.qpj"));
    whenFileDialogShows(project);
    editorAction("actionSave")->trigger();
    QVERIFY(QFile::exists(project));

    m_editor->close();
    QCOMPARE(m_editor->preview()->state(), LivePreview::Idle);
    QVERIFY(!m_editor->preview()->host() || !m_editor->preview()->host()->isVisible());

    QVERIFY(runToTheEnd());
    const QString output = m_output + QStringLiteral("/movie, [1] 'ü'.mp4");
    QVERIFY2(QFile::exists(output), qPrintable(output));
    const QImage early = frameOf(output, 1.0);
    QVERIFY(near(early.pixel(215, 80), Qt::green));
    const QImage converted = frameOf(output, 2.5);
    QCOMPARE(converted.size(), QSize(320, 240));
    QVERIFY(near(converted.pixel(215, 80), Qt::red));
    QVERIFY(near(converted.pixel(140, 60), Qt::blue));
    QVERIFY(differingShare(converted.copy(textBox), frameOf(source, 2.5).copy(textBox)) > 0.05);

    // The saved project, opened on another row, converts that row the same way.
    const QString second = m_dir.filePath(QStringLiteral("second.mp4"));
    QVERIFY(QFile::copy(TestMedia::clip(3.0), second));
    m_window->addFiles({second});
    QCOMPARE(MainWindowTest::openEditor(), m_editor);
    QCOMPARE(m_editor->source(), second);
    QTRY_VERIFY(showsBackground(first));
    whenFileDialogShows(project);
    editorAction("actionOpen")->trigger();
    QCOMPARE(document()->count(), 2);
    QCOMPARE(item(document()->idAt(0))->pos(), QPointF(185, 60));
    m_editor->close();
    QVERIFY(runToTheEnd());
    const QImage again = frameOf(m_output + QStringLiteral("/second.mp4"), 2.5);
    QVERIFY(near(again.pixel(215, 80), Qt::red));
    QVERIFY(near(again.pixel(140, 60), Qt::blue));
}

BRINDLE_TEST_MAIN(TestEditorWindow)
#include "test_editorwindow.moc"
