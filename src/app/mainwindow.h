#pragma once

#include "jobs/jobsmanage.h"
#include "layers/overlaygraphs.h"
#include "layers/watermarkdocument.h"
#include "player/playerlender.h"
#include "settings/configsystem.h"
#include "subtitles/subtitlesessions.h"

#include <QMainWindow>
#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>

namespace Ui {
class MainWindow;
}
class ConversionListModel;
class ConversionRun;
class CurrentRow;
class EditorMainWindow;
class RowSubtitles;
class QHBoxLayout;
class QModelIndex;
class QSplitter;
class QVBoxLayout;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    ConfigSystem &systemSettings() { return m_settings; }
    JobsManage &jobs() { return m_jobs; }
    // No run is going (a paused run is going).
    bool isIdle() const { return m_idle; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    ConversionListModel *conversionList() const { return m_model; }
    // The row the tabs, the preview and Watermark work on: the list's current row (0: none).
    quint64 currentRowId() const;
    // The watermark editor, built the first time it is asked for.
    EditorMainWindow *editor();

    // Lists the files, each with its sidecar subtitle, and makes the first of them current.
    QList<quint64> addFiles(const QStringList &files);
    // Adds files (folders give their media files) where a drop at the position puts them:
    // the merge table or the music table when their tab is shown, the conversion list otherwise.
    void dropFiles(const QStringList &paths, const QPoint &windowPos);
    // Adds the files and folders named on the command line (after the program path)
    // as Add File and Add Folder would; names of nothing on disk go to the status bar.
    void addCommandLineFiles(const QStringList &arguments);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void OnAllCompleted();
    void on_actionAdd_triggered();
    void on_actionWatermark_triggered();
    void on_actionRun_triggered();
    void on_actionStop_triggered();
    void on_actionOptions_triggered();
    void on_actionAbout_triggered();
    void on_actionAddFile_triggered();
    void on_actionAddFolder_triggered();
    void on_tableWidget_customContextMenuRequested(const QPoint &pos);
    void on_actionDelete_triggered();
    void on_tableWidget_clicked(const QModelIndex &index);
    void on_toolButtonOutput_clicked();
    void on_toolButtonOpen_clicked();
    void on_actionReady_to_convert_triggered();
    void on_actionAdd_subtitle_file_triggered();
    void on_actionAll_Delete_triggered();
    void on_comboBoxFormat_currentIndexChanged(int index);
    void on_toolButtonFormatOption_clicked();
    void on_actionQuit_triggered();
    void on_actionMediaInfo_triggered();
    void on_checkBoxCoverage_stateChanged(int state);

private:
    void buildTray();
    void buildOutputBar();
    void buildSplitters();
    void buildMenus();
    void buildList();

    void setPreviewFile(const QString &path);
    QStringList askForMediaFiles(const QString &caption, const QString &folder);
    // Selected rows in list order.
    QList<quint64> selectedIds() const;
    // The whole engine log of the first selected row.
    void showLog();
    // What the Run action offers: to start a run, to pause it, or to resume it.
    enum class RunAction { Run, Pause, Resume };
    void showRunAction(RunAction action);
    // A warning that does not wait for an answer.
    void tellUser(const QString &text);
    // Asks when rows still convert, then stops their work and removes them.
    void removeRows(const QList<quint64> &ids);
    // Stops a run and waits until its engines have finished their files.
    void finishWorkBeforeLeaving();
    // Asks about subtitle edits no file holds before the program ends; false to stay.
    bool settleBeforeLeaving();

    Ui::MainWindow *ui;
    QVBoxLayout *m_frameLayout = nullptr;
    QHBoxLayout *m_outputBar = nullptr;
    bool m_idle = true;
    QMenu m_addMenu;
    QMenu m_listMenu;
    QSplitter *m_outerSplitter = nullptr;
    QSplitter *m_innerSplitter = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu m_trayMenu;
    ConfigSystem m_settings;
    JobsManage m_jobs;
    WatermarkDocument m_watermark; // the layers put on every row
    SubtitleSessions m_subtitles;  // each row's subtitle lines as the user edits them
    OverlayGraphs m_graphs;
    PlayerLender m_player;         // the one player engine, lent to this window or the editor
    int m_pendingExitCode = 0;
    ConversionListModel *m_model = nullptr;
    CurrentRow *m_currentRow = nullptr;
    ConversionRun *m_run = nullptr;
    RowSubtitles *m_rowSubtitles = nullptr;
    std::unique_ptr<EditorMainWindow> m_editor;
    QAction *m_showLogAction = nullptr;
};
