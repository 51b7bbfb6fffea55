#include "subtitles/subtitlecommands.h"

#include "subtitles/subtitletable.h"

#include <QCoreApplication>

#include <algorithm>

InsertSubtitleCommand::InsertSubtitleCommand(SubtitleTable *table, int row, const SubtitleEvent &event)
    : QUndoCommand(QCoreApplication::translate("SubtitleDock", "Add subtitle"))
    , m_table(table)
    , m_row(row)
    , m_event(event)
{
}

void InsertSubtitleCommand::redo()
{
    m_table->insertEvent(m_row, m_event);
}

void InsertSubtitleCommand::undo()
{
    m_table->removeEvent(m_row);
}

RemoveSubtitlesCommand::RemoveSubtitlesCommand(SubtitleTable *table, QVector<int> rows)
    : QUndoCommand(QCoreApplication::translate("SubtitleDock", "Delete subtitle"))
    , m_table(table)
    , m_rows(std::move(rows))
{
    std::sort(m_rows.begin(), m_rows.end());
    m_rows.erase(std::unique(m_rows.begin(), m_rows.end()), m_rows.end());
    for (int row : qAsConst(m_rows))
        m_events.append(m_table->event(row));
}

void RemoveSubtitlesCommand::redo()
{
    // From the highest row down, so that the lower indices stay valid.
    for (int i = m_rows.size() - 1; i >= 0; --i)
        m_table->removeEvent(m_rows.at(i));
}

void RemoveSubtitlesCommand::undo()
{
    for (int i = 0; i < m_rows.size(); ++i)
        m_table->insertEvent(m_rows.at(i), m_events.at(i));
}

ChangeSubtitlesCommand::ChangeSubtitlesCommand(SubtitleTable *table, QVector<int> rows,
                                               QVector<SubtitleEvent> before, QVector<SubtitleEvent> after,
                                               const QString &text, int kind)
    : QUndoCommand(text)
    , m_table(table)
    , m_rows(std::move(rows))
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_kind(kind)
{
}

void ChangeSubtitlesCommand::redo()
{
    apply(m_after);
}

void ChangeSubtitlesCommand::undo()
{
    apply(m_before);
}

void ChangeSubtitlesCommand::apply(const QVector<SubtitleEvent> &events)
{
    // Only what the table shows; a style or margin set since then stays.
    for (int i = 0; i < m_rows.size() && i < events.size(); ++i) {
        SubtitleEvent event = m_table->event(m_rows.at(i));
        event.Start = events.at(i).Start;
        event.End = events.at(i).End;
        event.Text = events.at(i).Text;
        m_table->setEvent(m_rows.at(i), event);
    }
}

bool ChangeSubtitlesCommand::mergeWith(const QUndoCommand *other)
{
    const auto *change = static_cast<const ChangeSubtitlesCommand *>(other);
    if (change->m_table != m_table || change->m_rows != m_rows)
        return false;
    m_after = change->m_after;
    return true;
}

ChangeStylesCommand::ChangeStylesCommand(SubtitleTable *table, Styles before, Styles after)
    : QUndoCommand(QCoreApplication::translate("SubtitleDock", "Change styles"))
    , m_table(table)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void ChangeStylesCommand::redo()
{
    m_table->setStyles(m_after.styles, m_after.numbers);
}

void ChangeStylesCommand::undo()
{
    m_table->setStyles(m_before.styles, m_before.numbers);
}
