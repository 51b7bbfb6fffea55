#include "app/subtitletab.h"

#include "app/convertlist.h"
#include "app/core.h"
#include "common/timeconv.h"
#include "ui_mainwindow.h"

#include <QHeaderView>
#include <QStandardItemModel>

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
    const QString ending = path.right(4).toLower();
    const bool named = ending == QLatin1String(".srt") || ending == QLatin1String(".ass")
                       || ending == QLatin1String(".ssa");
    const QString target = named ? path : path + QStringLiteral(".ass");
    if (!core().subtitles.write(target))
        return false;
    core().subtitlePath = target;
    return true;
}

void SubtitleTab::loadTable(const QString &path)
{
    resetModel();
    SubtitleParser &document = core().subtitles;
    // A file that cannot be read leaves an empty document, as the empty table shows.
    if (path.isEmpty() || !document.read(path)) {
        document.events.clear();
        return;
    }
    for (const SubtitleEvent &event : qAsConst(document.events)) {
        m_model->appendRow({new QStandardItem(TimeConv::toText(event.Start * 1000)),
                            new QStandardItem(TimeConv::toText(event.End * 1000)), new QStandardItem(event.Text)});
    }
}
