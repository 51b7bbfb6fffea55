#pragma once

#include "layers/clayerinfo.h"

#include <QDialog>
#include <QTime>
#include <QtGlobal>

namespace Ui {
class LayerDialog;
}

// Every setting of one layer, edited as numbers on a copy of its record. The caller takes
// the edited record after OK; Cancel leaves nothing to take.
class LayerDialog : public QDialog
{
    Q_OBJECT
public:
    // mediaDuration (microseconds) is the end a layer shown to the end of the video has.
    LayerDialog(const CLayerInfo &record, qint64 mediaDuration, QWidget *parent = nullptr);
    ~LayerDialog() override;

    // The record with the dialog's values.
    CLayerInfo record() const;

private slots:
    void on_spinBoxWidth_valueChanged(int value);
    void on_spinBoxHeight_valueChanged(int value);
    void on_spinBoxWidth_editingFinished();
    void on_spinBoxHeight_editingFinished();
    void on_checkBoxKeepAspect_toggled(bool on);

private:
    void load();

    Ui::LayerDialog *ui;
    CLayerInfo m_record;
    qint64 m_mediaDuration;
    QTime m_shownEnd; // the end shown at opening; left so, the record's end stays as it was
    double m_shownAngle = 0.0;
    int m_width = 0;
    int m_height = 0;
    bool m_keep = true;
    float m_ratio = 1.0f;
    bool m_coupling = false; // set while one size spin box writes the other
};
