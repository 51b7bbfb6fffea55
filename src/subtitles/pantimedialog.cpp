#include "subtitles/pantimedialog.h"

#include "common/timeconv.h"

#include "ui_pantimedialog.h"

#include <QPushButton>

PanTimeDialog::PanTimeDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::PanTimeDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    ui->timeEdit->setTime(QTime(0, 0));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PanTimeDialog::~PanTimeDialog()
{
    delete ui;
}

qint64 PanTimeDialog::offset() const
{
    return TimeConv::fromTime(ui->timeEdit->time()) / 1000;
}

int PanTimeDialog::direction() const
{
    return ui->radioButtonForward->isChecked() ? 0 : 1;
}

int PanTimeDialog::affect() const
{
    if (ui->radioButtonSelected->isChecked())
        return 1;
    return ui->radioButtonOnward->isChecked() ? 2 : 0;
}

int PanTimeDialog::times() const
{
    if (ui->radioButtonStart->isChecked())
        return 1;
    return ui->radioButtonEnd->isChecked() ? 2 : 0;
}

qint64 PanTimeDialog::delta() const
{
    return direction() == 1 ? offset() : -offset();
}
