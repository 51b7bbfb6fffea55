#include "app/mergetab.h"

#include "app/core.h"
#include "app/mainwindow.h"
#include "app/taskedits.h"
#include "common/mediaprobe.h"
#include "common/timeconv.h"
#include "ui_mainwindow.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QTimeEdit>

namespace {
enum Column { MarkColumn, NameColumn, StartColumn, EndColumn };
const char kTimeFormat[] = "HH:mm:ss:zzz";

bool hasCurrentTask()
{
    return core().currentTask >= 0 && core().currentTask < core().tasks.size();
}
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

QTimeEdit *MergeTab::timeEditor(qint64 us, bool start)
{
    auto *editor = new QTimeEdit(TimeConv::toTime(us));
    editor->setDisplayFormat(QLatin1String(kTimeFormat));
    if (auto *window = core().mainWindow) {
        if (start)
            connect(editor, &QTimeEdit::timeChanged, window, &MainWindow::OnMergeStartTime);
        else
            connect(editor, &QTimeEdit::timeChanged, window, &MainWindow::OnMergeEndTime);
    }
    return editor;
}

void MergeTab::showCurrentTask()
{
    QTableWidget *table = ui->tableWidgetMerge;
    table->setRowCount(0);
    if (!hasCurrentTask()) {
        showTotal();
        return;
    }
    const ConvertTask &task = core().tasks[core().currentTask];
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
        table->setCellWidget(row, StartColumn, timeEditor(rows[row].start, true));
        table->setCellWidget(row, EndColumn, timeEditor(rows[row].end, false));
    }
    showTotal();
}

void MergeTab::showTotal()
{
    const qint64 total = hasCurrentTask() ? TaskEdits::mergeTotal(core().tasks[core().currentTask]) : 0;
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
    if (!hasCurrentTask())
        return;
    const int row = ui->tableWidgetMerge->currentRow();
    if (TaskEdits::removeMergeRow(core().tasks[core().currentTask], row))
        ui->tableWidgetMerge->removeRow(row);
    showTotal();
}

void MergeTab::moveCurrentRow(int direction)
{
    if (!hasCurrentTask())
        return;
    const int row = ui->tableWidgetMerge->currentRow();
    const int target = TaskEdits::moveMergeRow(core().tasks[core().currentTask], row, direction);
    if (target < 0)
        return;
    showCurrentTask();
    ui->tableWidgetMerge->selectRow(target);
}

void MergeTab::timeEdited(QObject *editor, bool start, const QTime &time)
{
    if (!hasCurrentTask())
        return;
    const int column = start ? StartColumn : EndColumn;
    for (int row = 0; row < ui->tableWidgetMerge->rowCount(); ++row) {
        if (ui->tableWidgetMerge->cellWidget(row, column) == editor) {
            TaskEdits::setMergeTime(core().tasks[core().currentTask], row, start, TimeConv::fromTime(time));
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
