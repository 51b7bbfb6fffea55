#include "app/taskedits.h"

#include "jobs/splitcommand.h"

namespace {
qint64 lengthOf(qint64 start, qint64 end)
{
    return qMax<qint64>(0, end - start);
}
}

namespace TaskEdits {

QList<SplitEntry> splitParts(const ConvertTask &task, qint64 duration)
{
    // The parts the mode gives, not the ones already chosen.
    ConvertTask byMode = task;
    byMode.splits.clear();
    QList<SplitEntry> parts;
    for (const SplitRange &range : splitRanges(byMode, duration))
        parts.append({range.start, range.end});
    return parts;
}

int mainMergeRow(const ConvertTask &task)
{
    return task.titleSequences.size();
}

int mergeRowCount(const ConvertTask &task)
{
    return task.titleSequences.size() + 1 + task.endings.size();
}

qint64 mergeTotal(const ConvertTask &task)
{
    qint64 total = lengthOf(task.start, task.end);
    for (const MergeEntry &entry : task.titleSequences)
        total += lengthOf(entry.start, entry.end);
    for (const MergeEntry &entry : task.endings)
        total += lengthOf(entry.start, entry.end);
    return total;
}

void setMergeTime(ConvertTask &task, int row, bool start, qint64 us)
{
    const int main = mainMergeRow(task);
    qint64 *target = nullptr;
    if (row == main)
        target = start ? &task.start : &task.end;
    else if (row >= 0 && row < main)
        target = start ? &task.titleSequences[row].start : &task.titleSequences[row].end;
    else if (row > main && row < mergeRowCount(task))
        target = start ? &task.endings[row - main - 1].start : &task.endings[row - main - 1].end;
    if (target)
        *target = us;
}

bool removeMergeRow(ConvertTask &task, int row)
{
    const int main = mainMergeRow(task);
    if (row >= 0 && row < main)
        task.titleSequences.removeAt(row);
    else if (row > main && row < mergeRowCount(task))
        task.endings.removeAt(row - main - 1);
    else
        return false;
    task.mergeOn = !task.titleSequences.isEmpty() || !task.endings.isEmpty();
    return true;
}

int moveMergeRow(ConvertTask &task, int row, int direction)
{
    const int main = mainMergeRow(task);
    const int target = row + direction;
    if (row == main || row < 0 || row >= mergeRowCount(task) || target < 0 || target >= mergeRowCount(task))
        return -1;

    if (target == main) {
        // Passing the main row turns a title sequence into the first ending and back.
        if (direction > 0)
            task.endings.prepend(task.titleSequences.takeLast());
        else
            task.titleSequences.append(task.endings.takeFirst());
        return target;
    }
    if (row < main)
        task.titleSequences.swapItemsAt(row, target);
    else
        task.endings.swapItemsAt(row - main - 1, target - main - 1);
    return target;
}

}
