#include "app/mergetab.h"

#include "app/currentrow.h"
#include "common/mediafiles.h"
#include "app/taskedits.h"
#include "app/timeeditor.h"
#include "common/mediaprobe.h"
#include "common/timeconv.h"
#include "jobs/conversionlistmodel.h"
#include "settings/configsystem.h"
#include "app/mediadialog.h"
#include "ui_mergetab.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTimeEdit>

namespace {
enum Column { MarkColumn, NameColumn, StartColumn, EndColumn };
}

MergeTab::MergeTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MergeTab)
{
    ui->setupUi(this);
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

    m_addMenu.addAction(ui->actionAdd_title_sequence);
    m_addMenu.addAction(ui->actionAdd_ending);
    m_contextMenu.addAction(ui->actionAdd_title_sequence);
    m_contextMenu.addAction(ui->actionAdd_ending);
    m_contextMenu.addSeparator();
    m_contextMenu.addAction(ui->actionMerge_Media_Infomation);
}

MergeTab::~MergeTab()
{
    delete ui;
}

void MergeTab::bind(CurrentRow *row, const ConfigSystem *settings)
{
    m_row = row;
    m_settings = settings;
    connect(m_row, &CurrentRow::changed, this, &MergeTab::showTask);
    connect(m_row, &CurrentRow::taskChanged, this, [this] {
        if (!m_writing)
            showTask();
    });
    showTask();
}

QWidget *MergeTab::dropArea() const
{
    return ui->tableWidgetMerge;
}

void MergeTab::showTask()
{
    QTableWidget *table = ui->tableWidgetMerge;
    table->setRowCount(0);
    if (m_row->id() != 0) {
        const ConvertTask task = m_row->task();
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
            for (const bool start : {true, false}) {
                QTimeEdit *editor = newTimeEditor(start ? rows[row].start : rows[row].end);
                connect(editor, &QTimeEdit::timeChanged, this,
                        [this, row, start](const QTime &time) { timeEdited(row, start, TimeConv::fromTime(time)); });
                table->setCellWidget(row, start ? StartColumn : EndColumn, editor);
            }
        }
    }
    showTotal();
}

void MergeTab::showTotal()
{
    const qint64 total = m_row->id() != 0 ? TaskEdits::mergeTotal(m_row->task()) : 0;
    ui->labelTotal->setText(TimeConv::toDurationText(total));
}

void MergeTab::addEntries(const QList<quint64> &ids, const QStringList &paths, bool asEndings)
{
    QList<MergeEntry> entries;
    for (const QString &path : paths)
        entries.append(MergeEntry{path, 0, probeMedia(path).duration, 0});
    for (quint64 id : ids) {
        m_row->model()->updateTask(id, [&](ConvertTask &task) {
            (asEndings ? task.endings : task.titleSequences).append(entries);
            task.mergeOn = !task.titleSequences.isEmpty() || !task.endings.isEmpty();
        });
    }
}

void MergeTab::addEndings(const QStringList &paths)
{
    addEntries({m_row->id()}, paths, true);
}

void MergeTab::askForEntries(bool asEndings)
{
    if (!m_row->require(this))
        return;
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("Add Media File"), m_settings->openPath,
                                                            MediaFiles::mediaFilter());
    // Clicking the merge table clears the list's selection; the current row is meant then.
    if (!files.isEmpty())
        addEntries(m_row->selectedOrCurrent(), files, asEndings);
}

void MergeTab::on_actionAdd_title_sequence_triggered()
{
    askForEntries(false);
}

void MergeTab::on_actionAdd_ending_triggered()
{
    askForEntries(true);
}

void MergeTab::on_BtnMergeAdd_clicked()
{
    if (m_row->require(this))
        m_addMenu.popup(ui->BtnMergeAdd->mapToGlobal(QPoint(0, ui->BtnMergeAdd->height())));
}

void MergeTab::on_BtnMergeDelete_clicked()
{
    if (!m_row->require(this))
        return;
    const int row = ui->tableWidgetMerge->currentRow();
    m_row->update([row](ConvertTask &task) { TaskEdits::removeMergeRow(task, row); });
}

void MergeTab::on_BtnMergeUp_clicked()
{
    moveCurrentRow(-1);
}

void MergeTab::on_BtnMergeDown_clicked()
{
    moveCurrentRow(1);
}

void MergeTab::moveCurrentRow(int direction)
{
    if (!m_row->require(this))
        return;
    int target = -1;
    const int row = ui->tableWidgetMerge->currentRow();
    m_row->update([&](ConvertTask &task) { target = TaskEdits::moveMergeRow(task, row, direction); });
    if (target >= 0)
        ui->tableWidgetMerge->selectRow(target);
}

void MergeTab::timeEdited(int row, bool start, qint64 us)
{
    const QScopedValueRollback<bool> writing(m_writing, true);
    m_row->update([&](ConvertTask &task) { TaskEdits::setMergeTime(task, row, start, us); });
    showTotal();
}

QString MergeTab::pathOfRow(int row) const
{
    const QTableWidgetItem *name = ui->tableWidgetMerge->item(row, NameColumn);
    return name ? name->toolTip() : QString();
}

void MergeTab::on_tableWidgetMerge_cellClicked(int row, int column)
{
    Q_UNUSED(column)
    m_row->clearListSelection();
    emit sigPreviewFile(pathOfRow(row));
}

void MergeTab::on_tableWidgetMerge_customContextMenuRequested(const QPoint &pos)
{
    Q_UNUSED(pos)
    m_contextMenu.popup(QCursor::pos());
}

void MergeTab::on_actionMerge_Media_Infomation_triggered()
{
    const int row = ui->tableWidgetMerge->currentRow();
    if (row < 0)
        return;
    MediaDialog dialog(this);
    dialog.setFilePath(pathOfRow(row));
    dialog.fill();
    dialog.exec();
}
