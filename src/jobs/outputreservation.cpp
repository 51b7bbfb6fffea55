#include "jobs/outputreservation.h"

#include "settings/outputname.h"

#include <QDir>

namespace {

QString key(const QString &path)
{
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
}

QString numbered(const QString &proposed, int counter)
{
    const int nameStart = proposed.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = proposed.lastIndexOf(QLatin1Char('.'));
    const int cut = dot < nameStart ? proposed.size() : dot;
    return proposed.left(cut) + QStringLiteral("_%1").arg(counter) + proposed.mid(cut);
}

}

OutputReservation::OutputReservation(bool coverage)
    : m_coverage(coverage)
{
}

void OutputReservation::protect(const QString &path)
{
    if (!path.isEmpty())
        m_claimed.insert(key(path));
}

QString OutputReservation::reserve(const QString &proposed)
{
    QString path = outputPathFor(proposed, m_coverage);
    for (int counter = 2; m_claimed.contains(key(path)); ++counter)
        path = outputPathFor(numbered(proposed, counter), m_coverage);
    m_claimed.insert(key(path));
    return path;
}

bool OutputReservation::isClaimed(const QString &path) const
{
    return m_claimed.contains(key(path));
}
