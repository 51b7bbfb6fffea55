#include "app/subtitletab.h"

#include "app/convertlist.h"
#include "app/core.h"
#include "common/timeconv.h"
#include "ui_mainwindow.h"

#include <QHeaderView>
#include <QStandardItemModel>

namespace {
struct SubtitleLine
{
    qint64 start = 0; // µs
    qint64 end = 0;
    QString text;
};

// The lines of a subtitle file, read after its ending.
QList<SubtitleLine> readSubtitleLines(const QString &path)
{
    Q_UNUSED(path)
    return {};
}
}

SubtitleTab::SubtitleTab(Ui::MainWindow *ui, QStandardItemModel *model, ConvertList *list, QObject *parent)
    : QObject(parent)
    , ui(ui)
    , m_model(model)
    , m_list(list)
{
    resetModel();
    ui->tableViewSubtitle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableViewSubtitle->verticalHeader()->setDefaultSectionSize(40);
    ui->tableViewSubtitle->setColumnWidth(0, 120);
    ui->tableViewSubtitle->setColumnWidth(1, 120);
    ui->tableViewSubtitle->horizontalHeader()->setStretchLastSection(true);
}

void SubtitleTab::resetModel()
{
    m_model->clear();
    m_model->setHorizontalHeaderLabels({tr("Start Time"), tr("End Time"), tr("Subtitle")});
}

void SubtitleTab::showCurrentTask()
{
    const ConvertTask *task = core().activeTask();
    const QString path = task ? task->subtitlePath : QString();
    ui->lineEditSubtitle->setText(path);
    core().subtitlePath = path;
    loadTable(path);
}

void SubtitleTab::attach(const QString &path)
{
    for (int row : m_list->selectedRows()) {
        core().tasks[row].subtitlePath = path;
        core().tasks[row].hasSubtitle = true;
    }
    ui->lineEditSubtitle->setText(path);
    core().subtitlePath = path;
    loadTable(path);
}

bool SubtitleTab::save(const QString &path)
{
    Q_UNUSED(path)
    return false;
}

void SubtitleTab::loadTable(const QString &path)
{
    resetModel();
    for (const SubtitleLine &line : readSubtitleLines(path)) {
        m_model->appendRow({new QStandardItem(TimeConv::toText(line.start)),
                            new QStandardItem(TimeConv::toText(line.end)), new QStandardItem(line.text)});
    }
}
