#include "subtitles/subtitletable.h"

#include "common/timeconv.h"
#include "subtitles/subtitleedits.h"
#include "subtitles/subtitleparser.h"

#include <QApplication>
#include <QFont>
#include <QScopedValueRollback>
#include <QStandardItemModel>

namespace {

QString timeText(qint64 ms)
{
    return TimeConv::toText(ms * 1000);
}

}

SubtitleTable::SubtitleTable(SubtitleParser *document, QStandardItemModel *model, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_model(model)
{
    connect(m_model, &QStandardItemModel::dataChanged, this, &SubtitleTable::onDataChanged);
    retranslateHeaders();
}

int SubtitleTable::rowCount() const
{
    return m_document->events.size();
}

void SubtitleTable::setFileLoaded(bool fileLoaded)
{
    m_fileLoaded = fileLoaded;
    retranslateHeaders();
}

void SubtitleTable::retranslateHeaders()
{
    m_model->setHorizontalHeaderLabels(
        {tr("Start Time"), m_fileLoaded ? tr("Stop Time") : tr("End Time"), tr("Subtitle")});
}

void SubtitleTable::reload()
{
    QScopedValueRollback<bool> writing(m_writing, true);
    m_shownRows.clear();
    m_model->setRowCount(0);
    // All rows at once: a film's worth of lines, one insertion each, would keep the view busy.
    m_model->setRowCount(m_document->events.size());
    for (int row = 0; row < m_document->events.size(); ++row) {
        for (int column = StartColumn; column <= TextColumn; ++column)
            m_model->setItem(row, column, new QStandardItem);
        writeRow(row, m_document->events.at(row));
    }
}

SubtitleEvent SubtitleTable::event(int row) const
{
    return validRow(row) ? m_document->events.at(row) : SubtitleEvent();
}

void SubtitleTable::insertEvent(int row, const SubtitleEvent &event)
{
    row = qBound(0, row, rowCount());
    QScopedValueRollback<bool> writing(m_writing, true);
    m_document->events.insert(row, event);
    m_model->insertRow(row, {new QStandardItem, new QStandardItem, new QStandardItem});
    writeRow(row, event);
    QSet<int> shifted;
    for (int shown : qAsConst(m_shownRows))
        shifted.insert(shown >= row ? shown + 1 : shown);
    m_shownRows = shifted;
}

void SubtitleTable::removeEvent(int row)
{
    if (!validRow(row))
        return;
    QScopedValueRollback<bool> writing(m_writing, true);
    m_document->events.removeAt(row);
    m_model->removeRow(row);
    QSet<int> shifted;
    for (int shown : qAsConst(m_shownRows)) {
        if (shown != row)
            shifted.insert(shown > row ? shown - 1 : shown);
    }
    m_shownRows = shifted;
}

void SubtitleTable::setEvent(int row, const SubtitleEvent &event)
{
    if (!validRow(row))
        return;
    QScopedValueRollback<bool> writing(m_writing, true);
    m_document->events[row] = event;
    writeRow(row, event);
}

QVector<int> SubtitleTable::styleNumbers() const
{
    QVector<int> numbers;
    for (const SubtitleEvent &event : qAsConst(m_document->events))
        numbers.append(event.Style);
    return numbers;
}

void SubtitleTable::setStyles(const QVector<SubtitleStyle> &styles, const QVector<int> &styleNumbers)
{
    m_document->styles = styles;
    for (int row = 0; row < rowCount() && row < styleNumbers.size(); ++row)
        m_document->events[row].Style = styleNumbers.at(row);
    emit sigStylesChanged();
}

void SubtitleTable::setShownRows(const QSet<int> &rows)
{
    if (rows == m_shownRows)
        return;
    QScopedValueRollback<bool> writing(m_writing, true);
    for (int row : qAsConst(m_shownRows)) {
        if (!rows.contains(row))
            paintShown(row, false);
    }
    for (int row : rows) {
        if (!m_shownRows.contains(row))
            paintShown(row, true);
    }
    m_shownRows = rows;
}

void SubtitleTable::paintShown(int row, bool shown)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    // Bold on a blue tint, so that the mark reads apart from the grey selection.
    const QColor tint(29, 159, 228, 90);
    QFont bold = QApplication::font();
    bold.setBold(true);
    for (int column = StartColumn; column <= TextColumn; ++column) {
        if (QStandardItem *item = m_model->item(row, column)) {
            item->setData(shown ? QVariant(tint) : QVariant(), Qt::BackgroundRole);
            item->setData(shown ? QVariant(bold) : QVariant(), Qt::FontRole);
        }
    }
}

void SubtitleTable::writeRow(int row, const SubtitleEvent &event)
{
    m_model->item(row, StartColumn)->setText(timeText(event.Start));
    m_model->item(row, EndColumn)->setText(timeText(event.End));
    QStandardItem *text = m_model->item(row, TextColumn);
    text->setText(event.Text);
    text->setData(m_document->srtMarkup ? QVariant(true) : QVariant(), SrtMarkupRole);
}

bool SubtitleTable::validRow(int row) const
{
    return row >= 0 && row < rowCount() && row < m_model->rowCount();
}

void SubtitleTable::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                  const QVector<int> &roles)
{
    if (m_writing)
        return;
    if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole))
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        if (!validRow(row))
            continue;
        const SubtitleEvent before = m_document->events.at(row);
        SubtitleEvent after = before;
        bool readable = true;
        for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
            const QString text = m_model->index(row, column).data().toString();
            if (column == TextColumn) {
                after.Text = text;
            } else if (column == StartColumn || column == EndColumn) {
                bool ok = false;
                const qint64 ms = TimeConv::fromText(text, &ok) / 1000;
                readable = readable && ok;
                (column == StartColumn ? after.Start : after.End) = ms;
            }
        }
        if (!readable) {
            // Text that is no time: the cell goes back to what the document holds.
            QScopedValueRollback<bool> writing(m_writing, true);
            writeRow(row, before);
        } else if (!SubtitleEdits::sameCue(before, after)) {
            setEvent(row, after);
            emit sigCellEdited(row, before, after);
        }
    }
}
