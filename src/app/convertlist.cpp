#include "app/convertlist.h"

#include "app/core.h"
#include "app/mediafiles.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

namespace {
enum Column { NameColumn, SizeColumn, StatusColumn };

// The status tool tip shows the end of a job's log: the engine's last words are the useful ones.
constexpr int kLogLinesShown = 15;

QString tailOf(const QString &log)
{
    const QStringList lines = log.trimmed().split(QLatin1Char('\n'));
    return lines.mid(qMax(0, lines.size() - kLogLinesShown)).join(QLatin1Char('\n'));
}
}

ConvertList::ConvertList(QTableWidget *table, QObject *parent)
    : QObject(parent)
    , m_table(table)
{
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Source File"), tr("File Size"), tr("Status")});
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(SizeColumn, QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(StatusColumn, QHeaderView::Fixed);
    m_table->setColumnWidth(SizeColumn, 80);
    m_table->setColumnWidth(StatusColumn, 130);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
}

ConvertList::~ConvertList()
{
    // Results of probes still queued would arrive for a list that is gone.
    m_probePool.clear();
    m_probePool.waitForDone();
}

void ConvertList::addFile(const QString &path)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto *name = new QTableWidgetItem(QFileInfo(path).fileName());
    name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(path);
    auto *size = new QTableWidgetItem;
    size->setTextAlignment(Qt::AlignCenter);
    auto *status = new QTableWidgetItem(rowStateText(RowState::Ready));
    status->setTextAlignment(Qt::AlignCenter);
    m_table->setItem(row, NameColumn, name);
    m_table->setItem(row, SizeColumn, size);
    m_table->setItem(row, StatusColumn, status);
    m_table->selectRow(row);

    ConvertTask task;
    task.sourcePath = path;
    task.subtitlePath = MediaFiles::sidecarSubtitle(path);
    task.hasSubtitle = !task.subtitlePath.isEmpty();
    core().tasks.append(task);
    core().currentTask = row;

    const quint64 id = m_nextId++;
    m_rows.push_back(Row{id, RowState::Ready, false, MediaProbe(), QString()});
    ++m_pendingProbes;
    m_probePool.start([this, id, path] {
        const MediaProbe probe = probeMedia(path);
        QMetaObject::invokeMethod(this, [this, id, probe] { applyProbe(id, probe); }, Qt::QueuedConnection);
    });
}

void ConvertList::addFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        addFile(path);
}

void ConvertList::applyProbe(quint64 id, const MediaProbe &probe)
{
    --m_pendingProbes;
    const int row = rowOf(id);
    if (row >= 0 && !m_rows.at(row).probed) {
        storeProbe(row, probe);
        emit sigProbed(row);
    }
    if (m_pendingProbes == 0)
        emit sigAllProbed();
}

void ConvertList::storeProbe(int row, const MediaProbe &probe)
{
    Row &record = m_rows[row];
    record.probed = true;
    record.probe = probe;
    ConvertTask &task = core().tasks[row];
    task.width = probe.width;
    task.height = probe.height;
    if (task.end == 0)
        task.end = probe.duration;
}

MediaProbe ConvertList::probe(int row)
{
    // The worker's own result is dropped when it arrives: this one is as good.
    if (!m_rows.at(row).probed)
        storeProbe(row, probeMedia(path(row)));
    return m_rows.at(row).probe;
}

quint64 ConvertList::idOf(int row) const
{
    return row >= 0 && row < count() ? m_rows[row].id : 0;
}

int ConvertList::rowOf(quint64 id) const
{
    for (int row = 0; row < count(); ++row) {
        if (m_rows[row].id == id)
            return row;
    }
    return -1;
}

QString ConvertList::path(int row) const
{
    return core().tasks.value(row).sourcePath;
}

RowState ConvertList::state(int row) const
{
    return m_rows[row].state;
}

void ConvertList::setState(int row, RowState state)
{
    m_rows[row].state = state;
    if (state == RowState::Ready || state == RowState::Running || state == RowState::Completed)
        m_rows[row].log.clear();
    refreshStatus(row);
}

QString ConvertList::log(int row) const
{
    return m_rows[row].log;
}

void ConvertList::setOutcome(int row, RowState state, const QString &log)
{
    m_rows[row].state = state;
    m_rows[row].log = log;
    refreshStatus(row);
}

void ConvertList::showProgress(int row, const QString &status, const QString &size)
{
    if (!status.isEmpty())
        m_table->item(row, StatusColumn)->setText(status);
    if (!size.isEmpty())
        m_table->item(row, SizeColumn)->setText(size);
}

void ConvertList::refreshStatus(int row)
{
    QTableWidgetItem *status = m_table->item(row, StatusColumn);
    const RowState state = m_rows[row].state;
    // The long state text does not fit the narrow column: the cell says "Completed" with a
    // warning sign, and its tool tip tells the whole of it.
    const bool warned = state == RowState::CompletedWithWarnings;
    status->setText(rowStateText(warned ? RowState::Completed : state));
    status->setIcon(warned ? m_table->style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
    const QString notes = tailOf(m_rows[row].log);
    status->setToolTip(warned ? rowStateText(state) + QStringLiteral(":\n") + notes : notes);
}

QTableWidgetItem *ConvertList::statusItem(int row) const
{
    return m_table->item(row, StatusColumn);
}

QTableWidgetItem *ConvertList::sizeItem(int row) const
{
    return m_table->item(row, SizeColumn);
}

bool ConvertList::converting() const
{
    return std::any_of(m_rows.cbegin(), m_rows.cend(), [](const Row &row) { return isConverting(row.state); });
}

QList<int> ConvertList::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ConvertList::removeRow(int row)
{
    m_table->removeRow(row);
    core().tasks.removeAt(row);
    m_rows.erase(m_rows.begin() + row);
    if (core().currentTask >= core().tasks.size())
        core().currentTask = qMax(0, core().tasks.size() - 1);
}

void ConvertList::removeRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        if (*it >= 0 && *it < count())
            removeRow(*it);
    }
}

void ConvertList::markSelectedReady()
{
    for (int row : selectedRows())
        setState(row, RowState::Ready);
}
