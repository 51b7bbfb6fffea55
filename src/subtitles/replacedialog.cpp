#include "subtitles/replacedialog.h"

#include "ui_replacedialog.h"

#include <QPushButton>

ReplaceDialog::ReplaceDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ReplaceDialog)
{
    ui->setupUi(this);
    QPushButton *ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    ok->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    // Nothing to look for would only scatter the replacement between the letters.
    ok->setEnabled(false);
    connect(ui->lineEditFind, &QLineEdit::textChanged, ok,
            [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ReplaceDialog::~ReplaceDialog()
{
    delete ui;
}

QString ReplaceDialog::findText() const
{
    return ui->lineEditFind->text();
}

QString ReplaceDialog::replaceText() const
{
    return ui->lineEditReplace->text();
}

int ReplaceDialog::affect() const
{
    if (ui->radioButtonSelected->isChecked())
        return 1;
    return ui->radioButtonOnward->isChecked() ? 2 : 0;
}
