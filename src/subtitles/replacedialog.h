#pragma once

#include <QDialog>

namespace Ui {
class ReplaceDialog;
}

// Asks for a text to find, its replacement and the rows to search.
class ReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget *parent = nullptr);
    ~ReplaceDialog() override;

    QString findText() const;
    QString replaceText() const;
    int affect() const; // 0 all rows, 1 selected rows, 2 selection onward

private:
    Ui::ReplaceDialog *ui;
};
