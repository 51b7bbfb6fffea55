#include "jobs/unfinishedoutput.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
QString withMark(const QString &path, const QString &mark)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int cut = dot <= nameStart ? path.size() : dot;
    return path.left(cut) + mark + path.mid(cut);
}
}

QString unfinishedName(const QString &path)
{
    const QString mark = QCoreApplication::translate("UnfinishedOutput", "unfinished");
    QString candidate = withMark(path, QStringLiteral(" (%1)").arg(mark));
    for (int counter = 2; QFileInfo::exists(candidate); ++counter)
        candidate = withMark(path, QStringLiteral(" (%1 %2)").arg(mark).arg(counter));
    return candidate;
}

QString setAsideUnfinished(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QString();
    const QString target = unfinishedName(path);
    if (QFile::rename(path, target))
        return target;
    QFile::remove(path);
    return QString();
}
