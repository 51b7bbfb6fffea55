#include "jobs/conversionlistmodel.h"

#include "common/displaytext.h"

#include <QFileInfo>

#include <algorithm>

namespace {
// The status tool tip shows the end of a job's log: the engine's last words are the useful ones.
constexpr int kLogLinesShown = 15;

QString tailOf(const QString &log)
{
    const QStringList lines = log.trimmed().split(QLatin1Char('\n'));
    return lines.mid(qMax(0, lines.size() - kLogLinesShown)).join(QLatin1Char('\n'));
}

// States whose log no longer says anything once they are reached.
bool clearsLog(RowState state)
{
    return state == RowState::Ready || state == RowState::Running || state == RowState::Completed;
}
}

ConversionListModel::ConversionListModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_watermarkIcon(QStringLiteral(":/res/watermark.svg"))
{
}

ConversionListModel::~ConversionListModel()
{
    // Results of probes still queued would arrive for a list that is gone.
    m_probePool.clear();
    m_probePool.waitForDone();
}

int ConversionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int ConversionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ConversionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Source File");
    case SizeColumn:
        return tr("File Size");
    case StatusColumn:
        return tr("Status");
    }
    return QVariant();
}

QVariant ConversionListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    const Row &row = m_rows[size_t(index.row())];
    if (role == RowIdRole)
        return row.id;
    if (role == Qt::TextAlignmentRole)
        return index.column() == NameColumn ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    switch (index.column()) {
    case NameColumn:
        return nameData(row, role);
    case SizeColumn:
        return sizeData(row, role);
    case StatusColumn:
        return statusData(row, role);
    }
    return QVariant();
}

QVariant ConversionListModel::nameData(const Row &row, int role) const
{
    const ConvertTask &task = row.task;
    switch (role) {
    case Qt::DisplayRole:
        return QFileInfo(task.sourcePath).fileName();
    case Qt::DecorationRole:
        return m_watermarkLayers > 0 ? m_watermarkIcon : QVariant();
    case Qt::ToolTipRole: {
        // The path, then what the picture gets besides the conversion.
        QStringList lines{task.sourcePath};
        if (m_watermarkLayers > 0)
            lines << tr("Watermark layers: %1").arg(m_watermarkLayers);
        if (task.hasSubtitle && !task.subtitlePath.isEmpty())
            lines << tr("Subtitle burned in: %1").arg(QFileInfo(task.subtitlePath).fileName());
        if (task.crop.cropped)
            lines << tr("Picture cropped");
        if (task.transpose == 1 || task.transpose == 2)
            lines << tr("Picture turned");
        if (task.horizontalFlip || task.verticalFlip)
            lines << tr("Picture flipped");
        return lines.join(QLatin1Char('\n'));
    }
    }
    return QVariant();
}

QVariant ConversionListModel::sizeData(const Row &row, int role) const
{
    const bool output = !row.outputSize.isEmpty();
    if (!output && row.sourceSize < 0)
        return QVariant();
    if (role == Qt::DisplayRole)
        return output ? row.outputSize : DisplayText::fileSize(row.sourceSize);
    if (role == Qt::ToolTipRole)
        return output ? tr("Size of the output file") : tr("Size of the source file");
    return QVariant();
}

QVariant ConversionListModel::statusData(const Row &row, int role) const
{
    // The long state text does not fit the narrow column: the cell says "Completed" with a
    // warning sign, and its tool tip tells the whole of it.
    const bool warned = row.state == RowState::CompletedWithWarnings;
    switch (role) {
    case Qt::DisplayRole:
        if (row.state == RowState::Running && !row.progress.isEmpty())
            return row.progress;
        return rowStateText(warned ? RowState::Completed : row.state);
    case Qt::DecorationRole:
        return warned ? m_warningIcon : !row.unfinished.isEmpty() ? m_unfinishedIcon : QVariant();
    case Qt::ToolTipRole: {
        QStringList lines;
        if (warned)
            lines << rowStateText(row.state) + QLatin1Char(':');
        for (const QString &file : row.unfinished)
            lines << tr("Unfinished file kept: %1").arg(QFileInfo(file).fileName());
        lines << tailOf(row.log);
        return lines.join(QLatin1Char('\n'));
    }
    }
    return QVariant();
}

quint64 ConversionListModel::addTask(const ConvertTask &task)
{
    return addTasks({task}).value(0);
}

QList<quint64> ConversionListModel::addTasks(const QList<ConvertTask> &tasks)
{
    QList<quint64> added;
    if (tasks.isEmpty())
        return added;
    beginInsertRows(QModelIndex(), count(), count() + tasks.size() - 1);
    for (const ConvertTask &task : tasks) {
        Row row;
        row.id = m_nextId++;
        row.task = task;
        m_rows.push_back(row);
        added << row.id;
    }
    endInsertRows();

    for (int i = 0; i < tasks.size(); ++i) {
        const quint64 id = added[i];
        const QString path = tasks[i].sourcePath;
        ++m_pendingProbes;
        m_probePool.start([this, id, path] {
            const MediaProbe probe = probeMedia(path);
            const qint64 size = QFileInfo(path).isFile() ? QFileInfo(path).size() : -1;
            QMetaObject::invokeMethod(
                this, [this, id, probe, size] { applyProbe(id, probe, size); }, Qt::QueuedConnection);
        });
    }
    return added;
}

