#include "app/subtitletab.h"

#include "app/core.h"
#include "app/currentrow.h"
#include "common/timeconv.h"
#include "jobs/conversionlistmodel.h"
#include "settings/configsystem.h"
#include "ui_subtitletab.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStandardItemModel>

SubtitleTab::SubtitleTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SubtitleTab)
    , m_lines(new QStandardItemModel(this))
{
    ui->setupUi(this);
    ui->checkBoxSubtitleStream->hide();
    ui->tableViewSubtitle->setModel(m_lines);
    resetModel();
    ui->tableViewSubtitle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableViewSubtitle->verticalHeader()->setDefaultSectionSize(40);
    ui->tableViewSubtitle->setColumnWidth(0, 120);
    ui->tableViewSubtitle->setColumnWidth(1, 120);
    ui->tableViewSubtitle->horizontalHeader()->setStretchLastSection(true);
}

SubtitleTab::~SubtitleTab()
{
    delete ui;
}

void SubtitleTab::bind(CurrentRow *row, const ConfigSystem *settings)
{
    m_row = row;
    m_settings = settings;
    connect(m_row, &CurrentRow::changed, this, &SubtitleTab::showTask);
    connect(m_row, &CurrentRow::taskChanged, this, &SubtitleTab::followTask);
    showTask();
}

void SubtitleTab::resetModel()
{
    m_lines->clear();
    m_lines->setHorizontalHeaderLabels({tr("Start Time"), tr("End Time"), tr("Subtitle")});
}

void SubtitleTab::showPath(const QString &path)
{
    ui->lineEditSubtitle->setText(path);
    const QSignalBlocker blocker(ui->checkBoxSubtitleStream);
    ui->checkBoxSubtitleStream->setChecked(m_row->task().subtitleAsStream);
}

void SubtitleTab::showTask()
{
    const QString path = m_row->task().subtitlePath;
    showPath(path);
    core().subtitlePath = path;
    loadTable(path);
}

void SubtitleTab::followTask()
{
    const QString path = m_row->task().subtitlePath;
    if (path == ui->lineEditSubtitle->text())
        return;
    showPath(path);
    // The editor attaches the document it has just read: its lines, perhaps edited already, are
    // shown as they are.
    if (!path.isEmpty() && path == core().subtitlePath) {
        resetModel();
        fillTable();
        return;
    }
    core().subtitlePath = path;
    loadTable(path);
}

void SubtitleTab::attach(const QString &path)
{
    core().subtitlePath = path;
    loadTable(path);
    ui->lineEditSubtitle->setText(path);
    m_row->update([&path](ConvertTask &task) {
        task.subtitlePath = path;
        task.hasSubtitle = true;
    });
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
    // A file that cannot be read leaves an empty document without a name, as the empty table
    // shows: a run must not take it for the file's edited lines.
    if (path.isEmpty() || !document.read(path)) {
        document.events.clear();
        document.setFileName(QString());
        return;
    }
    fillTable();
}

void SubtitleTab::fillTable()
{
    for (const SubtitleEvent &event : qAsConst(core().subtitles.events)) {
        m_lines->appendRow({new QStandardItem(TimeConv::toText(event.Start * 1000)),
                            new QStandardItem(TimeConv::toText(event.End * 1000)), new QStandardItem(event.Text)});
    }
}

void SubtitleTab::on_BtnSubtitleOpen_clicked()
{
    open();
}

void SubtitleTab::open()
{
    // The file belongs to the row the tab shows; with no row there is nothing to attach it to.
    if (!m_row->require(this))
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Subtitle File"), m_settings->openPath,
                                                      tr("Subtitle File(*.srt *.ass *.ssa)"));
    if (!path.isEmpty())
        attach(path);
}

void SubtitleTab::on_BtnSubtitleSave_clicked()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save ASS File"), core().subtitlePath,
                                                      QStringLiteral("ASS File(*.ass);;SRT File(*.srt)"));
    if (!path.isEmpty())
        save(path);
}

void SubtitleTab::on_checkBoxSubtitleStream_stateChanged(int state)
{
    m_row->update([state](ConvertTask &task) { task.subtitleAsStream = state != Qt::Unchecked; });
}
