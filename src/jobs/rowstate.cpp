#include "jobs/rowstate.h"

#include <QCoreApplication>

QString rowStateText(RowState state)
{
    switch (state) {
    case RowState::Ready:
        return QCoreApplication::translate("MainWindow", "Ready");
    case RowState::Running:
        return QCoreApplication::translate("MainWindow", "Queued");
    case RowState::Stopping:
        return QCoreApplication::translate("MainWindow", "Stopping…");
    case RowState::Completed:
        return QCoreApplication::translate("MainWindow", "Completed");
    case RowState::CompletedWithWarnings:
        return QCoreApplication::translate("MainWindow", "Completed with warnings");
    case RowState::Failed:
        return QCoreApplication::translate("MainWindow", "Failed");
    case RowState::Stopped:
        return QCoreApplication::translate("MainWindow", "Stopped");
    case RowState::NotStarted:
        return QCoreApplication::translate("MainWindow", "Not started");
    }
    return QString();
}

bool isDone(RowState state)
{
    return state == RowState::Completed || state == RowState::CompletedWithWarnings;
}

bool isConverting(RowState state)
{
    return state == RowState::Running || state == RowState::Stopping;
}