void ConversionListModel::applyProbe(quint64 id, const MediaProbe &probe, qint64 size)
{
    --m_pendingProbes;
    Row *row = find(id);
    if (row && !row->probed) {
        storeProbe(*row, probe, size);
        emit sigProbed(id);
    }
    if (m_pendingProbes == 0)
        emit sigAllProbed();
}

void ConversionListModel::storeProbe(Row &row, const MediaProbe &probe, qint64 size)
{
    row.probed = true;
    row.probe = probe;
    row.sourceSize = size;
    row.task.width = probe.width;
    row.task.height = probe.height;
    if (row.task.end == 0)
        row.task.end = probe.duration;
    changed(row.id, NameColumn, StatusColumn, {TaskRole});
}

MediaProbe ConversionListModel::probe(quint64 id)
{
    Row *row = find(id);
    if (!row)
        return MediaProbe();
    // The worker's own result is dropped when it arrives: this one is as good.
    if (!row->probed) {
        const QFileInfo source(row->task.sourcePath);
        storeProbe(*row, probeMedia(source.filePath()), source.isFile() ? source.size() : -1);
    }
    return row->probe;
}

void ConversionListModel::remove(const QList<quint64> &ids)
{
    for (quint64 id : ids) {
        const int row = rowOf(id);
        if (row < 0)
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
}

quint64 ConversionListModel::idAt(int row) const
{
    return row >= 0 && row < count() ? m_rows[size_t(row)].id : 0;
}

int ConversionListModel::rowOf(quint64 id) const
{
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(), [id](const Row &row) { return row.id == id; });
    return found == m_rows.cend() ? -1 : int(found - m_rows.cbegin());
}

QList<quint64> ConversionListModel::ids() const
{
    QList<quint64> all;
    for (const Row &row : m_rows)
        all << row.id;
    return all;
}

ConversionListModel::Row *ConversionListModel::find(quint64 id)
{
    const int row = rowOf(id);
    return row < 0 ? nullptr : &m_rows[size_t(row)];
}

const ConversionListModel::Row *ConversionListModel::find(quint64 id) const
{
    const int row = rowOf(id);
    return row < 0 ? nullptr : &m_rows[size_t(row)];
}

void ConversionListModel::changed(quint64 id, Column first, Column last, const QVector<int> &roles)
{
    const int row = rowOf(id);
    if (row >= 0)
        emit dataChanged(index(row, first), index(row, last), roles);
}

ConvertTask ConversionListModel::task(quint64 id) const
{
    const Row *row = find(id);
    return row ? row->task : ConvertTask();
}

bool ConversionListModel::updateTask(quint64 id, const std::function<void(ConvertTask &)> &change)
{
    Row *row = find(id);
    if (!row)
        return false;
    change(row->task);
    // The task shows in the name's tool tip; the other cells are the run's.
    changed(id, NameColumn, StatusColumn, {TaskRole, Qt::DisplayRole, Qt::ToolTipRole});
    return true;
}

RowState ConversionListModel::state(quint64 id) const
{
    const Row *row = find(id);
    return row ? row->state : RowState::Ready;
}

void ConversionListModel::setState(quint64 id, RowState state)
{
    Row *row = find(id);
    if (!row)
        return;
    row->state = state;
    row->progress.clear();
    if (clearsLog(state))
        row->log.clear();
    // A new run starts from the source again.
    if (state == RowState::Ready || state == RowState::Running) {
        row->outputSize.clear();
        row->unfinished.clear();
    }
    changed(id, SizeColumn, StatusColumn);
}

QString ConversionListModel::log(quint64 id) const
{
    const Row *row = find(id);
    return row ? row->log : QString();
}

void ConversionListModel::setOutcome(quint64 id, RowState state, const QString &log, const QStringList &unfinished)
{
    Row *row = find(id);
    if (!row)
        return;
    row->state = state;
    row->progress.clear();
    row->log = log;
    row->unfinished = unfinished;
    changed(id, StatusColumn, StatusColumn);
}

void ConversionListModel::showProgress(quint64 id, const QString &status, const QString &size)
{
    Row *row = find(id);
    if (!row)
        return;
    if (!status.isEmpty() && row->state == RowState::Running)
        row->progress = status;
    if (!size.isEmpty())
        row->outputSize = size;
    changed(id, SizeColumn, StatusColumn, {Qt::DisplayRole, Qt::ToolTipRole});
}

bool ConversionListModel::converting() const
{
    return std::any_of(m_rows.cbegin(), m_rows.cend(), [](const Row &row) { return isConverting(row.state); });
}

void ConversionListModel::setWatermarkLayers(int count)
{
    if (count == m_watermarkLayers)
        return;
    m_watermarkLayers = count;
    if (!m_rows.empty())
        emit dataChanged(index(0, NameColumn), index(this->count() - 1, NameColumn),
                         {Qt::DecorationRole, Qt::ToolTipRole});
}

void ConversionListModel::setStatusIcons(const QIcon &warning, const QIcon &unfinished)
{
    m_warningIcon = warning;
    m_unfinishedIcon = unfinished;
}
