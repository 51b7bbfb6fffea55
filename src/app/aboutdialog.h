#pragma once

#include <QDialog>

namespace Ui {
class AboutDialog;
}

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    // The read-me that ships beside the application; the help link opens it.
    static QString helpFile();

private:
    Ui::AboutDialog *ui;
};
