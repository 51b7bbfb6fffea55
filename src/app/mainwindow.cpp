#include "app/mainwindow.h"

#include "app/commandlinefiles.h"
#include "app/conversionrun.h"
#include "app/convertlist.h"
#include "app/core.h"
#include "app/logdialog.h"
#include "app/mediafiles.h"
#include "app/mergetab.h"
#include "app/middleelision.h"
#include "app/popupwithinwindow.h"
#include "app/musictab.h"
#include "app/splittab.h"
#include "app/startup.h"
#include "app/subtitletab.h"
#include "editor/editormainwindow.h"
#include "jobs/outputfolder.h"
#include "jobs/runsnapshot.h"
#include "settings/aboutdialog.h"
#include "settings/configformat.h"
#include "settings/mainoptionsdialog.h"
#include "settings/mediadialog.h"
#include "settings/qformatdialog.h"
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
#include <QStandardItemModel>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setWindowTitle(tr("Brindle Professional Edition 4.0.5"));
    buildTray();

    setCentralWidget(ui->frame);
    setAcceptDrops(true);

    ui->toolBar->setIconSize(QSize(64, 64));
    ui->toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui->widgetPlayer->setMinimumSize(320, 180);
    m_subtitleModel = new QStandardItemModel(this);
    ui->tableViewSubtitle->setModel(m_subtitleModel);
    ui->checkBoxSubtitleStream->hide();
    ui->tabWidget->setCurrentIndex(0);

    core().mainWindow = this;
    core().cacheFolder = m_settings.cacheFolder;
    m_list = new ConvertList(ui->tableWidget, this);
    m_mergeTab = new MergeTab(ui, this);
    m_splitTab = new SplitTab(ui, m_list, this);
    m_subtitleTab = new SubtitleTab(ui, m_subtitleModel, m_list, this);
    m_musicTab = new MusicTab(ui, this);
    m_run = new ConversionRun(m_list, &m_jobs, &m_watermark, this);
    connect(m_list, &ConvertList::sigProbed, this, [this](int row) {
        if (row == core().currentTask)
            m_mergeTab->showCurrentTask();
    });
    ui->tableWidgetMerge->setContextMenuPolicy(Qt::CustomContextMenu);
    {
        const QSignalBlocker blocker(ui->comboBoxFormat);
        ConfigFormat format;
        format.load();
        ui->comboBoxFormat->setCurrentIndex(qMax(0, ConfigFormat::containerIndex(format.format)));
    }

    buildOutputBar();
    buildSplitters();
    buildMenus();

    core().editor = nullptr;
    m_jobs.setLimit(m_settings.threads);

    connect(ui->widgetPlayer, &QPlayerWidget::sigAddFile, ui->actionAddFile, &QAction::trigger);
    ui->widgetPlayer->setFilterProvider([this] { return core().buildPreviewGraph(m_watermark, core().currentTask); });
    connect(&m_jobs, &JobsManage::sigAllCompleted, this, &MainWindow::OnAllCompleted);
}

MainWindow::~MainWindow()
{
    if (core().mainWindow == this)
        core().mainWindow = nullptr;
    m_editor.reset();
    // The tasks belong to this window's list.
    core().tasks.clear();
    core().currentTask = 0;
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

    m_mergeAddMenu.addAction(ui->actionAdd_title_sequence);
    m_mergeAddMenu.addAction(ui->actionAdd_ending);

    m_mergeMenu.addAction(ui->actionAdd_title_sequence);
    m_mergeMenu.addAction(ui->actionAdd_ending);
    m_mergeMenu.addSeparator();
    m_mergeMenu.addAction(ui->actionMerge_Media_Infomation);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_trayIcon && m_trayIcon->isVisible()) {
        hide();
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

void MainWindow::on_actionQuit_triggered()
{
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

bool MainWindow::requireRows()
{
    if (m_list->count() > 0)
        return true;
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), tr("Add media file to list"),
                    QMessageBox::Yes, this);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    return false;
}

void MainWindow::setPreviewFile(const QString &path)
{
    ui->widgetPlayer->m_filePath = path;
}

QStringList MainWindow::askForMediaFiles(const QString &caption, const QString &folder)
{
    return QFileDialog::getOpenFileNames(this, caption, folder, MediaFiles::mediaFilter());
}

void MainWindow::addToList(const QStringList &files)
{
    if (files.isEmpty())
        return;
    m_list->addFiles(files);
    showRowInTabs(m_list->count() - 1);
    setPreviewFile(files.first());
}

