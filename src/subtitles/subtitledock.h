#pragma once

#include "settings/panelwidget.h"
#include "subtitles/subtitleedits.h"
#include "subtitles/subtitlestyle.h"

#include <QTime>
#include <QVector>

#include <functional>

class QModelIndex;
class QStandardItemModel;
class QToolButton;
class QUndoStack;
class SubtitleTable;
class SubtitleWidget;

// The subtitle panel of the editor: the lines of the application's subtitle
// document in a table beside the picture, with fields for the current line,
// add, delete, save, time shift and find/replace. Every change is undoable and
// reaches the table and the document together.
class SubtitleDock : public PanelWidget
{
    Q_OBJECT
public:
    explicit SubtitleDock(QWidget *parent = nullptr);
    ~SubtitleDock() override;

    SubtitleWidget *subtitleWidget() const { return m_widget; }
    // The history of subtitle edits; an editor may show or share it.
    QUndoStack *undoStack() const { return m_undoStack; }
    // Opening a file is the editor's action; it connects this button to it.
    QToolButton *openButton() const;

    // Reads the file into the document and shows it; the path becomes the
    // current subtitle path. False when nothing could be read.
    bool loadFile(const QString &path);
    // Shows the document as it is now, after others changed it.
    void reload();

    // Writes the document as ASS and makes the path the current one.
    bool saveTo(const QString &path);
    // Where Save starts: the current subtitle file's folder and name as ASS.
    QString proposedSaveName() const;
    // For the editor's close: offers to save lines that are not in a file yet
    // or were changed. True when nothing is left unsaved.
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
    // The main window's subtitle tab shares the document; what it changed shows here.
    void showEvent(QShowEvent *event) override;

private:
    void setUpTable();
    void resetTable(bool fileLoaded);
    void connectControls();
    void loadCurrentRow();
    void changeCurrentRow(int kind, const QString &text, const std::function<void(SubtitleEvent &)> &change);
    void onCellEdited(int row, const SubtitleEvent &before, const SubtitleEvent &after);
    void refillStyles();
    void showDuration();
    void showStatus(const QString &text);
    void startFresh();

    SubtitleWidget *m_widget;
    QStandardItemModel *m_model;
    SubtitleTable *m_table;
    QUndoStack *m_undoStack;
    bool m_loadingFields = false;
};
