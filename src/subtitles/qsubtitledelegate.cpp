#include "subtitles/qsubtitledelegate.h"

#include "subtitles/srtmarkup.h"
#include "subtitles/subtitletable.h"

#include <QPlainTextEdit>

QString QSubtitleDelegate::shownText(const QModelIndex &index) const
{
    const QString text = index.data().toString();
    return index.data(SubtitleTable::SrtMarkupRole).toBool() ? SrtMarkup::withoutTags(text) : text;
}

void QSubtitleDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = shownText(index);
}

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