void MainWindow::showRowInTabs(int row)
{
    // With an empty list the tabs empty too.
    if (row >= 0 && row < m_list->count()) {
        core().currentTask = row;
        setPreviewFile(m_list->path(row));
    }
    m_mergeTab->showCurrentTask();
    m_splitTab->showCurrentTask();
    m_subtitleTab->showCurrentTask();
    m_musicTab->showCurrentTask();
    const QSignalBlocker blocker(ui->checkBoxSubtitleStream);
    const ConvertTask *task = core().activeTask();
    ui->checkBoxSubtitleStream->setChecked(task && task->subtitleAsStream);
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
    const bool haveTask = m_list->count() > 0;
    if (haveTask && ui->tabWidget->currentWidget() == ui->tabMerge && isOver(ui->tableWidgetMerge))
        m_mergeTab->addEntries({core().currentTask}, files, true);
    else if (haveTask && ui->tabWidget->currentWidget() == ui->tabMusic && isOver(ui->tableWidgetMusic))
        m_musicTab->addFiles(files);
    else
        addToList(files);
}

void MainWindow::OnMergeStartTime(QTime time)
{
    m_mergeTab->timeEdited(sender(), true, time);
}

void MainWindow::OnMergeEndTime(QTime time)
{
    m_mergeTab->timeEdited(sender(), false, time);
}

void MainWindow::OnSplitStartTime(QTime time)
{
    m_splitTab->timeEdited(sender(), true, time);
}

void MainWindow::OnSplitEndTime(QTime time)
{
    m_splitTab->timeEdited(sender(), false, time);
}

