#include "editor/cropdialog.h"

#include "ui_cropdialog.h"

#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

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
    connect(ui->pPreviewWnd, &CropWnd::sigFrameChanged, this, &CropDialog::showNumbers);
    const struct
    {
        QSpinBox *box;
        Field field;
    } fields[] = {{ui->spinBoxX, Field::X},
                  {ui->spinBoxY, Field::Y},
                  {ui->spinBoxWidth, Field::Width},
                  {ui->spinBoxHeight, Field::Height}};
    for (const auto &field : fields) {
        connect(field.box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                [this, typed = field.field] { applyNumber(typed); });
    }
}

CropDialog::~CropDialog()
{
    delete ui;
}

void CropDialog::setPicture(const QImage &image)
{
    m_pictureSize = image.size();
    const QSignalBlocker blockX(ui->spinBoxX);
    const QSignalBlocker blockY(ui->spinBoxY);
    const QSignalBlocker blockWidth(ui->spinBoxWidth);
    const QSignalBlocker blockHeight(ui->spinBoxHeight);
    ui->spinBoxX->setRange(0, qMax(0, image.width() - 1));
    ui->spinBoxY->setRange(0, qMax(0, image.height() - 1));
    ui->spinBoxWidth->setRange(1, qMax(1, image.width()));
    ui->spinBoxHeight->setRange(1, qMax(1, image.height()));
    ui->pPreviewWnd->setPicture(image, m_crop);
    showNumbers();
}

void CropDialog::showNumbers()
{
    if (m_pictureSize.isEmpty())
        return;
    const ST_CROP_THICK frame = ui->pPreviewWnd->frameCrop();
    const int width = m_pictureSize.width();
    const int height = m_pictureSize.height();
    const int x = int(std::lround(frame.left * width));
    const int y = int(std::lround(frame.top * height));
    const int values[] = {x, y, width - x - int(std::lround(frame.right * width)),
                          height - y - int(std::lround(frame.bottom * height))};
    QSpinBox *boxes[] = {ui->spinBoxX, ui->spinBoxY, ui->spinBoxWidth, ui->spinBoxHeight};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker blocker(boxes[i]);
        boxes[i]->setValue(values[i]);
    }
}

void CropDialog::applyNumber(Field typed)
{
    if (m_pictureSize.isEmpty())
        return;
    const int pictureWidth = m_pictureSize.width();
    const int pictureHeight = m_pictureSize.height();
    const int x = ui->spinBoxX->value();
    const int y = ui->spinBoxY->value();
    int width = qMin(ui->spinBoxWidth->value(), pictureWidth - x);
    int height = qMin(ui->spinBoxHeight->value(), pictureHeight - y);
    const float ratio = ratioOf(ui->comboBoxRatio->currentIndex());
    if (ratio > 0.0f) {
        if (typed == Field::Height) {
            width = qMin(int(std::lround(height * ratio)), pictureWidth - x);
            height = int(std::lround(width / ratio));
        } else {
            height = qMin(int(std::lround(width / ratio)), pictureHeight - y);
            width = int(std::lround(height * ratio));
        }
        width = qMax(1, width);
        height = qMax(1, height);
    }
    ST_CROP_THICK crop;
    crop.left = double(x) / pictureWidth;
    crop.top = double(y) / pictureHeight;
    crop.right = double(pictureWidth - x - width) / pictureWidth;
    crop.bottom = double(pictureHeight - y - height) / pictureHeight;
    crop.cropped = x != 0 || y != 0 || width != pictureWidth || height != pictureHeight;
    ui->pPreviewWnd->setCrop(crop);
    showNumbers();
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
