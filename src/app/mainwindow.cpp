#include "app/mainwindow.h"

#include "common/commandlinefiles.h"
#include "app/conversionrun.h"
#include "app/currentrow.h"
#include "app/logdialog.h"
#include "app/middleelision.h"
#include "app/popupwithinwindow.h"
#include "app/rowsubtitles.h"
#include "common/startup.h"
#include "common/mediafiles.h"
#include "editor/editormainwindow.h"
#include "jobs/conversionlistmodel.h"
#include "jobs/outputfolder.h"
#include "jobs/runsnapshot.h"
#include "app/aboutdialog.h"
#include "settings/configformat.h"
#include "app/mainoptionsdialog.h"
#include "app/mediadialog.h"
#include "app/qformatdialog.h"
#include "subtitles/subtitlesession.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_graphs(&m_watermark, m_settings.cacheFolder, [this](quint64 rowId) {
        const SubtitleSession *session = m_subtitles.find(rowId);
        return OverlayGraphs::ShownSubtitles{session ? &session->document() : nullptr,
                                             session && session->isModified()};
    })
{
    ui->setupUi(this);
    setWindowTitle(tr("Brindle Professional Edition 4.0.5"));
    buildTray();

    setCentralWidget(ui->frame);
    setAcceptDrops(true);

    ui->toolBar->setIconSize(QSize(64, 64));
    ui->toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui->widgetPlayer->setMinimumSize(320, 180);
    ui->tabWidget->setCurrentIndex(0);

    m_model = new ConversionListModel(this);
    m_rowSubtitles = new RowSubtitles(m_model, &m_subtitles, this);
    buildList();
    m_run = new ConversionRun(m_model, &m_jobs, &m_graphs, this);
    {
        const QSignalBlocker blocker(ui->comboBoxFormat);
        ConfigFormat format;
        format.load();
        ui->comboBoxFormat->setCurrentIndex(qMax(0, ConfigFormat::containerIndex(format.format)));
    }

    buildOutputBar();
    buildSplitters();
    buildMenus();

    m_jobs.setLimit(m_settings.threads);

    ui->widgetPlayer->bind(&m_player);
    connect(ui->widgetPlayer, &QPlayerWidget::sigAddFile, ui->actionAddFile, &QAction::trigger);
    ui->widgetPlayer->setFilterProvider(
        [this] { return m_graphs.forPreview(currentRowId(), m_currentRow->task()); });
    connect(&m_jobs, &JobsManage::sigAllCompleted, this, &MainWindow::OnAllCompleted);
}

MainWindow::~MainWindow()
{
    m_editor.reset();
    delete ui;
}

void MainWindow::buildTray()
{
    m_trayMenu.addAction(ui->actionAddFile);
    m_trayMenu.addAction(ui->actionAddFolder);
    m_trayMenu.addSeparator();
    m_trayMenu.addAction(ui->actionWatermark);
    m_trayMenu.addAction(ui->actionRun);
    m_trayMenu.addAction(ui->actionOptions);
    m_trayMenu.addSeparator();
    m_trayMenu.addAction(ui->actionQuit);

    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_trayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/res/logo.png")), this);
    m_trayIcon->setToolTip(QStringLiteral("Brindle"));
    m_trayIcon->setContextMenu(&m_trayMenu);
    m_trayIcon->show();
    m_trayIcon->showMessage(QStringLiteral("Brindle"), QStringLiteral("Brindle"), QSystemTrayIcon::Information, 10000);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::iconActivated);
}

