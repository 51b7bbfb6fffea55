#pragma once

#include "jobs/jobsmanage.h"
#include "settings/configsystem.h"

#include <QMainWindow>
#include <QMenu>
#include <QSystemTrayIcon>

namespace Ui {
class MainWindow;
}
class QHBoxLayout;
class QSplitter;
class QStandardItemModel;
class QVBoxLayout;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    ConfigSystem &systemSettings() { return m_settings; }
    JobsManage &jobs() { return m_jobs; }
    bool isIdle() const { return m_idle; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void on_actionAdd_triggered();
    void on_actionOptions_triggered();
    void on_actionAbout_triggered();
    void on_toolButtonOutput_clicked();
    void on_toolButtonOpen_clicked();
    void on_actionQuit_triggered();
    void on_checkBoxCoverage_stateChanged(int state);

private:
    void buildTray();
    void buildOutputBar();
    void buildSplitters();
    void buildMenus();

    Ui::MainWindow *ui;
    QVBoxLayout *m_frameLayout = nullptr;
    QHBoxLayout *m_outputBar = nullptr;
    bool m_idle = true;
    QMenu m_addMenu;
    QMenu m_listMenu;
    QMenu m_mergeAddMenu;
    QMenu m_mergeMenu;
    QStandardItemModel *m_subtitleModel = nullptr;
    QSplitter *m_outerSplitter = nullptr;
    QSplitter *m_innerSplitter = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu m_trayMenu;
    ConfigSystem m_settings;
    JobsManage m_jobs;
    int m_pendingExitCode = 0;
};