void MainWindow::on_actionWatermark_triggered()
{
    if (!isVisible())
        show();
    if (m_list->count() == 0)
        addToList(askForMediaFiles(tr("Add File"), m_settings.openPath));
    const ConvertTask *task = core().activeTask();
    if (!task || !QFileInfo(task->sourcePath).isFile())
        return;
    // One player engine serves the whole program: the editor's preview takes it over.
    if (ui->widgetPlayer->isPlaying())
        ui->widgetPlayer->OnStop();
    EditorMainWindow *window = editor();
    if (const QScreen *screen = this->screen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    window->setSource(task->sourcePath);
    if (QFileInfo(task->subtitlePath).isFile())
        window->loadSubtitle(task->subtitlePath);
    window->raise();
    window->activateWindow();
}

EditorMainWindow *MainWindow::editor()
{
    if (!m_editor) {
        m_editor = std::make_unique<EditorMainWindow>(&m_watermark);
        core().editor = m_editor.get();
    }
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
    addToList(files);
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
    addToList(MediaFiles::mediaFilesIn(folder));
}

void MainWindow::on_tableWidget_customContextMenuRequested(const QPoint &pos)
{
    Q_UNUSED(pos)
    const QList<int> rows = m_list->selectedRows();
    m_showLogAction->setEnabled(!rows.isEmpty() && !m_list->log(rows.first()).isEmpty());
    m_listMenu.popup(QCursor::pos());
}

void MainWindow::showLog()
{
    const QList<int> rows = m_list->selectedRows();
    if (rows.isEmpty() || m_list->log(rows.first()).isEmpty())
        return;
    LogDialog dialog(QFileInfo(m_list->path(rows.first())).fileName(), m_list->log(rows.first()), this);
    dialog.exec();
}

void MainWindow::addCommandLineFiles(const QStringList &arguments)
{
    const CommandLineFiles named = CommandLineFiles::read(arguments);
    addToList(MediaFiles::expandFolders(named.paths));
    if (!named.missing.isEmpty())
        statusBar()->showMessage(tr("Not found: %1").arg(named.missing.join(QStringLiteral(", "))));
}

void MainWindow::on_actionDelete_triggered()
{
    removeRows(m_list->selectedRows());
}

void MainWindow::on_actionAll_Delete_triggered()
{
    QList<int> rows;
    for (int row = 0; row < m_list->count(); ++row)
        rows << row;
    removeRows(rows);
}

void MainWindow::removeRows(const QList<int> &rows)
{
    const bool converting = std::any_of(rows.cbegin(), rows.cend(),
                                        [this](int row) { return m_run->rowHasLiveJobs(row); });
    if (converting
        && QMessageBox::question(this, QCoreApplication::applicationName(),
                                 tr("This file is still being converted. Stop its work and remove it?"))
               != QMessageBox::Yes)
        return;
    m_run->removeRows(rows);
    showRowInTabs(core().currentTask);
}

void MainWindow::on_tableWidget_cellClicked(int row, int column)
{
    Q_UNUSED(column)
    ui->tableWidgetMerge->clearSelection();
    showRowInTabs(row);
}

void MainWindow::on_actionReady_to_convert_triggered()
{
    m_list->markSelectedReady();
}

void MainWindow::on_actionAdd_subtitle_file_triggered()
{
    // Subtitles are attached in the Subtitle tab.
}

void MainWindow::on_actionMediaInfo_triggered()
{
    const QList<int> rows = m_list->selectedRows();
    if (!rows.isEmpty())
        showMediaInformation(m_list->path(rows.first()));
}

void MainWindow::on_actionMerge_Media_Infomation_triggered()
{
    const int row = ui->tableWidgetMerge->currentRow();
    if (row >= 0)
        showMediaInformation(m_mergeTab->pathOfRow(row));
}

void MainWindow::showMediaInformation(const QString &path)
{
    MediaDialog dialog(this);
    dialog.setFilePath(path);
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

void MainWindow::on_checkBoxSubtitleStream_stateChanged(int state)
{
    if (ConvertTask *task = core().activeTask())
        task->subtitleAsStream = state != Qt::Unchecked;
}

void MainWindow::on_BtnMergeAdd_clicked()
{
    if (requireRows())
        m_mergeAddMenu.popup(ui->BtnMergeAdd->mapToGlobal(QPoint(0, ui->BtnMergeAdd->height())));
}

void MainWindow::addMergeEntries(bool asEndings)
{
    if (!requireRows())
        return;
    const QStringList files = askForMediaFiles(tr("Add Media File"), m_settings.openPath);
    if (files.isEmpty())
        return;
    // Clicking the merge table clears the list's selection; the current row is meant then.
    QList<int> rows = m_list->selectedRows();
    if (rows.isEmpty())
        rows << core().currentTask;
    m_mergeTab->addEntries(rows, files, asEndings);
}

void MainWindow::on_actionAdd_title_sequence_triggered()
{
    addMergeEntries(false);
}

void MainWindow::on_actionAdd_ending_triggered()
{
    addMergeEntries(true);
}

void MainWindow::on_BtnMergeDelete_clicked()
{
    if (requireRows())
        m_mergeTab->deleteCurrentRow();
}

void MainWindow::on_BtnMergeUp_clicked()
{
    if (requireRows())
        m_mergeTab->moveCurrentRow(-1);
}

void MainWindow::on_BtnMergeDown_clicked()
{
    if (requireRows())
        m_mergeTab->moveCurrentRow(1);
}

void MainWindow::on_tableWidgetMerge_cellClicked(int row, int column)
{
    Q_UNUSED(column)
    ui->tableWidget->clearSelection();
    setPreviewFile(m_mergeTab->pathOfRow(row));
}

void MainWindow::on_tableWidgetMerge_customContextMenuRequested(const QPoint &pos)
{
    Q_UNUSED(pos)
    m_mergeMenu.popup(QCursor::pos());
}

void MainWindow::on_comboBoxSplit_currentIndexChanged(int index)
{
    m_splitTab->modeChosen(index);
}

void MainWindow::on_spinBoxSplitNum_valueChanged(int arg1)
{
    m_splitTab->countChosen(arg1);
}

void MainWindow::on_timeEditSplit_timeChanged(const QTime &time)
{
    m_splitTab->clipLengthChosen(time);
}

void MainWindow::on_timeEditEnd_timeChanged(const QTime &time)
{
    m_splitTab->sectionEndChosen(time);
}

void MainWindow::on_BtnSplitAdd_clicked()
{
    m_splitTab->addParts();
}

void MainWindow::on_BtnSplitDel_clicked()
{
    m_splitTab->deleteSelectedParts();
}

void MainWindow::on_BtnSubtitleOpen_clicked()
{
    if (!requireRows())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Subtitle File"), m_settings.openPath,
                                                      tr("Subtitle File(*.srt *.ass *.ssa)"));
    if (!path.isEmpty())
        m_subtitleTab->attach(path);
}

void MainWindow::on_BtnSubtitleSave_clicked()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save ASS File"), core().subtitlePath,
                                                      QStringLiteral("ASS File(*.ass);;SRT File(*.srt)"));
    if (!path.isEmpty())
        m_subtitleTab->save(path);
}

void MainWindow::on_BtnMusicAdd_clicked()
{
    if (!requireRows())
        return;
    m_musicTab->addFiles(askForMediaFiles(tr("Add Music File"), m_settings.openPath));
}

void MainWindow::on_BtnMusicDelete_clicked()
{
    if (requireRows())
        m_musicTab->deleteCurrentRow();
}

void MainWindow::on_BtnMusicUp_clicked()
{
    if (requireRows())
        m_musicTab->moveCurrentRow(-1);
}

void MainWindow::on_BtnMusicDown_clicked()
{
    if (requireRows())
        m_musicTab->moveCurrentRow(1);
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
