#include "processwatch.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

// The fields after the command name of /proc/<pid>/stat: state first, then the parent's pid.
QStringList statFields(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(stat.readAll());
    return text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
}

bool isZombie(const QStringList &fields)
{
    return fields.isEmpty() || fields.at(0) == QLatin1String("Z");
}

}

qint64 ProcessWatch::childOf(qint64 parent)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        const QStringList fields = statFields(entry);
        if (fields.size() > 1 && !isZombie(fields) && fields.at(1).toLongLong() == parent)
            return entry.toLongLong();
    }
    return 0;
}

bool ProcessWatch::isAlive(qint64 pid)
{
    return !isZombie(statFields(QString::number(pid)));
}
