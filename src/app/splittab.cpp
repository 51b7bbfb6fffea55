#include "app/splittab.h"

#include "app/currentrow.h"
#include "app/taskedits.h"
#include "app/timeeditor.h"
#include "common/framegrab.h"
#include "common/timeconv.h"
#include "jobs/conversionlistmodel.h"
#include "ui_splittab.h"

#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace {
enum Column { PreviewColumn, StartColumn, EndColumn, DurationColumn };
}

SplitTab::SplitTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SplitTab)
{
    ui->setupUi(this);
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
    delete ui;
}

void SplitTab::bind(CurrentRow *row)
{
    m_row = row;
    connect(m_row, &CurrentRow::changed, this, &SplitTab::showTask);
    connect(m_row, &CurrentRow::taskChanged, this, [this] {
        if (!m_writing)
            showTask();
    });
    showTask();
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

void SplitTab::showTask()
{
    QTableWidget *table = ui->tableWidgetSplit;
    table->setRowCount(0);
    ++m_generation;
    if (m_row->id() == 0)
        return;
    const ConvertTask task = m_row->task();
    table->setRowCount(task.splits.size());
    for (int row = 0; row < task.splits.size(); ++row) {
        const SplitEntry &part = task.splits[row];
        table->setItem(row, PreviewColumn, new QTableWidgetItem);
        for (const bool start : {true, false}) {
            QTimeEdit *editor = newTimeEditor(start ? part.start : part.end);
            connect(editor, &QTimeEdit::timeChanged, this,
                    [this, row, start](const QTime &time) { timeEdited(row, start, TimeConv::fromTime(time)); });
            table->setCellWidget(row, start ? StartColumn : EndColumn, editor);
        }
        table->setCellWidget(row, DurationColumn, new QLabel);
        showDuration(row, part.start, part.end);
        requestThumbnail(task.sourcePath, row, part.start);
    }

    const QSignalBlocker modeBlocker(ui->comboBoxSplit);
    const QSignalBlocker countBlocker(ui->spinBoxSplitNum);
    const QSignalBlocker clipBlocker(ui->timeEditSplit);
    const QSignalBlocker endBlocker(ui->timeEditEnd);
    ui->comboBoxSplit->setCurrentIndex(task.splitMode);
    ui->spinBoxSplitNum->setValue(task.splitCount);
    ui->timeEditSplit->setTime(TimeConv::toTime(task.clipLength));
    ui->timeEditEnd->setTime(TimeConv::toTime(task.sectionEnd));
    showModeControls(task.splitMode);
}

void SplitTab::showDuration(int row, qint64 start, qint64 end)
{
    if (auto *label = qobject_cast<QLabel *>(ui->tableWidgetSplit->cellWidget(row, DurationColumn)))
        label->setText(TimeConv::toText(qMax<qint64>(0, end - start)));
}

void SplitTab::storeChoice()
{
    const QScopedValueRollback<bool> writing(m_writing, true);
    const int mode = ui->comboBoxSplit->currentIndex();
    const int count = ui->spinBoxSplitNum->value();
    const qint64 clipLength = TimeConv::fromTime(ui->timeEditSplit->time());
    const qint64 sectionEnd = TimeConv::fromTime(ui->timeEditEnd->time());
    m_row->update([=](ConvertTask &task) {
        task.splitMode = mode;
        task.splitCount = count;
        task.clipLength = clipLength;
        task.sectionEnd = sectionEnd;
    });
}

void SplitTab::on_comboBoxSplit_currentIndexChanged(int index)
{
    showModeControls(index);
    storeChoice();
}

void SplitTab::on_spinBoxSplitNum_valueChanged(int count)
{
    Q_UNUSED(count)
    storeChoice();
}

void SplitTab::on_timeEditSplit_timeChanged(const QTime &time)
{
    Q_UNUSED(time)
    storeChoice();
}

void SplitTab::on_timeEditEnd_timeChanged(const QTime &time)
{
    Q_UNUSED(time)
    storeChoice();
}

void SplitTab::on_BtnSplitAdd_clicked()
{
    if (m_row->id() == 0)
        return;
    const ConvertTask chosen = m_row->task();
    ConversionListModel *model = m_row->model();
    for (quint64 id : m_row->selectedOrCurrent()) {
        const qint64 duration = model->probe(id).duration;
        model->updateTask(id, [&](ConvertTask &task) {
            task.splitMode = chosen.splitMode;
            task.splitCount = chosen.splitCount;
            task.clipLength = chosen.clipLength;
            task.sectionEnd = chosen.sectionEnd;
            task.splits.append(TaskEdits::splitParts(task, duration));
        });
    }
}

void SplitTab::on_BtnSplitDel_clicked()
{
    QList<int> rows;
    for (const QModelIndex &index : ui->tableWidgetSplit->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    m_row->update([&rows](ConvertTask &task) {
        for (int row : qAsConst(rows)) {
            if (row < task.splits.size())
                task.splits.removeAt(row);
        }
    });
}

void SplitTab::timeEdited(int row, bool start, qint64 us)
{
    const QScopedValueRollback<bool> writing(m_writing, true);
    SplitEntry part;
    m_row->update([&](ConvertTask &task) {
        if (row >= task.splits.size())
            return;
        (start ? task.splits[row].start : task.splits[row].end) = us;
        part = task.splits[row];
    });
    showDuration(row, part.start, part.end);
}
