#include "app/mergetab.h"

#include "app/core.h"
#include "app/mainwindow.h"
#include "app/taskedits.h"
#include "app/timeeditor.h"
#include "common/mediaprobe.h"
#include "common/timeconv.h"
#include "ui_mainwindow.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QTimeEdit>

namespace {
enum Column { MarkColumn, NameColumn, StartColumn, EndColumn };
}

MergeTab::MergeTab(Ui::MainWindow *ui, QObject *parent)
    : QObject(parent)
    , ui(ui)
{
    QTableWidget *table = ui->tableWidgetMerge;
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels({QString(), tr("Source File"), tr("Start"), tr("End")});
    table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    table->setColumnWidth(MarkColumn, 30);
    table->setColumnWidth(StartColumn, 120);
    table->setColumnWidth(EndColumn, 120);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
}

void MergeTab::showCurrentTask()
{
    QTableWidget *table = ui->tableWidgetMerge;
    table->setRowCount(0);
    const ConvertTask *current = core().activeTask();
    if (!current) {
        showTotal();
        return;
    }
    const ConvertTask &task = *current;
    QList<MergeEntry> rows = task.titleSequences;
    rows.append(MergeEntry{task.sourcePath, task.start, task.end, 0});
    rows.append(task.endings);
    const int mainRow = TaskEdits::mainMergeRow(task);

    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        auto *mark = new QTableWidgetItem;
        if (row == mainRow)
            mark->setIcon(QIcon(QStringLiteral(":/res/srcmain.svg")));
        auto *name = new QTableWidgetItem(QFileInfo(rows[row].path).fileName());
        name->setToolTip(rows[row].path);
        table->setItem(row, MarkColumn, mark);
        table->setItem(row, NameColumn, name);
        table->setCellWidget(row, StartColumn, newTimeEditor(rows[row].start, &MainWindow::OnMergeStartTime));
        table->setCellWidget(row, EndColumn, newTimeEditor(rows[row].end, &MainWindow::OnMergeEndTime));
    }
    showTotal();
}

void MergeTab::showTotal()
{
    const ConvertTask *task = core().activeTask();
    const qint64 total = task ? TaskEdits::mergeTotal(*task) : 0;
    ui->labelTotal->setText(TimeConv::toDurationText(total));
}

void MergeTab::addEntries(const QList<int> &rows, const QStringList &paths, bool asEndings)
{
    for (int row : rows) {
        ConvertTask &task = core().tasks[row];
        for (const QString &path : paths) {
            const MergeEntry entry{path, 0, probeMedia(path).duration, 0};
            (asEndings ? task.endings : task.titleSequences).append(entry);
        }
        task.mergeOn = !task.titleSequences.isEmpty() || !task.endings.isEmpty();
    }
    showCurrentTask();
}

void MergeTab::deleteCurrentRow()
{
    ConvertTask *task = core().activeTask();
    if (!task)
        return;
    const int row = ui->tableWidgetMerge->currentRow();
    if (TaskEdits::removeMergeRow(*task, row))
        ui->tableWidgetMerge->removeRow(row);
    showTotal();
}

void MergeTab::moveCurrentRow(int direction)
{
    ConvertTask *task = core().activeTask();
    if (!task)
        return;
    const int target = TaskEdits::moveMergeRow(*task, ui->tableWidgetMerge->currentRow(), direction);
    if (target < 0)
        return;
    showCurrentTask();
    ui->tableWidgetMerge->selectRow(target);
}

void MergeTab::timeEdited(QObject *editor, bool start, const QTime &time)
{
    ConvertTask *task = core().activeTask();
    if (!task)
        return;
    const int column = start ? StartColumn : EndColumn;
    for (int row = 0; row < ui->tableWidgetMerge->rowCount(); ++row) {
        if (ui->tableWidgetMerge->cellWidget(row, column) == editor) {
            TaskEdits::setMergeTime(*task, row, start, TimeConv::fromTime(time));
            showTotal();
            return;
        }
    }
}

QString MergeTab::pathOfRow(int row) const
{
    const QTableWidgetItem *name = ui->tableWidgetMerge->item(row, NameColumn);
    return name ? name->toolTip() : QString();
}
