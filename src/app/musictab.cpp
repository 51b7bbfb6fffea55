#include "app/musictab.h"

#include "app/core.h"
#include "common/mediaprobe.h"
#include "common/timeconv.h"
#include "ui_mainwindow.h"

#include <QFileInfo>
#include <QHeaderView>

namespace {
enum Column { NameColumn, DurationColumn };
// The probed duration rides with the row, so totals need no second probe.
constexpr int kDurationRole = Qt::UserRole;
}

MusicTab::MusicTab(Ui::MainWindow *ui, QObject *parent)
    : QObject(parent)
    , ui(ui)
{
    QTableWidget *table = ui->tableWidgetMusic;
    table->setColumnCount(2);
    table->setHorizontalHeaderLabels({tr("Source File"), tr("Duration")});
    table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    table->setColumnWidth(DurationColumn, 100);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void MusicTab::appendRow(const QString &path)
{
    QTableWidget *table = ui->tableWidgetMusic;
    const int row = table->rowCount();
    auto known = m_durations.find(path);
    if (known == m_durations.end())
        known = m_durations.insert(path, probeMedia(path).duration);
    const qint64 duration = *known;
    table->insertRow(row);
    auto *name = new QTableWidgetItem(QFileInfo(path).fileName());
    name->setToolTip(path);
    auto *length = new QTableWidgetItem(TimeConv::toDurationText(duration));
    length->setData(kDurationRole, duration);
    length->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, NameColumn, name);
    table->setItem(row, DurationColumn, length);
}

void MusicTab::showCurrentTask()
{
    ui->tableWidgetMusic->setRowCount(0);
    if (const ConvertTask *task = core().activeTask()) {
        for (const QString &path : task->music)
            appendRow(path);
    }
    showTotal();
}

void MusicTab::addFiles(const QStringList &paths)
{
    ConvertTask *task = core().activeTask();
    if (!task || paths.isEmpty())
        return;
    for (const QString &path : paths) {
        task->music.append(path);
        appendRow(path);
    }
    task->hasMusic = true;
    showTotal();
}

void MusicTab::deleteCurrentRow()
{
    const int row = ui->tableWidgetMusic->currentRow();
    if (row < 0)
        return;
    ui->tableWidgetMusic->removeRow(row);
    takeMusicFromRows();
    showTotal();
}

void MusicTab::moveCurrentRow(int direction)
{
    QTableWidget *table = ui->tableWidgetMusic;
    const int row = table->currentRow();
    const int target = row + direction;
    if (row < 0 || target < 0 || target >= table->rowCount())
        return;
    for (int column = 0; column < table->columnCount(); ++column) {
        QTableWidgetItem *moving = table->takeItem(row, column);
        table->setItem(row, column, table->takeItem(target, column));
        table->setItem(target, column, moving);
    }
    table->setCurrentCell(target, NameColumn);
    takeMusicFromRows();
}

void MusicTab::takeMusicFromRows()
{
    ConvertTask *task = core().activeTask();
    if (!task)
        return;
    task->music.clear();
    for (int row = 0; row < ui->tableWidgetMusic->rowCount(); ++row)
        task->music.append(ui->tableWidgetMusic->item(row, NameColumn)->toolTip());
    task->hasMusic = !task->music.isEmpty();
}

void MusicTab::showTotal()
{
    qint64 total = 0;
    for (int row = 0; row < ui->tableWidgetMusic->rowCount(); ++row)
        total += ui->tableWidgetMusic->item(row, DurationColumn)->data(kDurationRole).toLongLong();
    ui->labelTotalMusic->setText(TimeConv::toDurationText(total));
}