void MainWindow::buildOutputBar()
{
    m_outputBar = new QHBoxLayout;
    m_outputBar->addWidget(ui->labelFormat);
    m_outputBar->addWidget(ui->comboBoxFormat);
    m_outputBar->addWidget(ui->toolButtonFormatOption);
    m_outputBar->addStretch();
    m_outputBar->addWidget(ui->labelOutput);
    m_outputBar->addWidget(ui->lineEditOutput);
    m_outputBar->addWidget(ui->toolButtonOutput);
    m_outputBar->addWidget(ui->toolButtonOpen);
    m_outputBar->addWidget(ui->checkBoxCoverage);

    ui->lineEditOutput->setMinimumWidth(260);
    ui->lineEditOutput->setText(m_settings.outPath);
    // A typed folder is the chosen one at once: Open shows it and quitting keeps it.
    connect(ui->lineEditOutput, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_settings.outPath = text.trimmed();
    });
    new MiddleElision(ui->lineEditOutput);
    new PopupWithinWindow(ui->comboBoxFormat);
    const QSignalBlocker blocker(ui->checkBoxCoverage);
    ui->checkBoxCoverage->setChecked(m_settings.coverage);
}

void MainWindow::buildSplitters()
{
    m_innerSplitter = new QSplitter(Qt::Vertical);
    m_innerSplitter->addWidget(ui->widgetPlayer);
    m_innerSplitter->addWidget(ui->tabWidget);

    m_outerSplitter = new QSplitter(Qt::Horizontal);
    m_outerSplitter->addWidget(ui->tableWidget);
    m_outerSplitter->addWidget(m_innerSplitter);
    m_outerSplitter->setStretchFactor(0, 1);
    m_outerSplitter->setStretchFactor(1, 1);

    m_frameLayout = new QVBoxLayout(ui->frame);
    m_frameLayout->addWidget(m_outerSplitter, 1);
    m_frameLayout->addLayout(m_outputBar);
}

void MainWindow::buildMenus()
{
    m_addMenu.addAction(ui->actionAddFile);
    m_addMenu.addAction(ui->actionAddFolder);
    ui->actionAdd->setMenu(&m_addMenu);
    if (auto *button = qobject_cast<QToolButton *>(ui->toolBar->widgetForAction(ui->actionAdd)))
        button->setPopupMode(QToolButton::InstantPopup);

    m_listMenu.addAction(ui->actionReady_to_convert);
    m_listMenu.addSeparator();
    m_listMenu.addAction(ui->actionAddFile);
    m_listMenu.addAction(ui->actionAddFolder);
    m_listMenu.addSeparator();
    m_listMenu.addAction(ui->actionAdd_subtitle_file);
    m_listMenu.addSeparator();
    m_listMenu.addAction(ui->actionDelete);
    m_listMenu.addAction(ui->actionAll_Delete);
    m_listMenu.addSeparator();
    m_listMenu.addAction(ui->actionMediaInfo);
    m_showLogAction = new QAction(tr("Show Log…"), this);
    connect(m_showLogAction, &QAction::triggered, this, &MainWindow::showLog);
    m_listMenu.addAction(m_showLogAction);
    m_showLogAction->setObjectName(QStringLiteral("actionShowLog"));
}

