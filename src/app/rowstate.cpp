#include "app/rowstate.h"

#include <QCoreApplication>

QString rowStateText(RowState state)
{
    switch (state) {
    case RowState::Ready:
        return QCoreApplication::translate("MainWindow", "Ready");
    case RowState::Running:
        return QCoreApplication::translate("MainWindow", "Queued");
    case RowState::Completed:
        return QCoreApplication::translate("MainWindow", "Completed");
    case RowState::Failed:
        return QCoreApplication::translate("MainWindow", "Failed");
    case RowState::Stopped:
        return QCoreApplication::translate("MainWindow", "Stopped");
    }
    return QString();
}
