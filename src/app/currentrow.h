#pragma once

#include "common/converttask.h"

#include <QList>
#include <QObject>

#include <functional>

class ConversionListModel;
class QItemSelectionModel;
class QWidget;

// The row the tabs show and edit: the list view's current row, followed through the model.
// A tab binds to this and never keeps a row of its own.
class CurrentRow : public QObject
{
    Q_OBJECT
public:
    CurrentRow(ConversionListModel *model, QItemSelectionModel *selection, QObject *parent = nullptr);

    ConversionListModel *model() const { return m_model; }
    // 0 when no row is current.
    quint64 id() const;
    // A copy of the current row's task; an empty task when there is none.
    ConvertTask task() const;
    // Changes the current row's task through the model; false when there is no current row.
    bool update(const std::function<void(ConvertTask &)> &change);
    // The rows selected in the list, in list order; the current row when none is.
    QList<quint64> selectedOrCurrent() const;
    void clearListSelection();
    // With no row to work on says "Add media file to list" and answers false.
    bool require(QWidget *parent) const;

signals:
    // Another row became current (0: none).
    void changed(quint64 id);
    // The current row's task changed, from whichever window.
    void taskChanged(quint64 id);

private:
    ConversionListModel *m_model;
    QItemSelectionModel *m_selection;
};