void MainWindow::buildList()
{
    QTableView *list = ui->tableWidget;
    list->setModel(m_model);
    m_model->setStatusIcons(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                            style()->standardIcon(QStyle::SP_FileIcon));
    QHeaderView *header = list->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionResizeMode(ConversionListModel::NameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ConversionListModel::SizeColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(ConversionListModel::StatusColumn, QHeaderView::Fixed);
    list->setColumnWidth(ConversionListModel::SizeColumn, 80);
    list->setColumnWidth(ConversionListModel::StatusColumn, 130);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_currentRow = new CurrentRow(m_model, list->selectionModel(), this);
    ui->tabMerge->bind(m_currentRow, &m_settings);
    ui->tabSplit->bind(m_currentRow);
    ui->tabSubtitle->bind(m_currentRow, &m_subtitles, &m_settings);
    ui->tabMusic->bind(m_currentRow, &m_settings);
    connect(ui->tabMerge, &MergeTab::sigPreviewFile, this, &MainWindow::setPreviewFile);
    connect(m_currentRow, &CurrentRow::changed, this, [this](quint64 id) { setPreviewFile(m_model->path(id)); });
    // There is one set of layers, drawn on every row.
    const auto countLayers = [this] { m_model->setWatermarkLayers(m_watermark.count()); };
    connect(&m_watermark, &WatermarkDocument::layerAdded, this, countLayers);
    connect(&m_watermark, &WatermarkDocument::layerRemoved, this, countLayers);
    connect(&m_watermark, &WatermarkDocument::documentReset, this, countLayers);
}

quint64 MainWindow::currentRowId() const
{
    return m_currentRow->id();
}

QList<quint64> MainWindow::selectedIds() const
{
    QList<int> rows;
    for (const QModelIndex &index : ui->tableWidget->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<quint64> ids;
    for (int row : qAsConst(rows))
        ids << m_model->idAt(row);
    return ids;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_trayIcon && m_trayIcon->isVisible()) {
        hide();
        event->ignore();
        return;
    }
    if (!settleBeforeLeaving()) {
        event->ignore();
        return;
    }
    finishWorkBeforeLeaving();
    event->accept();
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}

void MainWindow::on_actionAdd_triggered()
{
    // The menu of the Add button opens by itself.
}

void MainWindow::on_actionOptions_triggered()
{
    if (!isVisible())
        show();

    MainOptionsDialog dialog(this);
    dialog.setSettings(&m_settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.threads = dialog.threads();
    m_settings.useHA = dialog.useHardware();
    m_settings.priorityUse = dialog.priority();
    m_jobs.setLimit(m_settings.threads);

    if (dialog.language() == m_settings.language)
        return;
    m_settings.language = dialog.language();
    QMessageBox question(QMessageBox::Information, QCoreApplication::applicationName(),
                         tr("You must restart Brindle to switch to the new language.\nDo you want to restart now?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    question.setEscapeButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    m_pendingExitCode = Startup::kRestartExitCode;
    QApplication::closeAllWindows();
    on_actionQuit_triggered();
}

void MainWindow::on_actionAbout_triggered()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::on_toolButtonOutput_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Folder"), m_settings.outPath,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    ui->lineEditOutput->setText(folder);
    m_settings.outPath = folder;
}

void MainWindow::on_toolButtonOpen_clicked()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_settings.outPath));
}

bool MainWindow::settleBeforeLeaving()
{
    if (m_subtitles.unsavedRows().isEmpty())
        return true;
    if (!isVisible())
        show();
    return m_rowSubtitles->settle(this, m_model->ids());
}

void MainWindow::on_actionQuit_triggered()
{
    if (!settleBeforeLeaving())
        return;
    // Engines finish their files cleanly before the program goes, paused ones too.
    finishWorkBeforeLeaving();
    if (m_trayIcon)
        m_trayIcon->hide();
    m_settings.save();
    // The entry function sees the code: 0 ends the program, 42 starts it again.
    QCoreApplication::exit(m_pendingExitCode);
}

void MainWindow::on_checkBoxCoverage_stateChanged(int state)
{
    m_settings.coverage = state != Qt::Unchecked;
}

void MainWindow::setPreviewFile(const QString &path)
{
    ui->widgetPlayer->setFile(path);
}

QStringList MainWindow::askForMediaFiles(const QString &caption, const QString &folder)
{
    return QFileDialog::getOpenFileNames(this, caption, folder, MediaFiles::mediaFilter());
}

QList<quint64> MainWindow::addFiles(const QStringList &files)
{
    QList<ConvertTask> tasks;
    for (const QString &path : files) {
        ConvertTask task;
        task.sourcePath = path;
        task.subtitlePath = MediaFiles::sidecarSubtitle(path);
        task.hasSubtitle = !task.subtitlePath.isEmpty();
        tasks << task;
    }
    const QList<quint64> ids = m_model->addTasks(tasks);
    if (!ids.isEmpty())
        ui->tableWidget->selectionModel()->setCurrentIndex(m_model->index(m_model->rowOf(ids.first()), 0),
                                                           QItemSelectionModel::ClearAndSelect
                                                               | QItemSelectionModel::Rows);
    return ids;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    dropFiles(paths, event->pos());
    event->acceptProposedAction();
}

