#pragma once

#include <QSet>
#include <QString>

// Every file a run writes is claimed here before an engine starts on it, so that no two
// jobs of the run, and no file already on disk (unless overwriting is allowed), share a
// name. Inputs of the run are protected: no output is ever written over them.
class OutputReservation
{
public:
    explicit OutputReservation(bool coverage = false);

    bool coverage() const { return m_coverage; }
    // Keeps a file the run reads (a source, a title sequence, a music file) from being chosen.
    void protect(const QString &path);
    // The proposed path after the naming rule (an existing file gets the time before its
    // extension unless coverage allows overwriting), numbered "_2", "_3", ... before the
    // extension while the result is claimed already. The result is claimed.
    QString reserve(const QString &proposed);
    bool isClaimed(const QString &path) const;

private:
    bool m_coverage;
    QSet<QString> m_claimed;
};
