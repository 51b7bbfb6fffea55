#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <map>

class SubtitleParser;
class SubtitleSession;

// Every row's subtitle session, by row id. A window asks for the session of the row it shows
// and shows it; the session lives, unsaved edits and all, until its row goes, whichever row
// the windows show meanwhile.
class SubtitleSessions : public QObject
{
    Q_OBJECT
public:
    explicit SubtitleSessions(QObject *parent = nullptr);

    // The row's session, read from the row's subtitle file when it is first asked for.
    SubtitleSession *open(quint64 rowId, const QString &path);
    // Null while no window asked for the row's session.
    SubtitleSession *find(quint64 rowId) const;
    // The row names another file now: a session without unsaved edits reads it. Edits are
    // never dropped here; whoever names another file asks about them first.
    void followFile(quint64 rowId, const QString &path);
    // The row is gone, and so is its session.
    void forget(quint64 rowId);
    // Rows whose sessions hold edits that no file has, in the order of their ids.
    QList<quint64> unsavedRows() const;
    // The row's document while it holds unsaved edits, for a run to burn; null otherwise.
    const SubtitleParser *unsavedDocument(quint64 rowId) const;

signals:
    // A session was saved to a file, which the row should name from now on.
    void saved(quint64 rowId, const QString &path);

private:
    std::map<quint64, SubtitleSession *> m_sessions;
};
