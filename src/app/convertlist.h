#pragma once

#include "app/rowstate.h"
#include "common/mediaprobe.h"

#include <QList>
#include <QObject>
#include <QThreadPool>

#include <vector>

class QTableWidget;
class QTableWidgetItem;

// The conversion table and its tasks: one row, one task in Core's list, one state, and
// an id that stays the row's for its whole life (jobs name their row by it). This list alone
// changes what the table shows. Files are listed at once and probed on worker threads; the
// task's size and duration arrive when the probe ends.
class ConvertList : public QObject
{
    Q_OBJECT
public:
    explicit ConvertList(QTableWidget *table, QObject *parent = nullptr);
    ~ConvertList() override;

    void addFile(const QString &path);
    void addFiles(const QStringList &paths);
    int count() const { return int(m_rows.size()); }
    QString path(int row) const;

    // The row's stable id, and the row that has an id now (-1 when it was removed).
    quint64 idOf(int row) const;
    int rowOf(quint64 id) const;

    RowState state(int row) const;
    // A new state; the log goes unless the state is one that explains itself by it.
    void setState(int row, RowState state);
    // What went wrong or was left out in the row's last run.
    QString log(int row) const;
    void setOutcome(int row, RowState state, const QString &log);
    // A running job's progress: unless empty, the status text and the size text.
    void showProgress(int row, const QString &status, const QString &size);

    // The row's probe, probing now when the worker has not delivered it yet.
    MediaProbe probe(int row);
    // True while probes of added files are still running.
    bool probing() const { return m_pendingProbes > 0; }

    // The cells that show the row's state and output size.
    QTableWidgetItem *statusItem(int row) const;
    QTableWidgetItem *sizeItem(int row) const;
    // True while a row is queued, converting or stopping.
    bool converting() const;

    // Selected rows, in ascending order.
    QList<int> selectedRows() const;
    // Removes rows with their tasks; their jobs must have been stopped and detached first.
    void removeRows(QList<int> rows);
    void markSelectedReady();

signals:
    // A probe result reached the row's task.
    void sigProbed(int row);
    void sigAllProbed();

private:
    struct Row
    {
        quint64 id = 0;
        RowState state = RowState::Ready;
        bool probed = false;
        MediaProbe probe;
        QString log;
    };

    void removeRow(int row);
    void applyProbe(quint64 id, const MediaProbe &probe);
    void storeProbe(int row, const MediaProbe &probe);
    void refreshStatus(int row);

    QTableWidget *m_table;
    std::vector<Row> m_rows;
    quint64 m_nextId = 1;
    int m_pendingProbes = 0;
    QThreadPool m_probePool;
};
