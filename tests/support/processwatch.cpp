#include "processwatch.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

QString commandName(const QString &pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
}

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

int ProcessWatch::liveChildrenNamed(qint64 parent, const QString &name)
{
    int count = 0;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        const QStringList fields = statFields(entry);
        if (fields.size() > 1 && !isZombie(fields) && fields.at(1).toLongLong() == parent
            && commandName(entry) == name)
            ++count;
    }
    return count;
}
