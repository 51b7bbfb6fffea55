#include "text/cfqwidget.h"

#include "common/qcolorcombox.h"
#include "text/cwordartinfo.h"
#include "text/vsliderspinbox.h"

#include <QCheckBox>
#include <QTimer>
#include <QVBoxLayout>

CFQWidget::CFQWidget(CWordArtInfo *info, QWidget *parent)
    : QWidget(parent)
    , m_info(info)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kBatchIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &CFQWidget::onTick);
    m_timer->start();
}

void CFQWidget::refresh()
{
    m_filling = true;
    fillControls();
    m_filling = false;
}

int CFQWidget::alphaFromPercent(int percent)
{
    // Integer arithmetic: 100 % must give exactly 255.
    return (qBound(0, percent, 100) * 255 + 50) / 100;
}

int CFQWidget::percentFromAlpha(int alpha)
{
    return (qBound(0, alpha, 255) * 100 + 127) / 255;
}

void CFQWidget::markChanged()
{
    m_changed = true;
    emit sigEdited();
}

void CFQWidget::updateNow()
{
    m_changed = false;
    emit sigEdited();
    emit sigUpdateText(m_info);
}

void CFQWidget::bindSlider(VSliderSpinBox *control, int CWordArtInfo::*field, bool percent)
{
    connect(control, &VSliderSpinBox::valueChanged, this, [this, field, percent](int value) {
        if (m_filling)
            return;
        m_info->*field = percent ? alphaFromPercent(value) : value;
        markChanged();
    });
}

void CFQWidget::bindColor(QColorCombox *control, QColor CWordArtInfo::*field)
{
    connect(control, &QColorCombox::sigColorChanged, this, [this, field](const QColor &color) {
        if (m_filling)
            return;
        m_info->*field = color;
        updateNow();
    });
}

void CFQWidget::layOutSwitchedControls(QCheckBox *enable, QWidget *controls, bool CWordArtInfo::*flag)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(enable);
    layout->addWidget(controls);
    connect(enable, &QCheckBox::toggled, this, [this, controls, flag](bool on) {
        controls->setEnabled(on);
        if (m_filling)
            return;
        m_info->*flag = on;
        markChanged();
    });
}

void CFQWidget::onTick()
{
    if (!m_changed)
        return;
    m_changed = false;
    emit sigUpdateText(m_info);
}
