#include "subtitles/qsubtitledelegate.h"

#include <QPlainTextEdit>

QWidget *QSubtitleDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    return new QPlainTextEdit(parent);
}

void QSubtitleDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QPlainTextEdit *>(editor)->setPlainText(index.data().toString());
}

void QSubtitleDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QPlainTextEdit *>(editor)->toPlainText());
}

void QSubtitleDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                             const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