void MainWindow::dropFiles(const QStringList &paths, const QPoint &windowPos)
{
    const QStringList files = MediaFiles::expandFolders(paths);
    if (files.isEmpty())
        return;
    const auto isOver = [this, windowPos](QWidget *widget) {
        return widget->isVisible() && widget->rect().contains(widget->mapFrom(this, windowPos));
    };
    const bool haveRow = currentRowId() != 0;
    if (haveRow && ui->tabWidget->currentWidget() == ui->tabMerge && isOver(ui->tabMerge->dropArea()))
        ui->tabMerge->addEndings(files);
    else if (haveRow && ui->tabWidget->currentWidget() == ui->tabMusic && isOver(ui->tabMusic->dropArea()))
        ui->tabMusic->addFiles(files);
    else
        addFiles(files);
}

void MainWindow::on_actionWatermark_triggered()
{
    if (!isVisible())
        show();
    if (m_model->count() == 0)
        addFiles(askForMediaFiles(tr("Add File"), m_settings.openPath));
    const quint64 id = currentRowId();
    if (!QFileInfo(m_model->path(id)).isFile())
        return;
    EditorMainWindow *window = editor();
    if (const QScreen *screen = this->screen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    window->openRow(m_model, id);
    window->raise();
    window->activateWindow();
}

EditorMainWindow *MainWindow::editor()
{
    if (!m_editor)
        m_editor
            = std::make_unique<EditorMainWindow>(EditorContext{&m_watermark, &m_subtitles, &m_graphs, &m_player});
    return m_editor.get();
}

void MainWindow::on_actionAddFile_triggered()
{
    if (!isVisible())
        show();
    const QStringList files = askForMediaFiles(tr("Add File"), m_settings.openPath);
    if (files.isEmpty())
        return;
    m_settings.openPath = QFileInfo(files.last()).absolutePath();
    addFiles(files);
}

void MainWindow::on_actionAddFolder_triggered()
{
    if (!isVisible())
        show();
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Add Folder"), m_settings.openFolder,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    m_settings.openFolder = folder;
    addFiles(MediaFiles::mediaFilesIn(folder));
}

void MainWindow::on_tableWidget_customContextMenuRequested(const QPoint &pos)
{
    Q_UNUSED(pos)
    const QList<quint64> ids = selectedIds();
    m_showLogAction->setEnabled(!ids.isEmpty() && !m_model->log(ids.first()).isEmpty());
    m_listMenu.popup(QCursor::pos());
}

void MainWindow::showLog()
{
    const QList<quint64> ids = selectedIds();
    if (ids.isEmpty() || m_model->log(ids.first()).isEmpty())
        return;
    LogDialog dialog(QFileInfo(m_model->path(ids.first())).fileName(), m_model->log(ids.first()), this);
    dialog.exec();
}

void MainWindow::addCommandLineFiles(const QStringList &arguments)
{
    const CommandLineFiles named = CommandLineFiles::read(arguments);
    addFiles(MediaFiles::expandFolders(named.paths));
    if (!named.missing.isEmpty())
        statusBar()->showMessage(tr("Not found: %1").arg(named.missing.join(QStringLiteral(", "))));
}

void MainWindow::on_actionDelete_triggered()
{
    removeRows(selectedIds());
}

void MainWindow::on_actionAll_Delete_triggered()
{
    removeRows(m_model->ids());
}

void MainWindow::removeRows(const QList<quint64> &ids)
{
    const bool converting
        = std::any_of(ids.cbegin(), ids.cend(), [this](quint64 id) { return m_run->rowHasLiveJobs(id); });
    if (converting
        && QMessageBox::question(this, QCoreApplication::applicationName(),
                                 tr("This file is still being converted. Stop its work and remove it?"))
               != QMessageBox::Yes)
        return;
    if (!m_rowSubtitles->settle(this, ids))
        return;
    m_run->removeRows(ids);
    // The list moved the current row to a neighbour of the removed ones; the user sees which.
    const QModelIndex current = ui->tableWidget->selectionModel()->currentIndex();
    if (current.isValid())
        ui->tableWidget->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect
                                                               | QItemSelectionModel::Rows);
}

