#include "app/timeeditor.h"

#include "app/core.h"
#include "app/mainwindow.h"
#include "common/timeconv.h"

#include <QTimeEdit>

QTimeEdit *newTimeEditor(qint64 us, void (MainWindow::*onChanged)(QTime))
{
    auto *editor = new QTimeEdit(TimeConv::toTime(us));
    editor->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    if (MainWindow *window = core().mainWindow)
        QObject::connect(editor, &QTimeEdit::timeChanged, window, onChanged);
    return editor;
}
