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

QString unfinishedMark()
{
    return QCoreApplication::translate("UnfinishedOutput", "unfinished");
}

// "clip (unfinished 2).mp4" and on, for when "clip (unfinished).mp4" must stay.
QString numberedName(const QString &path)
{
    QString candidate;
    int counter = 2;
    do
        candidate = withMark(path, QStringLiteral(" (%1 %2)").arg(unfinishedMark()).arg(counter++));
    while (QFileInfo::exists(candidate));
    return candidate;
}
}

QString unfinishedName(const QString &path)
{
    return withMark(path, QStringLiteral(" (%1)").arg(unfinishedMark()));
}

QString setAsideUnfinished(const QString &path, const std::function<bool(const QString &)> &inUse)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QString();
    QString target = unfinishedName(path);
    if (QFileInfo::exists(target) && ((inUse && inUse(target)) || !QFile::remove(target)))
        target = numberedName(path);
    if (QFile::rename(path, target))
        return target;
    QFile::remove(path);
    return QString();
}
