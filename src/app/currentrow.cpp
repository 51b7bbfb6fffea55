#include "app/currentrow.h"

#include "jobs/conversionlistmodel.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QMessageBox>

CurrentRow::CurrentRow(ConversionListModel *model, QItemSelectionModel *selection, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_selection(selection)
{
    connect(m_selection, &QItemSelectionModel::currentRowChanged, this, [this] { emit changed(id()); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles) {
                const int row = m_selection->currentIndex().row();
                if (row >= topLeft.row() && row <= bottomRight.row()
                    && roles.contains(ConversionListModel::TaskRole))
                    emit taskChanged(id());
            });
}

quint64 CurrentRow::id() const
{
    const QModelIndex current = m_selection->currentIndex();
    return current.isValid() ? m_model->idAt(current.row()) : 0;
}

ConvertTask CurrentRow::task() const
{
    return m_model->task(id());
}

bool CurrentRow::update(const std::function<void(ConvertTask &)> &change)
{
    return m_model->updateTask(id(), change);
}

QList<quint64> CurrentRow::selectedOrCurrent() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_selection->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<quint64> ids;
    for (int row : qAsConst(rows))
        ids << m_model->idAt(row);
    if (ids.isEmpty() && id() != 0)
        ids << id();
    return ids;
}

void CurrentRow::clearListSelection()
{
    m_selection->clearSelection();
}

bool CurrentRow::require(QWidget *parent) const
{
    if (id() != 0)
        return true;
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(),
                    QCoreApplication::translate("MainWindow", "Add media file to list"), QMessageBox::Yes, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    return false;
}
