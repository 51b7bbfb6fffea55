#include "app/mainwindow.h"

#include "app/core.h"
#include "app/startup.h"
#include "settings/aboutdialog.h"
#include "settings/mainoptionsdialog.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardItemModel>
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
    ui->tableWidget->setColumnCount(3);
    ui->tableWidget->setHorizontalHeaderLabels({tr("Source File"), tr("File Size"), tr("Status")});
    m_subtitleModel = new QStandardItemModel(this);
    ui->tableViewSubtitle->setModel(m_subtitleModel);
    ui->checkBoxSubtitleStream->hide();
    ui->tabWidget->setCurrentIndex(0);

    buildOutputBar();
    buildSplitters();
    buildMenus();

    core().editor = nullptr;
    core().mainWindow = this;
    m_jobs.setLimit(m_settings.threads);

    connect(ui->widgetPlayer, &QPlayerWidget::sigAddFile, ui->actionAddFile, &QAction::trigger);
}

MainWindow::~MainWindow()
{
    if (core().mainWindow == this)
        core().mainWindow = nullptr;
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
