#include "settings/cropdialog.h"

#include "ui_cropdialog.h"

#include <QPushButton>
#include <QSignalBlocker>

namespace {
// Ratios as the 32-bit floats the frame uses, so 4:3 is 1.3333334 and 16:9 is 1.7777778.
constexpr float kRatios[] = {0.0f, 1.0f, 0.5f, 2.0f, 4.0f / 3.0f, 16.0f / 9.0f, 0.5625f};
constexpr int kRatioCount = int(sizeof(kRatios) / sizeof(kRatios[0]));
}

CropDialog::CropDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CropDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->pPreviewWnd, &CropWnd::sigCrop, this, &CropDialog::OnCrop);
}

CropDialog::~CropDialog()
{
    delete ui;
}

void CropDialog::setPicture(const QImage &image)
{
    ui->pPreviewWnd->setPicture(image, m_crop);
}

float CropDialog::ratioOf(int index)
{
    return index > 0 && index < kRatioCount ? kRatios[index] : 0.0f;
}

void CropDialog::OnCrop(ST_CROP_THICK crop)
{
    m_crop = crop;
}

void CropDialog::on_m_BtnReset_clicked()
{
    {
        const QSignalBlocker blocker(ui->comboBoxRatio);
        ui->comboBoxRatio->setCurrentIndex(0);
    }
    ui->pPreviewWnd->reset();
}

void CropDialog::on_comboBoxRatio_currentIndexChanged(int index)
{
    const float ratio = ratioOf(index);
    ui->pPreviewWnd->setRatio(ratio <= 0.0f, ratio);
}
