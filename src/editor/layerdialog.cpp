#include "editor/layerdialog.h"

#include "common/timeconv.h"
#include "ui_layerdialog.h"

LayerDialog::LayerDialog(const CLayerInfo &record, qint64 mediaDuration, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LayerDialog)
    , m_record(record)
    , m_mediaDuration(mediaDuration)
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
    m_width = m_record.Width;
    m_height = m_record.Height;
    m_ratio = m_height > 0 ? float(m_width) / float(m_height) : 1.0f;
    m_keep = m_record.Keep;

    m_coupling = true;
    ui->spinBoxWidth->setValue(m_width);
    ui->spinBoxHeight->setValue(m_height);
    m_coupling = false;
    ui->checkBoxKeepAspect->setChecked(m_keep);
    ui->spinBoxX->setValue(m_record.x);
    ui->spinBoxY->setValue(m_record.y);
    ui->spinBoxOpacity->setValue(m_record.Transparent);
    qreal angle = m_record.Angle;
    if (angle < 0)
        angle += 360.0;
    ui->doubleSpinBoxAngle->setValue(angle);
    m_shownAngle = ui->doubleSpinBoxAngle->value();
    ui->comboBoxAnimation->setCurrentIndex(m_record.Animation);
    ui->comboBoxFade->setCurrentIndex(m_record.fade);
    ui->spinBoxSpeed->setValue(m_record.Speed);
    ui->spinBoxLoop->setValue(m_record.Loop);
    ui->timeEditStart->setTime(TimeConv::toTime(m_record.StartTime));
    // A layer shown to the end of the video reads the video's end.
    const qint64 end = m_record.EndTime == 0 ? m_mediaDuration : m_record.EndTime;
    m_shownEnd = TimeConv::toTime(end);
    ui->timeEditEnd->setTime(m_shownEnd);
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

CLayerInfo LayerDialog::record() const
{
    CLayerInfo edited = m_record;
    // The sizes typed here are taken as they stand; the coupling above already kept the ratio.
    edited.Width = qMax(1, m_width);
    edited.Height = qMax(1, m_height);
    edited.Keep = m_keep;
    edited.x = ui->spinBoxX->value();
    edited.y = ui->spinBoxY->value();
    edited.Transparent = ui->spinBoxOpacity->value();
    // The angle reads from 0 to 360; left as shown, the record keeps its own form of it.
    if (ui->doubleSpinBoxAngle->value() != m_shownAngle)
        edited.Angle = float(ui->doubleSpinBoxAngle->value());
    edited.Animation = ui->comboBoxAnimation->currentIndex();
    edited.fade = ui->comboBoxFade->currentIndex();
    edited.Speed = ui->spinBoxSpeed->value();
    edited.Loop = ui->spinBoxLoop->value();
    edited.StartTime = TimeConv::fromTime(ui->timeEditStart->time());
    if (ui->timeEditEnd->time() != m_shownEnd)
        edited.EndTime = TimeConv::fromTime(ui->timeEditEnd->time());
    return edited;
}
