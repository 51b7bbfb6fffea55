#include "app/rowsubtitles.h"

#include "jobs/conversionlistmodel.h"
#include "subtitles/subtitlesessions.h"
#include "subtitles/subtitletrackchoice.h"
#include "subtitles/unsavedsubtitles.h"

#include <QFileInfo>

RowSubtitles::RowSubtitles(ConversionListModel *rows, SubtitleSessions *sessions, QObject *parent)
    : QObject(parent)
    , m_rows(rows)
    , m_sessions(sessions)
{
    connect(m_rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles) {
                if (!roles.contains(ConversionListModel::TaskRole))
                    return;
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
                    const quint64 id = m_rows->idAt(row);
                    m_sessions->followFile(id, m_rows->task(id).subtitlePath);
                }
            });
    connect(m_rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                for (int row = first; row <= last; ++row)
                    m_sessions->forget(m_rows->idAt(row));
            });
    connect(m_sessions, &SubtitleSessions::saved, this, [this](quint64 id, const QString &path) {
        // The saved file holds what is burned from now on, whatever track the lines came from.
        m_rows->updateTask(id, [&path](ConvertTask &task) { SubtitleTrackChoice::applyFile(task, path); });
    });
}

bool RowSubtitles::settle(QWidget *parent, const QList<quint64> &ids) const
{
    for (quint64 id : m_sessions->unsavedRows()) {
        if (ids.contains(id)
            && !UnsavedSubtitles::settle(parent, m_sessions->find(id), QFileInfo(m_rows->path(id)).fileName()))
            return false;
    }
    return true;
}
