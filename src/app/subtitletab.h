#pragma once

#include "common/subtitletrack.h"

#include <QPointer>
#include <QWidget>

class ConfigSystem;
class CurrentRow;
class SubtitleSession;
class SubtitleSessions;
namespace Ui {
class SubtitleTab;
}

// The Subtitle tab: the current row's subtitle file and the lines of its subtitle session,
// the same lines the editor's subtitle panel shows for the row.
class SubtitleTab : public QWidget
{
    Q_OBJECT
public:
    explicit SubtitleTab(QWidget *parent = nullptr);
    ~SubtitleTab() override;

    void bind(CurrentRow *row, SubtitleSessions *sessions, const ConfigSystem *settings);
    // Asks for a subtitle file and attaches it to the current row.
    void open();
    // Attaches the file to the current row, whose session reads it; unsaved edits are asked
    // about first. False when the user kept them.
    bool attach(const QString &path);
    // Burns a subtitle track of the current row's video: a text track is read into the row's
    // session like a file. False when the user kept unsaved edits or the track cannot be read.
    bool chooseTrack(const SubtitleTrack &track);
    // Writes the current row's lines as ASS or SRT, after the file's ending; the row then
    // names that file.
    bool save(const QString &path);

private slots:
    void on_BtnSubtitleOpen_clicked();
    void on_BtnSubtitleSave_clicked();
    void on_checkBoxSubtitleStream_stateChanged(int state);

private:
    // Another row became current: its session is shown.
    void showRow();
    void showPath();
    void showModified();

    Ui::SubtitleTab *ui;
    CurrentRow *m_row = nullptr;
    SubtitleSessions *m_sessions = nullptr;
    const ConfigSystem *m_settings = nullptr;
    QPointer<SubtitleSession> m_session;
};
