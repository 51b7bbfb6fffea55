#include "subtitles/subtitleedits.h"

#include <algorithm>

namespace SubtitleEdits {

QVector<int> affectedRows(Affect affect, int rowCount, const QVector<int> &selectedRows, int currentRow)
{
    QVector<int> rows;
    switch (affect) {
    case Affect::AllRows:
        for (int row = 0; row < rowCount; ++row)
            rows.append(row);
        break;
    case Affect::SelectedRows:
        for (int row : selectedRows) {
            if (row >= 0 && row < rowCount)
                rows.append(row);
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        break;
    case Affect::SelectionOnward:
        if (currentRow >= 0) {
            for (int row = currentRow + 1; row < rowCount; ++row)
                rows.append(row);
        }
        break;
    }
    return rows;
}

bool shiftEvent(SubtitleEvent &event, qint64 deltaMs, Times times)
{
    const bool wasOrdered = event.Start <= event.End;
    qint64 start = event.Start;
    qint64 end = event.End;
    if (times != Times::EndOnly)
        start += deltaMs;
    if (times != Times::StartOnly)
        end += deltaMs;
    const qint64 wantedStart = start;
    const qint64 wantedEnd = end;
    start = qMax<qint64>(0, start);
    end = qMax<qint64>(0, end);
    if (wasOrdered && end < start) {
        // Only one of the two times moved; that one stops at the other.
        if (times == Times::StartOnly)
            start = end;
        else
            end = start;
    }
    event.Start = start;
    event.End = end;
    return start != wantedStart || end != wantedEnd;
}

bool replaceText(SubtitleEvent &event, const QString &find, const QString &replacement)
{
    if (find.isEmpty() || !event.Text.contains(find, Qt::CaseSensitive))
        return false;
    const QString before = event.Text;
    event.Text.replace(find, replacement, Qt::CaseSensitive);
    return event.Text != before;
}

bool sameCue(const SubtitleEvent &a, const SubtitleEvent &b)
{
    return a.Start == b.Start && a.End == b.End && a.Text == b.Text;
}

}
