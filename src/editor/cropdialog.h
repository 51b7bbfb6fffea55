#pragma once

#include "common/cropthick.h"

#include <QDialog>
#include <QImage>

namespace Ui {
class CropDialog;
}

// Lets the user cut the margins off a video's picture. Give it the stored crop, then the
// picture; after exec() crop() holds the margins the user chose.
class CropDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CropDialog(QWidget *parent = nullptr);
    ~CropDialog() override;

    void setCrop(const ST_CROP_THICK &crop) { m_crop = crop; }
    // Shows the picture with the frame at the crop set before.
    void setPicture(const QImage &image);
    ST_CROP_THICK crop() const { return m_crop; }

    // Width-to-height ratio of each entry of the ratio list; 0 for the free one.
    static float ratioOf(int index);

public slots:
    void OnCrop(ST_CROP_THICK crop);

private slots:
    void on_m_BtnReset_clicked();
    void on_comboBoxRatio_currentIndexChanged(int index);

private:
    enum class Field { X, Y, Width, Height };

    // The frame in picture pixels, in the number fields.
    void showNumbers();
    // A number typed into one field: that field keeps its value, the others follow as the
    // picture and a fixed ratio require.
    void applyNumber(Field typed);

    Ui::CropDialog *ui;
    ST_CROP_THICK m_crop;
    QSize m_pictureSize;
};
