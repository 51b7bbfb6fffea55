#include "batch/outputclaim.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString hiddenBeside(const QFileInfo &file, const QString &name)
{
    return file.path() + QStringLiteral("/.") + name;
}

// rename() that fails when the target exists. Where the file system cannot do that in one
// step, a hard link does the same: it too refuses an existing name.
bool moveWithoutReplacing(const QString &from, const QString &to, QString *error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EINVAL || errno == ENOSYS) {
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return true;
        }
    }
    *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

}

OutputClaim::OutputClaim(const QString &finalPath)
    : m_finalPath(finalPath)
{
    const QFileInfo file(finalPath);
    const QString suffix = file.suffix();
    m_partialPath = hiddenBeside(file, file.completeBaseName() + QStringLiteral(".part")
                                           + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
    m_lockPath = hiddenBeside(file, file.fileName() + QStringLiteral(".lock"));
}

OutputClaim::~OutputClaim()
{
    abandon();
}

OutputClaim::State OutputClaim::claim(QString *error)
{
    if (QFileInfo::exists(m_finalPath))
        return State::AlreadyDone;
    auto lock = std::make_unique<QLockFile>(m_lockPath);
    // A long conversion on another machine must never look abandoned; a lock left by a
    // process of this machine that has died is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return State::Taken;
        *error = tr("The lock file %1 could not be made.").arg(m_lockPath);
        return State::Failed;
    }
    m_lock = std::move(lock);
    // Another runner may have finished it between the look and the lock.
    if (QFileInfo::exists(m_finalPath)) {
        abandon();
        return State::AlreadyDone;
    }
    return State::Claimed;
}

bool OutputClaim::publish(QString *error)
{
    if (!m_lock) {
        *error = tr("The output %1 was not claimed.").arg(m_finalPath);
        return false;
    }
    QString reason;
    if (!moveWithoutReplacing(m_partialPath, m_finalPath, &reason)) {
        *error = tr("The finished file could not be moved to %1: %2").arg(m_finalPath, reason);
        abandon();
        return false;
    }
    m_lock.reset();
    return true;
}

void OutputClaim::abandon()
{
    if (!m_lock)
        return;
    QFile::remove(m_partialPath);
    m_lock.reset();
}
