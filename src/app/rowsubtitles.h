#pragma once

#include <QList>
#include <QObject>

class ConversionListModel;
class SubtitleSessions;
class QWidget;

// Keeps the rows' subtitle sessions in step with the list: a session follows the file its
// row names, saving a session makes its row name the saved file, and a session goes with
// its row.
class RowSubtitles : public QObject
{
    Q_OBJECT
public:
    RowSubtitles(ConversionListModel *rows, SubtitleSessions *sessions, QObject *parent = nullptr);

    // Before the rows go, or the program: asks about each of their sessions that holds
    // unsaved edits. False when the user cancelled; nothing may go then.
    bool settle(QWidget *parent, const QList<quint64> &ids) const;

private:
    ConversionListModel *m_rows;
    SubtitleSessions *m_sessions;
};
