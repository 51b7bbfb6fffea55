#pragma once

#include "subtitles/subtitleevent.h"
#include "subtitles/subtitlestyle.h"

#include <QUndoCommand>
#include <QVector>

class SubtitleTable;

// One new cue at a row.
class InsertSubtitleCommand : public QUndoCommand
{
public:
    InsertSubtitleCommand(SubtitleTable *table, int row, const SubtitleEvent &event);
    void redo() override;
    void undo() override;

private:
    SubtitleTable *m_table;
    int m_row;
    SubtitleEvent m_event;
};

// Several cues removed; undo puts them back where they were.
class RemoveSubtitlesCommand : public QUndoCommand
{
public:
    RemoveSubtitlesCommand(SubtitleTable *table, QVector<int> rows);
    void redo() override;
    void undo() override;

private:
    SubtitleTable *m_table;
    QVector<int> m_rows; // ascending
    QVector<SubtitleEvent> m_events;
};

// Cues changed in place: a cell or field edit, a shift, a replacement.
class ChangeSubtitlesCommand : public QUndoCommand
{
public:
    // Consecutive changes of the same kind to the same rows fold into one
    // step (typing in a field); kind -1 never folds.
    ChangeSubtitlesCommand(SubtitleTable *table, QVector<int> rows, QVector<SubtitleEvent> before,
                           QVector<SubtitleEvent> after, const QString &text, int kind = -1);
    void redo() override;
    void undo() override;
    int id() const override { return m_kind; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void apply(const QVector<SubtitleEvent> &events);

    SubtitleTable *m_table;
    QVector<int> m_rows;
    QVector<SubtitleEvent> m_before;
    QVector<SubtitleEvent> m_after;
    int m_kind;
};

// A new style list; the lines' style numbers follow their styles.
class ChangeStylesCommand : public QUndoCommand
{
public:
    struct Styles
    {
        QVector<SubtitleStyle> styles;
        QVector<int> numbers; // one style number a line
    };

    ChangeStylesCommand(SubtitleTable *table, Styles before, Styles after);
    void redo() override;
    void undo() override;

private:
    SubtitleTable *m_table;
    Styles m_before;
    Styles m_after;
};
