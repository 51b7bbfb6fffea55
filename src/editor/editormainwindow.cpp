#include "editor/editormainwindow.h"

#include "common/mediafiles.h"
#include "editor/canvashistory.h"
#include "editor/editorrules.h"
#include "editor/layeredmanagedock.h"
#include "editor/layeredmanagewidget.h"
#include "editor/livepreview.h"
#include "editor/qcanvasitem.h"
#include "editor/qwatermarkbase.h"
#include "editor/qwatermarkscene.h"
#include "editor/qwatermarkview.h"
#include "jobs/conversionlistmodel.h"
#include "layers/overlaygraphs.h"
#include "layers/projectfile.h"
#include "layers/recordlayer.h"
#include "layers/watermarkdocument.h"
#include "player/playerdock.h"
#include "player/slider.h"
#include "editor/cropdialog.h"
#include "subtitles/subtitledock.h"
#include "subtitles/subtitlesession.h"
#include "subtitles/subtitlesessions.h"
#include "subtitles/subtitletrackbutton.h"
#include "subtitles/subtitletrackchoice.h"
#include "subtitles/unsavedsubtitles.h"
#include "text/vtextpropsheetdialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString projectFilter()
{
    return EditorMainWindow::tr("Brindle 4.x later Project(*.qpj)");
}

const QString kProjectSuffix = QStringLiteral("qpj");
}

