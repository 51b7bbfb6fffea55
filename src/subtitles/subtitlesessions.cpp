#include "subtitles/subtitlesessions.h"

#include "subtitles/subtitlesession.h"

SubtitleSessions::SubtitleSessions(QObject *parent)
    : QObject(parent)
{
}

SubtitleSession *SubtitleSessions::open(quint64 rowId, const QString &path)
{
    if (SubtitleSession *session = find(rowId)) {
        followFile(rowId, path);
        return session;
    }
    auto *session = new SubtitleSession(this);
    session->follow(path);
    connect(session, &SubtitleSession::saved, this, [this, rowId](const QString &file) { emit saved(rowId, file); });
    m_sessions[rowId] = session;
    return session;
}

SubtitleSession *SubtitleSessions::find(quint64 rowId) const
{
    const auto found = m_sessions.find(rowId);
    return found == m_sessions.end() ? nullptr : found->second;
}

void SubtitleSessions::followFile(quint64 rowId, const QString &path)
{
    SubtitleSession *session = find(rowId);
    if (session && session->path() != path && !session->isModified())
        session->follow(path);
}

void SubtitleSessions::forget(quint64 rowId)
{
    const auto found = m_sessions.find(rowId);
    if (found == m_sessions.end())
        return;
    delete found->second;
    m_sessions.erase(found);
}

QList<quint64> SubtitleSessions::unsavedRows() const
{
    QList<quint64> rows;
    for (const auto &entry : m_sessions) {
        if (entry.second->isModified())
            rows << entry.first;
    }
    return rows;
}

const SubtitleParser *SubtitleSessions::unsavedDocument(quint64 rowId) const
{
    const SubtitleSession *session = find(rowId);
    return session && session->isModified() ? &session->document() : nullptr;
}
