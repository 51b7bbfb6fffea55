#include "subtitles/qtimedelegate.h"

#include "common/timeconv.h"

#include <QTimeEdit>

namespace {
const QString kTimeFormat = QStringLiteral("HH:mm:ss:zzz");
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
    static_cast<QTimeEdit *>(editor)->setTime(time.isValid() ? time : QTime(0, 0));
}

void QTimeDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QTimeEdit *>(editor)->time().toString(kTimeFormat));
}

void QTimeDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                         const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
