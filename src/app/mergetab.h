#pragma once

#include <QObject>
#include <QTime>

namespace Ui {
class MainWindow;
}

// The Merge tab: title sequences, the task's own source and endings of the current task.
class MergeTab : public QObject
{
    Q_OBJECT
public:
    explicit MergeTab(Ui::MainWindow *ui, QObject *parent = nullptr);

    // Rebuilds the table from the current task.
    void showCurrentTask();
    // Appends the files to the title sequences or endings of the tasks of the rows.
    void addEntries(const QList<int> &rows, const QStringList &paths, bool asEndings);
    void deleteCurrentRow();
    void moveCurrentRow(int direction);
    // A time editor of the table changed: writes the time into its row's entry.
    void timeEdited(QObject *editor, bool start, const QTime &time);
    QString pathOfRow(int row) const;

private:
    void showTotal();

    Ui::MainWindow *ui;
};
