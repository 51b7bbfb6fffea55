#pragma once

#include "common/converttask.h"
#include "common/mediaprobe.h"
#include "jobs/rowstate.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QThreadPool>

#include <functional>
#include <vector>

// The conversion list: every row's task, state, log, probe and size, one record a row, under
// an id that stays the row's for its whole life. Jobs, follow-ups and windows name a row by its
// id; a task changes only through this model, which tells every view by dataChanged. Files are
// listed at once and probed on worker threads; size and duration arrive when the probe ends.
class ConversionListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NameColumn, SizeColumn, StatusColumn, ColumnCount };
    enum Role {
        RowIdRole = Qt::UserRole + 1,
        // Named in dataChanged when a row's task changed, and in no other.
        TaskRole,
    };

    explicit ConversionListModel(QObject *parent = nullptr);
    ~ConversionListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Appends rows in state Ready and probes their sources; returns their ids.
    quint64 addTask(const ConvertTask &task);
    QList<quint64> addTasks(const QList<ConvertTask> &tasks);
    // Removes rows with their records; their jobs must have been stopped and detached first.
    void remove(const QList<quint64> &ids);

    int count() const { return int(m_rows.size()); }
    // The id of the row at a position (0 when there is none), and the position of an id
    // (-1 when its row is gone).
    quint64 idAt(int row) const;
    int rowOf(quint64 id) const;
    bool contains(quint64 id) const { return rowOf(id) >= 0; }
    QList<quint64> ids() const;

    // A copy of the row's task; an empty task when the row is gone.
    ConvertTask task(quint64 id) const;
    QString path(quint64 id) const { return task(id).sourcePath; }
    // Changes a row's task in place; false (and nothing changed) when the row is gone.
    bool updateTask(quint64 id, const std::function<void(ConvertTask &)> &change);

    RowState state(quint64 id) const;
    // A new state; the log goes unless the state is one that explains itself by it.
    void setState(quint64 id, RowState state);
    // What went wrong or was left out in the row's last run.
    QString log(quint64 id) const;
    // With the unfinished files the row's stopped jobs left, which the row then shows.
    void setOutcome(quint64 id, RowState state, const QString &log, const QStringList &unfinished = {});
    // A job's progress: the status text (shown while the row runs) and its output's size, unless empty.
    void showProgress(quint64 id, const QString &status, const QString &size);
    // True while a row is queued, converting or stopping.
    bool converting() const;

    // The row's probe, probing now when the worker has not delivered it yet.
    MediaProbe probe(quint64 id);
    // True while probes of added files are still running.
    bool probing() const { return m_pendingProbes > 0; }

    // One set of watermark layers is drawn on every row; the rows say so while there is one.
    void setWatermarkLayers(int count);
    // The signs of a row that completed with warnings, and of one that left an unfinished file.
    void setStatusIcons(const QIcon &warning, const QIcon &unfinished);

signals:
    // A probe result reached the row's task.
    void sigProbed(quint64 id);
    void sigAllProbed();

private:
    struct Row
    {
        quint64 id = 0;
        ConvertTask task;
        RowState state = RowState::Ready;
        QString progress; // what a running job last said, shown instead of the state's text
        QString outputSize; // of what the row's jobs wrote; the source's size shows until then
        qint64 sourceSize = -1;
        QString log;
        QStringList unfinished;
        bool probed = false;
        MediaProbe probe;
    };

    void applyProbe(quint64 id, const MediaProbe &probe, qint64 size);
    void storeProbe(Row &row, const MediaProbe &probe, qint64 size);
    Row *find(quint64 id);
    const Row *find(quint64 id) const;
    void changed(quint64 id, Column first, Column last, const QVector<int> &roles = {});
    QVariant nameData(const Row &row, int role) const;
    QVariant sizeData(const Row &row, int role) const;
    QVariant statusData(const Row &row, int role) const;

    std::vector<Row> m_rows;
    quint64 m_nextId = 1;
    int m_pendingProbes = 0;
    int m_watermarkLayers = 0;
    QIcon m_warningIcon;
    QIcon m_unfinishedIcon;
    QIcon m_watermarkIcon;
    QThreadPool m_probePool;
};
