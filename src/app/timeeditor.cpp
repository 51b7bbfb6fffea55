#include "app/timeeditor.h"

#include "common/timeconv.h"

#include <QTimeEdit>

QTimeEdit *newTimeEditor(qint64 us)
{
    auto *editor = new QTimeEdit(TimeConv::toTime(us));
    editor->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    return editor;
}
