#pragma once

#include "common/panelwidget.h"
#include "subtitles/subtitleedits.h"
#include "subtitles/subtitlestyle.h"

#include <QPointer>
#include <QTime>
#include <QVector>

#include <functional>

class QModelIndex;
class QToolButton;
class QUndoGroup;
class QUndoStack;
class SubtitleSession;
class SubtitleTable;
class SubtitleTrackButton;
class SubtitleWidget;

// The subtitle panel of the editor: the lines of a subtitle session in a table beside the
// picture, with fields for the current line, add, delete, save, time shift and find/replace.
// Every change is a step in the session's history and reaches its table and document together.
class SubtitleDock : public PanelWidget
{
    Q_OBJECT
public:
    explicit SubtitleDock(QWidget *parent = nullptr);
    ~SubtitleDock() override;

    SubtitleWidget *subtitleWidget() const { return m_widget; }
    // The session shown; without one the panel shows nothing and is disabled.
    void showSession(SubtitleSession *session);
    SubtitleSession *session() const { return m_session; }
    // The shown session's history of edits.
    QUndoStack *undoStack() const;
    // Opening a file is the editor's action; it connects this button to it.
    QToolButton *openButton() const;
    // Choosing a track of the video is the editor's too.
    SubtitleTrackButton *trackButton() const;
    // A line under the lines, such as why they cannot be edited; empty hides it.
    void showStatus(const QString &text);

    // Reads a file into the session. A file that cannot be read leaves the lines as they
    // were and is named in the panel; false then.
    bool loadFile(const QString &path);
    // Writes the lines as ASS (the name gets ".ass" unless it ends so) to a file that becomes
    // the session's.
    bool saveTo(const QString &path);
    // For the editor's close: offers to save lines that are not in a file yet or were
    // changed. True when nothing is left unsaved.
    bool promptSaveOnClose();

    // Moves the chosen times of the chosen rows; returns how many cues had to
    // stop at zero or at their own start or end.
    int shiftTimes(qint64 deltaMs, SubtitleEdits::Affect affect, SubtitleEdits::Times times);
    // Gives the document a new style list; lines keep their styles by name.
    void changeStyles(const QVector<SubtitleStyle> &styles);
    // Replaces, matching case, in the chosen rows; returns how many lines changed.
    int replaceTexts(const QString &find, const QString &replacement, SubtitleEdits::Affect affect);

    int currentRow() const;
    QVector<int> selectedRows() const;
    QString statusText() const;

signals:
    // A double click on a line asks the preview to show its start (microseconds).
    void sigSeekRequested(qint64 microseconds);

public slots:
    void onAdd();
    void onDelete();
    void onSave();
    void onStyle();
    void onShiftTimes();
    void onReplace();
    void onClicked(const QModelIndex &index);
    void onStartTime(QTime time);
    void onEndTime(QTime time);
    void onTextChanged();
    // The preview's position (microseconds): marks the lines on screen then.
    void onPlayPosition(qint64 microseconds);

protected:
    void retranslate() override;

private:
    void setUpTable();
    void connectControls();
    // The session's lines were replaced, or another session is shown.
    void showLines();
    void showTitle();
    void loadCurrentRow();
    void changeCurrentRow(int kind, const QString &text, const std::function<void(SubtitleEvent &)> &change);
    void onCellEdited(int row, const SubtitleEvent &before, const SubtitleEvent &after);
    void refillStyles();
    void showDuration();
    SubtitleTable *table() const;

    SubtitleWidget *m_widget;
    QPointer<SubtitleSession> m_session;
    QUndoGroup *m_history;
    bool m_loadingFields = false;
};
