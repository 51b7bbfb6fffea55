#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

#include <memory>

// The right to make one output file, shared safely by runners in several processes or on
// several machines writing to one folder. A lock file beside the output says who is at work;
// the engine writes a hidden partial file, and only a finished file is moved to the final
// name, never over a file that is there. Dropping an unpublished claim removes the partial
// file and the lock.
class OutputClaim
{
    Q_DECLARE_TR_FUNCTIONS(OutputClaim)

public:
    enum class State { Claimed, AlreadyDone, Taken, Failed };

    explicit OutputClaim(const QString &finalPath);
    ~OutputClaim();
    OutputClaim(const OutputClaim &) = delete;
    OutputClaim &operator=(const OutputClaim &) = delete;

    State claim(QString *error);
    QString finalPath() const { return m_finalPath; }
    // Where the engine writes: the final name, hidden, with ".part" before its extension.
    QString partialPath() const { return m_partialPath; }
    QString lockPath() const { return m_lockPath; }

    // Moves the finished partial file to the final name and gives up the lock.
    bool publish(QString *error);
    // Removes the partial file and gives up the lock.
    void abandon();

private:
    QString m_finalPath;
    QString m_partialPath;
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};
