#include "subtitles/qtimedelegate.h"

#include "common/timeconv.h"

#include <QTimeEdit>

namespace {
const QString kTimeFormat = QStringLiteral("HH:mm:ss:zzz");
const char *const kPlaceholder = "placeholderTime";
}

QWidget *QTimeDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QTimeEdit(parent);
    editor->setDisplayFormat(kTimeFormat);
    return editor;
}

void QTimeDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QTime time = TimeConv::toTime(TimeConv::fromText(index.data().toString()));
    // A time of a day or more has no clock value; the field starts at zero and
    // remembers that it stands for nothing the user chose.
    editor->setProperty(kPlaceholder, !time.isValid());
    static_cast<QTimeEdit *>(editor)->setTime(time.isValid() ? time : QTime(0, 0));
}

void QTimeDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QTime time = static_cast<QTimeEdit *>(editor)->time();
    if (editor->property(kPlaceholder).toBool() && time == QTime(0, 0))
        return;
    model->setData(index, time.toString(kTimeFormat));
}

void QTimeDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                         const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