EditorMainWindow::EditorMainWindow(const EditorContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_document(context.layers)
    , m_subtitles(context.subtitles)
    , m_graphs(context.graphs)
    , m_scene(new QWatermarkScene(context.layers, this))
    , m_view(new QWatermarkView(this))
    , m_transport(new PlayerDock(this))
    , m_preview(new LivePreview(m_view, m_transport, context.player, this))
    , m_layerDock(new LayeredManageDock(this))
    , m_subtitleDock(new SubtitleDock(this))
    , m_toolBar(new QToolBar(this))
    , m_layerMenu(new QMenu(this))
    , m_splitter(new QSplitter(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("EditorMainWindow"));
    setWindowTitle(tr("Editor"));
    resize(800, 600);
    m_view->setScene(m_scene);
    m_scene->setView(m_view);

    buildActions();
    buildToolBar();
    buildCentre();
    buildDocks();
    connectSignals();
    QMetaObject::connectSlotsByName(this);

    m_preview->setCanvas({
        [this] { return m_scene->canvasSize(); },
        [this] { return m_scene->background() ? m_scene->background()->info().image.size() : QSize(); },
        [this](const QImage &frame) {
            if (QCanvasItem *background = m_scene->background()) {
                background->setFrame(frame);
                background->refresh();
            }
        },
        [this] { return m_rows ? m_graphs->forPreview(m_rowId, m_rows->task(m_rowId)) : QString(); },
        [this] {
            if (QCanvasItem *background = m_scene->background()) {
                background->setFrame(m_firstFrame);
                background->refresh();
            }
        },
        [this] {
            const ConvertTask task = m_rows ? m_rows->task(m_rowId) : ConvertTask();
            return task.hasSubtitle && task.subtitleTrackPictures ? task.subtitleTrack : -1;
        },
    });
}

EditorMainWindow::~EditorMainWindow() = default;

QAction *EditorMainWindow::newAction(const QString &objectName, const QString &text, const QString &icon)
{
    auto *action = new QAction(text, this);
    action->setObjectName(objectName);
    if (!icon.isEmpty())
        action->setIcon(QIcon(icon));
    return action;
}

void EditorMainWindow::buildActions()
{
    newAction(QStringLiteral("actionOpen"), tr("Open"), QStringLiteral(":/res/open.svg"));
    newAction(QStringLiteral("actionSave"), tr("Save"), QStringLiteral(":/res/save.svg"));
    newAction(QStringLiteral("actionAdd_Video"), tr("Add Video"), QStringLiteral(":/res/video.svg"));
    newAction(QStringLiteral("actionAdd_Image"), tr("Add Image"), QStringLiteral(":/res/image.svg"));
    newAction(QStringLiteral("actionAdd_Text"), tr("Add Text"), QStringLiteral(":/res/text.svg"));
    newAction(QStringLiteral("actionAdd_Subtitle"), tr("Add Subtitle"), QStringLiteral(":/res/ass.svg"));
    newAction(QStringLiteral("actionCrop"), tr("Crop"), QStringLiteral(":/res/crop.svg"));
    newAction(QStringLiteral("actionRotate_left"), tr("Rotate left"), QStringLiteral(":/res/rotateleft.svg"));
    newAction(QStringLiteral("actionRotate_right"), tr("Rotate right"), QStringLiteral(":/res/rotateright.svg"));
    newAction(QStringLiteral("actionFlip_horizontal"), tr("Flip horizontal "), QStringLiteral(":/res/fliph.svg"));
    newAction(QStringLiteral("actionFlip_vertical"), tr("Flip vertical"), QStringLiteral(":/res/flipv.svg"));
    m_layerMenu->addAction(newAction(QStringLiteral("actionDuplicate"), tr("Duplicate"), QString()));
    m_layerMenu->addAction(newAction(QStringLiteral("actionDelete"), tr("Delete"), QString()));
    m_layerMenu->addSeparator();
    m_layerMenu->addAction(newAction(QStringLiteral("actionOptions"), tr("Options"), QString()));

    QAction *undo = m_scene->history()->createUndoAction(this);
    undo->setObjectName(QStringLiteral("actionUndo"));
    QAction *redo = m_scene->history()->createRedoAction(this);
    redo->setObjectName(QStringLiteral("actionRedo"));
    // The layers' history answers its keys on the canvas and in the layer panel; the subtitle
    // panel answers the same keys with its own history. Two window-wide shortcuts would cancel
    // each other out.
    for (QAction *action : {undo, redo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_view->addAction(action);
        m_layerDock->addAction(action);
    }
}

void EditorMainWindow::buildToolBar()
{
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setWindowTitle(tr("toolBar"));
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto add = [this](const char *name) { m_toolBar->addAction(findChild<QAction *>(QLatin1String(name))); };
    add("actionOpen");
    add("actionSave");
    m_toolBar->addSeparator();
    add("actionAdd_Video");
    add("actionAdd_Image");
    add("actionAdd_Text");
    add("actionAdd_Subtitle");
    m_toolBar->addSeparator();
    add("actionCrop");
    add("actionRotate_left");
    add("actionRotate_right");
    add("actionFlip_horizontal");
    add("actionFlip_vertical");
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void EditorMainWindow::buildCentre()
{
    auto *canvasPane = new QWidget(m_splitter);
    auto *layout = new QVBoxLayout(canvasPane);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view->setParent(canvasPane);
    m_preview->area()->setParent(canvasPane);
    m_preview->area()->hide();
    layout->addWidget(m_view);
    layout->addWidget(m_preview->area());
    m_splitter->addWidget(canvasPane);
    m_splitter->addWidget(m_transport);
    m_splitter->setSizes({600, 1});
    m_splitter->handle(1)->setEnabled(false);
    m_splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: #353535 }"));
    setCentralWidget(m_splitter);
}

void EditorMainWindow::buildDocks()
{
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);
    m_subtitleDock->setAllowedAreas(Qt::RightDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, m_layerDock);
    addDockWidget(Qt::RightDockWidgetArea, m_subtitleDock);
    splitDockWidget(m_layerDock, m_subtitleDock, Qt::Vertical);
}

void EditorMainWindow::connectSignals()
{
    LayeredManageWidget *layers = m_layerDock->layers();
    connect(m_view, &QWatermarkView::sigCanvasRect, this, &EditorMainWindow::OnPlayerRect);
    connect(m_scene, &QWatermarkScene::itemMenuHM, this, &EditorMainWindow::OnMenu);
    // The canvas owns the selection; the panel's rows follow it and ask it for changes.
    layers->setHistory(m_scene->history());
    connect(m_scene, &QGraphicsScene::selectionChanged, layers,
            [this, layers] { layers->showSelection(m_scene->selectedIds()); });
    connect(layers, &LayeredManageWidget::selectionRequested, m_scene, &QWatermarkScene::selectLayers);

    connect(m_transport->m_playButton, &QToolButton::clicked, this, &EditorMainWindow::OnPlayPause);
    connect(m_transport->m_stopButton, &QToolButton::clicked, this, &EditorMainWindow::OnStop);
    connect(m_transport->m_copyTimeButton, &QToolButton::clicked, this, &EditorMainWindow::OnCopyTime);
    connect(m_transport->m_slider, &Slider::sliderMoved, this, &EditorMainWindow::OnSliderSeek);
    connect(m_transport->m_slider, &Slider::sliderPressed, this, &EditorMainWindow::OnSliderPressed);
    connect(m_transport->m_slider, &Slider::sliderReleased, this, &EditorMainWindow::OnSliderReleased);
    connect(m_subtitleDock->openButton(), &QToolButton::clicked, this,
            &EditorMainWindow::on_actionAdd_Subtitle_triggered);
    connect(m_subtitleDock->trackButton(), &SubtitleTrackButton::trackChosen, this,
            &EditorMainWindow::chooseSubtitleTrack);
    // A double click on a cue takes the preview there; the cue on screen is marked while playing.
    connect(m_subtitleDock, &SubtitleDock::sigSeekRequested, this,
            [this](qint64 microseconds) { m_preview->sliderMoved(int(microseconds / 1000)); });
    connect(m_preview, &LivePreview::positionChanged, m_subtitleDock, &SubtitleDock::onPlayPosition);
}

void EditorMainWindow::openRow(ConversionListModel *rows, quint64 rowId)
{
    m_rows = rows;
    m_rowId = rowId;
    const ConvertTask task = rows->task(rowId);
    const QString videoPath = task.sourcePath;
    m_source = videoPath;
    m_scene->setBackground(videoPath, task);
    m_firstFrame = m_scene->background()->info().image;
    m_durationUs = m_scene->mediaDuration();
    const QSize canvas = m_scene->canvasSize();
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    m_view->setZoom(EditorRules::initialZoom(canvas, screen ? screen->size() : QSize()));
    m_preview->setSource(videoPath, m_durationUs);
    m_subtitleDock->showSession(m_subtitles->open(rowId, task.subtitlePath));
    m_subtitleDock->trackButton()->setSource(videoPath);
    m_trackNote.clear();
    showTrackNote();
    disconnect(m_taskWatch);
    m_taskWatch = connect(rows, &QAbstractItemModel::dataChanged, this,
                          [this](const QModelIndex &, const QModelIndex &, const QVector<int> &roles) {
                              if (roles.contains(ConversionListModel::TaskRole))
                                  showTrackNote();
                          });
}

void EditorMainWindow::showTrackNote()
{
    const QString note = m_rows ? SubtitleTrackChoice::picturesNote(m_rows->task(m_rowId)) : QString();
    // Other news in the panel's status line stays until the note itself changes.
    if (note == m_trackNote)
        return;
    m_trackNote = note;
    m_subtitleDock->showStatus(note);
}

void EditorMainWindow::OnPlayPause()
{
    m_preview->playPause();
}

void EditorMainWindow::OnStop()
{
    m_preview->stop();
}

void EditorMainWindow::OnCopyTime()
{
    m_preview->copyTime();
}

void EditorMainWindow::OnSliderSeek(int ms)
{
    m_preview->sliderMoved(ms);
}

void EditorMainWindow::OnSliderPressed()
{
    m_preview->sliderPressed();
}

void EditorMainWindow::OnSliderReleased()
{
    m_preview->sliderReleased();
}

void EditorMainWindow::OnTimerPlayerUI()
{
    m_preview->refresh();
}

void EditorMainWindow::OnPlayerRect(const QRect &rect)
{
    m_preview->placeSurface(rect);
}

void EditorMainWindow::OnMenu()
{
    m_layerMenu->popup(QCursor::pos());
}

void EditorMainWindow::closeEvent(QCloseEvent *event)
{
    if (m_preview->state() != LivePreview::Idle)
        OnStop();
    // Lines the user declines to save stay in the row's session: the main window shows them,
    // a run burns them, and quitting asks about them again.
    m_subtitleDock->promptSaveOnClose();
    QMainWindow::closeEvent(event);
}

void EditorMainWindow::on_actionAdd_Video_triggered()
{
    addLayerFromFile(tr("Add Video"), MediaFiles::videoFilter(), true);
}

void EditorMainWindow::on_actionAdd_Image_triggered()
{
    addLayerFromFile(tr("Add Image"), MediaFiles::imageFilter(), false);
}

void EditorMainWindow::addLayerFromFile(const QString &title, const QString &filter, bool video)
{
    const QString path = QFileDialog::getOpenFileName(this, title, QString(), filter);
    if (path.isEmpty())
        return;
    QString error;
    const bool added = video ? m_scene->addVideo(path, &error) : m_scene->addImage(path, &error);
    if (!added)
        QMessageBox::warning(this, title, tr("No layer was added: the file gives no picture.\n%1").arg(error));
}

void EditorMainWindow::on_actionAdd_Text_triggered()
{
    VTextPropSheetDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!m_scene->addText(dialog.wordArtInfo(), &error))
        QMessageBox::warning(this, tr("Add Text"), tr("No layer was added.\n%1").arg(error));
}

void EditorMainWindow::on_actionAdd_Subtitle_triggered()
{
    const QString path
        = QFileDialog::getOpenFileName(this, tr("Open Subtitle File"), QString(), tr("Subtitle File(*.srt *.ass *.ssa)"));
    SubtitleSession *session = m_subtitleDock->session();
    if (path.isEmpty() || !m_rows || !session
        || !UnsavedSubtitles::settle(this, session, QFileInfo(m_source).fileName()))
        return;
    // A file that cannot be read is named in the panel and not attached to the task.
    if (!m_subtitleDock->loadFile(path))
        return;
    m_rows->updateTask(m_rowId, [&path](ConvertTask &task) { SubtitleTrackChoice::applyFile(task, path); });
}

void EditorMainWindow::chooseSubtitleTrack(const SubtitleTrack &track)
{
    SubtitleSession *session = m_subtitleDock->session();
    if (!m_rows || !session || !UnsavedSubtitles::settle(this, session, QFileInfo(m_source).fileName()))
        return;
    QString path;
    QString problem;
    if (!SubtitleTrackChoice::read(m_source, track, m_graphs->cacheFolder() + QStringLiteral("/tracks"), &path,
                                   &problem)) {
        SubtitleTrackChoice::showReadProblem(this, problem);
        return;
    }
    // Read again even when it is the session's file already: the user asked for it.
    if (!path.isEmpty() && !m_subtitleDock->loadFile(path))
        return;
    if (path.isEmpty())
        session->follow(QString());
    m_rows->updateTask(m_rowId, [&](ConvertTask &task) { SubtitleTrackChoice::apply(task, track, path); });
    session->setSaveFolder(QFileInfo(m_source).absolutePath());
}

void EditorMainWindow::on_actionCrop_triggered()
{
    QCanvasItem *background = m_scene->background();
    if (!background || background->info().image.isNull())
        return;
    // The crop is chosen on the picture as turned and mirrored, before any crop.
    CLayerInfo uncropped = background->info();
    uncropped.crop.cropped = false;
    CropDialog dialog(this);
    dialog.setCrop(background->info().crop);
    dialog.setPicture(QCanvasItem::transformedFrame(background->info().image, uncropped));
    if (dialog.exec() != QDialog::Accepted)
        return;
    background->info().crop = dialog.crop();
    pictureChanged();
}

void EditorMainWindow::on_actionRotate_left_triggered()
{
    QCanvasItem *background = m_scene->background();
    if (!background)
        return;
    background->info().transpose = EditorRules::turnedLeft(background->info().transpose);
    pictureChanged();
}

void EditorMainWindow::on_actionRotate_right_triggered()
{
    QCanvasItem *background = m_scene->background();
    if (!background)
        return;
    background->info().transpose = EditorRules::turnedRight(background->info().transpose);
    pictureChanged();
}

void EditorMainWindow::on_actionFlip_horizontal_triggered()
{
    QCanvasItem *background = m_scene->background();
    if (!background)
        return;
    background->info().flipHorizontal = !background->info().flipHorizontal;
    pictureChanged();
}

void EditorMainWindow::on_actionFlip_vertical_triggered()
{
    QCanvasItem *background = m_scene->background();
    if (!background)
        return;
    background->info().flipVertical = !background->info().flipVertical;
    pictureChanged();
}

void EditorMainWindow::pictureChanged()
{
    QCanvasItem *background = m_scene->background();
    const CLayerInfo &picture = background->info();
    if (m_rows)
        m_rows->updateTask(m_rowId, [&picture](ConvertTask &task) {
            task.horizontalFlip = picture.flipHorizontal;
            task.verticalFlip = picture.flipVertical;
            task.transpose = picture.transpose;
            task.crop = picture.crop;
        });
    background->refresh();
    m_scene->resetCanvasRect();
}

void EditorMainWindow::on_actionDuplicate_triggered()
{
    m_scene->duplicateSelected();
}

void EditorMainWindow::on_actionDelete_triggered()
{
    m_scene->deleteSelected();
}

void EditorMainWindow::on_actionOptions_triggered()
{
    m_scene->openLayerDialog();
}

void EditorMainWindow::on_actionOpen_triggered()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Brindle Project"), QString(), projectFilter());
    if (path.isEmpty())
        return;
    QString error;
    QStringList missing;
    if (!openProject(path, &error, &missing)) {
        QMessageBox::warning(this, tr("Open"),
                             tr("The project could not be opened; the layers are kept as they were.\n%1\n%2")
                                 .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    if (!missing.isEmpty())
        QMessageBox::warning(this, tr("Open"),
                             tr("These layers of the project could not be shown:\n%1")
                                 .arg(missing.join(QLatin1Char('\n'))));
}

void EditorMainWindow::on_actionSave_triggered()
{
    QFileDialog dialog(this, tr("Save Brindle Project"), QString(), projectFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kProjectSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().first();
    // Without its suffix the project would not show in the Open dialog.
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kProjectSuffix;
    QString error;
    QStringList notes;
    if (!saveProject(path, &error, &notes)) {
        QMessageBox::warning(this, tr("Save"),
                             tr("The project could not be saved.\n%1\n%2").arg(QDir::toNativeSeparators(path), error));
        return;
    }
    if (!notes.isEmpty())
        QMessageBox::information(this, tr("Save"), notes.join(QLatin1Char('\n')));
}

bool EditorMainWindow::openProject(const QString &path, QString *error, QStringList *missing)
{
    ProjectData data;
    if (!ProjectFile::read(path, &data, error))
        return false;
    QList<CLayerInfo> shown;
    for (CLayerInfo record : qAsConst(data.layers)) {
        QString reason;
        record.image = layerPicture(record, &reason);
        if (!record.image.isNull())
            shown << record;
        else if (missing)
            *missing << reason;
    }
    // A project replaces the layers as a whole; the steps before it refer to layers now gone.
    m_scene->history()->clear();
    m_document->reset(shown);
    return true;
}

bool EditorMainWindow::saveProject(const QString &path, QString *error, QStringList *notes)
{
    ProjectData data;
    data.canvasSize = m_document->canvasSize();
    // Lowest first, so that the project opens stacked as it was saved.
    for (CLayerInfo record : m_document->layers()) {
        record.image = QImage();
        data.layers << record;
    }
    return ProjectFile::write(path, data, error, notes);
}
