#include "text/vsliderspinbox.h"

#include <QHBoxLayout>
#include <QSlider>
#include <QSpinBox>

VSliderSpinBox::VSliderSpinBox(int minimum, int maximum, QWidget *parent)
    : QWidget(parent)
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_spin(new QSpinBox(this))
{
    m_slider->setRange(minimum, maximum);
    m_spin->setRange(minimum, maximum);
    m_spin->setMinimumWidth(72);
    m_slider->setMinimumWidth(120);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider, 1);
    layout->addWidget(m_spin);
    connect(m_slider, &QSlider::valueChanged, m_spin, &QSpinBox::setValue);
    connect(m_spin, QOverload<int>::of(&QSpinBox::valueChanged), m_slider, &QSlider::setValue);
    connect(m_spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &VSliderSpinBox::valueChanged);
}

int VSliderSpinBox::value() const
{
    return m_spin->value();
}

void VSliderSpinBox::setValue(int value)
{
    m_spin->setValue(value);
}

void VSliderSpinBox::setSuffix(const QString &suffix)
{
    m_spin->setSuffix(suffix);
}
