#pragma once

#include <QMenu>
#include <QWidget>

class ConfigSystem;
class CurrentRow;
namespace Ui {
class MergeTab;
}

// The Merge tab: title sequences, the task's own source and endings of the current row.
class MergeTab : public QWidget
{
    Q_OBJECT
public:
    explicit MergeTab(QWidget *parent = nullptr);
    ~MergeTab() override;

    void bind(CurrentRow *row, const ConfigSystem *settings);
    // Appends the files to the current row's endings, as a drop on the table does.
    void addEndings(const QStringList &paths);
    // The table, where dropped files become endings.
    QWidget *dropArea() const;

signals:
    // A merge row was chosen: its file goes to the preview.
    void sigPreviewFile(const QString &path);

private slots:
    void on_BtnMergeAdd_clicked();
    void on_BtnMergeDelete_clicked();
    void on_BtnMergeUp_clicked();
    void on_BtnMergeDown_clicked();
    void on_tableWidgetMerge_cellClicked(int row, int column);
    void on_tableWidgetMerge_customContextMenuRequested(const QPoint &pos);
    void on_actionAdd_title_sequence_triggered();
    void on_actionAdd_ending_triggered();
    void on_actionMerge_Media_Infomation_triggered();

private:
    // Rebuilds the table from the current row's task.
    void showTask();
    void showTotal();
    void addEntries(const QList<quint64> &ids, const QStringList &paths, bool asEndings);
    void askForEntries(bool asEndings);
    void moveCurrentRow(int direction);
    void timeEdited(int row, bool start, qint64 us);
    QString pathOfRow(int row) const;

    Ui::MergeTab *ui;
    CurrentRow *m_row = nullptr;
    const ConfigSystem *m_settings = nullptr;
    QMenu m_addMenu;
    QMenu m_contextMenu;
    bool m_writing = false; // the tab's own edit: its table already shows it
};
