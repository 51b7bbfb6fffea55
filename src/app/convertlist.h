#pragma once

#include "app/rowstate.h"
#include "common/mediaprobe.h"

#include <QList>
#include <QObject>
#include <QThreadPool>

#include <vector>

class QTableWidget;
class QTableWidgetItem;

// The conversion table and its tasks: one row, one task in Core's list, one state.
// Files are listed at once and probed on worker threads; the task's size and
// duration arrive when the probe ends.
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

    RowState state(int row) const;
    void setState(int row, RowState state);
    // What the engine said about the row's last failed or stopped job.
    QString log(int row) const;
    void setFailure(int row, RowState state, const QString &log);

    // The row's probe, probing now when the worker has not delivered it yet.
    MediaProbe probe(int row);
    // True while probes of added files are still running.
    bool probing() const { return m_pendingProbes > 0; }

    // The cells a job writes its progress and output size into.
    QTableWidgetItem *statusItem(int row) const;
    QTableWidgetItem *sizeItem(int row) const;
    // Rows cannot be removed while jobs are writing into them.
    bool converting() const;

    // Selected rows, in ascending order.
    QList<int> selectedRows() const;
    void removeSelectedRows();
    void removeAll();
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
    int rowOf(quint64 id) const;
    void refreshStatus(int row);

    QTableWidget *m_table;
    std::vector<Row> m_rows;
    quint64 m_nextId = 1;
    int m_pendingProbes = 0;
    QThreadPool m_probePool;
};
