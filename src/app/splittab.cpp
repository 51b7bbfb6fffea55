#include "app/splittab.h"

#include "app/convertlist.h"
#include "app/core.h"
#include "app/mainwindow.h"
#include "app/taskedits.h"
#include "app/timeeditor.h"
#include "common/framegrab.h"
#include "common/timeconv.h"
#include "ui_mainwindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace {
enum Column { PreviewColumn, StartColumn, EndColumn, DurationColumn };
}

SplitTab::SplitTab(Ui::MainWindow *ui, ConvertList *list, QObject *parent)
    : QObject(parent)
    , ui(ui)
    , m_list(list)
{
    QTableWidget *table = ui->tableWidgetSplit;
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels({tr("Preview"), tr("Start"), tr("End"), tr("Duration")});
    table->setColumnWidth(PreviewColumn, 80);
    table->setColumnWidth(DurationColumn, 100);
    table->horizontalHeader()->setSectionResizeMode(StartColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(EndColumn, QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(40);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    showModeControls(0);
}

SplitTab::~SplitTab()
{
    m_thumbnails.clear();
    m_thumbnails.waitForDone();
}

void SplitTab::requestThumbnail(const QString &path, int row, qint64 us)
{
    const int generation = m_generation;
    m_thumbnails.start([this, path, row, us, generation] {
        const QImage image = grabFrame(path, us).scaled(80, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QMetaObject::invokeMethod(
            this, [this, generation, row, image] { showThumbnail(generation, row, image); }, Qt::QueuedConnection);
    });
}

void SplitTab::showThumbnail(int generation, int row, const QImage &image)
{
    if (generation != m_generation || row >= ui->tableWidgetSplit->rowCount() || image.isNull())
        return;
    auto *label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(QPixmap::fromImage(image));
    ui->tableWidgetSplit->setCellWidget(row, PreviewColumn, label);
}

void SplitTab::showModeControls(int mode)
{
    ui->spinBoxSplitNum->setVisible(mode == 0);
    ui->timeEditSplit->setVisible(mode != 0);
    ui->timeEditEnd->setVisible(mode == 2);
}

void SplitTab::showCurrentTask()
{
    QTableWidget *table = ui->tableWidgetSplit;
    table->setRowCount(0);
    ++m_generation;
    const ConvertTask *task = core().activeTask();
    if (!task)
        return;

    table->setRowCount(task->splits.size());
    for (int row = 0; row < task->splits.size(); ++row) {
        table->setItem(row, PreviewColumn, new QTableWidgetItem);
        table->setCellWidget(row, StartColumn, newTimeEditor(task->splits[row].start, &MainWindow::OnSplitStartTime));
        table->setCellWidget(row, EndColumn, newTimeEditor(task->splits[row].end, &MainWindow::OnSplitEndTime));
        table->setCellWidget(row, DurationColumn, new QLabel);
        showDuration(row);
        requestThumbnail(task->sourcePath, row, task->splits[row].start);
    }

    const QSignalBlocker modeBlocker(ui->comboBoxSplit);
    const QSignalBlocker countBlocker(ui->spinBoxSplitNum);
    const QSignalBlocker clipBlocker(ui->timeEditSplit);
    const QSignalBlocker endBlocker(ui->timeEditEnd);
    ui->comboBoxSplit->setCurrentIndex(task->splitMode);
    ui->spinBoxSplitNum->setValue(task->splitCount);
    ui->timeEditSplit->setTime(TimeConv::toTime(task->clipLength));
    ui->timeEditEnd->setTime(TimeConv::toTime(task->sectionEnd));
    showModeControls(task->splitMode);
}

void SplitTab::showDuration(int row)
{
    const ConvertTask *task = core().activeTask();
    auto *label = qobject_cast<QLabel *>(ui->tableWidgetSplit->cellWidget(row, DurationColumn));
    if (!task || !label || row >= task->splits.size())
        return;
    label->setText(TimeConv::toText(qMax<qint64>(0, task->splits[row].end - task->splits[row].start)));
}

void SplitTab::modeChosen(int mode)
{
    showModeControls(mode);
    if (ConvertTask *task = core().activeTask())
        task->splitMode = mode;
}

void SplitTab::countChosen(int count)
{
    if (ConvertTask *task = core().activeTask()) {
        task->splitCount = count;
        task->splitMode = ui->comboBoxSplit->currentIndex();
    }
}

void SplitTab::clipLengthChosen(const QTime &time)
{
    if (ConvertTask *task = core().activeTask()) {
        task->clipLength = TimeConv::fromTime(time);
        task->splitMode = ui->comboBoxSplit->currentIndex();
    }
}

void SplitTab::sectionEndChosen(const QTime &time)
{
    if (ConvertTask *task = core().activeTask()) {
        task->sectionEnd = TimeConv::fromTime(time);
        task->splitMode = ui->comboBoxSplit->currentIndex();
    }
}

void SplitTab::addParts()
{
    const ConvertTask *settings = core().activeTask();
    if (!settings)
        return;
    const ConvertTask chosen = *settings;
    for (int row : m_list->selectedRows()) {
        ConvertTask &task = core().tasks[row];
        task.splitMode = chosen.splitMode;
        task.splitCount = chosen.splitCount;
        task.clipLength = chosen.clipLength;
        task.sectionEnd = chosen.sectionEnd;
        task.splits.append(TaskEdits::splitParts(task, m_list->probe(row).duration));
    }
    showCurrentTask();
}

void SplitTab::deleteSelectedParts()
{
    ConvertTask *task = core().activeTask();
    if (!task)
        return;
    QList<int> rows;
    for (const QModelIndex &index : ui->tableWidgetSplit->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        ui->tableWidgetSplit->removeRow(row);

    task->splits.clear();
    for (int row = 0; row < ui->tableWidgetSplit->rowCount(); ++row) {
        const auto *start = qobject_cast<QTimeEdit *>(ui->tableWidgetSplit->cellWidget(row, StartColumn));
        const auto *end = qobject_cast<QTimeEdit *>(ui->tableWidgetSplit->cellWidget(row, EndColumn));
        task->splits.append({TimeConv::fromTime(start->time()), TimeConv::fromTime(end->time())});
    }
    showCurrentTask();
}

void SplitTab::timeEdited(QObject *editor, bool start, const QTime &time)
{
    ConvertTask *task = core().activeTask();
    if (!task)
        return;
    const int column = start ? StartColumn : EndColumn;
    for (int row = 0; row < ui->tableWidgetSplit->rowCount() && row < task->splits.size(); ++row) {
        if (ui->tableWidgetSplit->cellWidget(row, column) != editor)
            continue;
        (start ? task->splits[row].start : task->splits[row].end) = TimeConv::fromTime(time);
        showDuration(row);
        return;
    }
}
