#pragma once

#include <QDialog>

namespace Ui {
class PanTimeDialog;
}

// Asks how far, which way, on which rows and which times to shift subtitles.
// "Backward" makes the subtitles later, "Forward" earlier.
class PanTimeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PanTimeDialog(QWidget *parent = nullptr);
    ~PanTimeDialog() override;

    qint64 offset() const; // milliseconds
    int direction() const; // 0 forward, 1 backward
    int affect() const;    // 0 all rows, 1 selected rows, 2 selection onward
    int times() const;     // 0 start and end, 1 start only, 2 end only

    // The signed change in milliseconds the choice makes to a time.
    qint64 delta() const;

private:
    Ui::PanTimeDialog *ui;
};
