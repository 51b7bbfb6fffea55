#include "app/musictab.h"

#include "app/currentrow.h"
#include "common/mediafiles.h"
#include "common/mediaprobe.h"
#include "common/timeconv.h"
#include "settings/configsystem.h"
#include "ui_musictab.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>

namespace {
enum Column { NameColumn, DurationColumn };
}

MusicTab::MusicTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MusicTab)
{
    ui->setupUi(this);
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

MusicTab::~MusicTab()
{
    delete ui;
}

void MusicTab::bind(CurrentRow *row, const ConfigSystem *settings)
{
    m_row = row;
    m_settings = settings;
    connect(m_row, &CurrentRow::changed, this, &MusicTab::showTask);
    connect(m_row, &CurrentRow::taskChanged, this, &MusicTab::showTask);
    showTask();
}

QWidget *MusicTab::dropArea() const
{
    return ui->tableWidgetMusic;
}

qint64 MusicTab::durationOf(const QString &path)
{
    auto known = m_durations.find(path);
    if (known == m_durations.end())
        known = m_durations.insert(path, probeMedia(path).duration);
    return *known;
}

void MusicTab::showTask()
{
    QTableWidget *table = ui->tableWidgetMusic;
    const int current = table->currentRow();
    const QStringList music = m_row->task().music;
    table->setRowCount(music.size());
    qint64 total = 0;
    for (int row = 0; row < music.size(); ++row) {
        const qint64 duration = durationOf(music[row]);
        total += duration;
        auto *name = new QTableWidgetItem(QFileInfo(music[row]).fileName());
        name->setToolTip(music[row]);
        auto *length = new QTableWidgetItem(TimeConv::toDurationText(duration));
        length->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, NameColumn, name);
        table->setItem(row, DurationColumn, length);
    }
    if (current >= 0 && current < music.size())
        table->setCurrentCell(current, NameColumn);
    ui->labelTotalMusic->setText(TimeConv::toDurationText(total));
}

void MusicTab::addFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    m_row->update([&paths](ConvertTask &task) {
        task.music.append(paths);
        task.hasMusic = true;
    });
}

void MusicTab::on_BtnMusicAdd_clicked()
{
    if (m_row->require(this))
        addFiles(QFileDialog::getOpenFileNames(this, tr("Add Music File"), m_settings->openPath,
                                               MediaFiles::mediaFilter()));
}

void MusicTab::on_BtnMusicDelete_clicked()
{
    const int row = ui->tableWidgetMusic->currentRow();
    if (!m_row->require(this) || row < 0)
        return;
    m_row->update([row](ConvertTask &task) {
        if (row < task.music.size())
            task.music.removeAt(row);
        task.hasMusic = !task.music.isEmpty();
    });
}

void MusicTab::on_BtnMusicUp_clicked()
{
    const int row = ui->tableWidgetMusic->currentRow();
    if (!m_row->require(this) || row <= 0)
        return;
    m_row->update([row](ConvertTask &task) { task.music.swapItemsAt(row, row - 1); });
    ui->tableWidgetMusic->setCurrentCell(row - 1, NameColumn);
}

void MusicTab::on_BtnMusicDown_clicked()
{
    const int row = ui->tableWidgetMusic->currentRow();
    if (!m_row->require(this) || row < 0 || row + 1 >= ui->tableWidgetMusic->rowCount())
        return;
    m_row->update([row](ConvertTask &task) { task.music.swapItemsAt(row, row + 1); });
    ui->tableWidgetMusic->setCurrentCell(row + 1, NameColumn);
}
