#pragma once

#include <QDialog>
#include <QtGlobal>

namespace Ui {
class LayerDialog;
}
class QWatermarkBase;

// Every setting of one layer, edited as numbers. OK writes them into the layer; Cancel
// leaves it untouched.
class LayerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LayerDialog(QWatermarkBase *layer, QWidget *parent = nullptr);
    ~LayerDialog() override;

    void accept() override;

private slots:
    void on_spinBoxWidth_valueChanged(int value);
    void on_spinBoxHeight_valueChanged(int value);
    void on_spinBoxWidth_editingFinished();
    void on_spinBoxHeight_editingFinished();
    void on_checkBoxKeepAspect_toggled(bool on);

private:
    void load();

    Ui::LayerDialog *ui;
    QWatermarkBase *m_layer;
    int m_width = 0;
    int m_height = 0;
    bool m_keep = true;
    int m_openWidth = 0;
    int m_openHeight = 0;
    float m_ratio = 1.0f;
    bool m_coupling = false; // set while one size spin box writes the other
};
