#pragma once

#include "subtitles/subtitleedits.h"
#include "subtitles/subtitleevent.h"

#include <QDialog>
#include <QMap>

namespace Ui {
class PanTimeDialog;
}

// Asks how far, which way, on which rows and which times to shift subtitles.
// "Backward" makes the subtitles later, "Forward" earlier; the first line the choice
// changes shows its time before and after the shift while the user chooses.
class PanTimeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PanTimeDialog(QWidget *parent = nullptr);
    ~PanTimeDialog() override;

    // The first line an "Affect" choice changes: its row (from 0) and its cue.
    void setFirstLine(SubtitleEdits::Affect affect, int row, const SubtitleEvent &event);

    qint64 offset() const; // milliseconds
    int direction() const; // 0 forward, 1 backward
    int affect() const;    // 0 all rows, 1 selected rows, 2 selection onward
    int times() const;     // 0 start and end, 1 start only, 2 end only

    // The signed change in milliseconds the choice makes to a time.
    qint64 delta() const;

private:
    void showPreview();

    struct Line
    {
        int row;
        SubtitleEvent event;
    };

    Ui::PanTimeDialog *ui;
    QMap<SubtitleEdits::Affect, Line> m_firstLines;
};
