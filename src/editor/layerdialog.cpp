#include "editor/layerdialog.h"

#include "common/timeconv.h"
#include "editor/qwatermarkbase.h"
#include "ui_layerdialog.h"

LayerDialog::LayerDialog(QWatermarkBase *layer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LayerDialog)
    , m_layer(layer)
{
    ui->setupUi(this);
    load();
}

LayerDialog::~LayerDialog()
{
    delete ui;
}

void LayerDialog::load()
{
    const CLayerInfo &info = m_layer->info();
    m_width = m_openWidth = info.Width;
    m_height = m_openHeight = info.Height;
    m_ratio = m_openHeight > 0 ? float(m_openWidth) / float(m_openHeight) : 1.0f;
    m_keep = info.Keep;

    m_coupling = true;
    ui->spinBoxWidth->setValue(m_width);
    ui->spinBoxHeight->setValue(m_height);
    m_coupling = false;
    ui->checkBoxKeepAspect->setChecked(m_keep);
    ui->spinBoxX->setValue(int(m_layer->pos().x()));
    ui->spinBoxY->setValue(int(m_layer->pos().y()));
    ui->spinBoxOpacity->setValue(info.Transparent);
    qreal angle = m_layer->rotation();
    if (angle < 0)
        angle += 360.0;
    ui->doubleSpinBoxAngle->setValue(angle);
    ui->comboBoxAnimation->setCurrentIndex(info.Animation);
    ui->comboBoxFade->setCurrentIndex(info.fade);
    ui->spinBoxSpeed->setValue(info.Speed);
    ui->spinBoxLoop->setValue(info.Loop);
    ui->timeEditStart->setTime(TimeConv::toTime(info.StartTime));
    ui->timeEditEnd->setTime(TimeConv::toTime(info.EndTime));
}

void LayerDialog::on_spinBoxWidth_valueChanged(int value)
{
    if (m_coupling)
        return;
    m_width = value;
    if (m_keep && m_ratio > 0) {
        m_height = int(float(m_width) / m_ratio);
        m_coupling = true;
        ui->spinBoxHeight->setValue(m_height);
        m_coupling = false;
    }
}

void LayerDialog::on_spinBoxHeight_valueChanged(int value)
{
    if (m_coupling)
        return;
    m_height = value;
    if (m_keep) {
        m_width = int(float(m_height) * m_ratio);
        m_coupling = true;
        ui->spinBoxWidth->setValue(m_width);
        m_coupling = false;
    }
}

void LayerDialog::on_spinBoxWidth_editingFinished()
{
    m_coupling = true;
    ui->spinBoxHeight->setValue(m_height);
    m_coupling = false;
}

void LayerDialog::on_spinBoxHeight_editingFinished()
{
    m_coupling = true;
    ui->spinBoxWidth->setValue(m_width);
    m_coupling = false;
}

void LayerDialog::on_checkBoxKeepAspect_toggled(bool on)
{
    m_keep = on;
}

void LayerDialog::accept()
{
    CLayerInfo &info = m_layer->info();
    info.Width = m_width;
    info.Height = m_height;
    info.Keep = m_keep;
    info.x = ui->spinBoxX->value();
    info.y = ui->spinBoxY->value();
    info.Transparent = ui->spinBoxOpacity->value();
    info.Angle = float(ui->doubleSpinBoxAngle->value());
    info.Animation = ui->comboBoxAnimation->currentIndex();
    info.fade = ui->comboBoxFade->currentIndex();
    info.Speed = ui->spinBoxSpeed->value();
    info.Loop = ui->spinBoxLoop->value();
    info.StartTime = TimeConv::fromTime(ui->timeEditStart->time());
    info.EndTime = TimeConv::fromTime(ui->timeEditEnd->time());

    // The sizes typed here are taken as they stand; the coupling above already kept the ratio.
    info.Keep = false;
    m_layer->setSize(qMax(1, m_width), qMax(1, m_height));
    info.Keep = m_keep;
    m_layer->setAngle(info.Angle);
    m_layer->setPos(info.x, info.y);
    m_layer->setOpacity(info.Transparent / 100.0);
    m_layer->dirty = true;
    QDialog::accept();
}