void MainWindow::on_tableWidget_clicked(const QModelIndex &index)
{
    Q_UNUSED(index)
    // The merge table may have lent the preview to one of its files.
    setPreviewFile(m_model->path(currentRowId()));
}

void MainWindow::on_actionReady_to_convert_triggered()
{
    for (quint64 id : selectedIds())
        m_model->setState(id, RowState::Ready);
}

void MainWindow::on_actionAdd_subtitle_file_triggered()
{
    ui->tabWidget->setCurrentWidget(ui->tabSubtitle);
    ui->tabSubtitle->open();
}

void MainWindow::on_actionMediaInfo_triggered()
{
    const QList<quint64> ids = selectedIds();
    if (ids.isEmpty())
        return;
    MediaDialog dialog(this);
    dialog.setFilePath(m_model->path(ids.first()));
    dialog.fill();
    dialog.exec();
}

void MainWindow::on_toolButtonFormatOption_clicked()
{
    QFormatDialog dialog(this);
    dialog.setHardwareChoice(HardwareChoice::from(m_settings));
    dialog.fillLists(ui->comboBoxFormat->currentIndex());
    dialog.loadStored();
    connect(&dialog, &QFormatDialog::sigContainerChosen, ui->comboBoxFormat, &QComboBox::setCurrentIndex);
    dialog.exec();
}

void MainWindow::on_comboBoxFormat_currentIndexChanged(int index)
{
    ConfigFormat::chooseContainer(index);
}

void MainWindow::showRunAction(RunAction action)
{
    m_idle = action == RunAction::Run;
    const bool pause = action == RunAction::Pause;
    ui->actionRun->setIcon(QIcon(pause ? QStringLiteral(":/res/pause.svg") : QStringLiteral(":/res/converter.svg")));
    ui->actionRun->setText(action == RunAction::Run ? tr("Run") : pause ? tr("Pause") : tr("Resume"));
}

void MainWindow::tellUser(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                                this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::on_actionRun_triggered()
{
    // While a run goes on the action pauses the engines, and then resumes them.
    if (!m_idle) {
        if (m_jobs.isPaused()) {
            m_run->resume();
            showRunAction(RunAction::Pause);
        } else {
            m_run->pause();
            showRunAction(RunAction::Resume);
        }
        return;
    }
    if (!isVisible())
        show();
    QString folder;
    QString problem;
    if (!prepareOutputFolder(ui->lineEditOutput->text(), &folder, &problem)) {
        tellUser(problem);
        return;
    }
    m_settings.outPath = folder;
    const QString container = ui->comboBoxFormat->currentText().section(QLatin1Char('('), 0, 0);
    const RunReport report = m_run->start(RunSnapshot::take(m_settings, container));
    if (!report.notStarted.isEmpty())
        tellUser(tr("These files were not started:") + QStringLiteral("\n\n") + report.notStarted.join(QLatin1Char('\n')));
    if (report.queued > 0)
        showRunAction(RunAction::Pause);
}

void MainWindow::on_actionStop_triggered()
{
    if (!m_jobs.isBusy())
        return;
    m_run->stop();
    showRunAction(RunAction::Run);
    // A new run waits until the engines of this one have ended.
    ui->actionRun->setEnabled(!m_jobs.isStopping());
}

void MainWindow::finishWorkBeforeLeaving()
{
    if (!m_jobs.isBusy())
        return;
    QEventLoop loop;
    connect(&m_jobs, &JobsManage::sigAllCompleted, &loop, &QEventLoop::quit);
    m_run->stop();
    if (m_jobs.isStopping())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::OnAllCompleted()
{
    m_run->finish();
    ui->actionRun->setEnabled(true);
    if (!m_idle)
        showRunAction(RunAction::Run);
}
