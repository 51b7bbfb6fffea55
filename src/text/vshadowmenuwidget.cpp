#include "text/vshadowmenuwidget.h"

#include "common/qcolorcombox.h"
#include "text/cwordartinfo.h"
#include "text/menuform.h"
#include "text/vsliderspinbox.h"

#include <QCheckBox>

VShadowMenuWidget::VShadowMenuWidget(CWordArtInfo *info, QWidget *parent)
    : CFQWidget(info, parent)
    , m_enable(new QCheckBox(tr("Enable Shadow"), this))
    , m_controls(new QWidget(this))
{
    m_enable->setObjectName(QStringLiteral("enableShadow"));
    MenuForm form(m_controls);
    m_color = form.addColor(tr("Shadow Color"), QStringLiteral("shadowColor"));
    m_thickness = form.addSlider(tr("Thickness"), QStringLiteral("shadowThickness"), 0, 999);
    m_alpha = form.addPercent(tr("Alpha"), QStringLiteral("shadowAlpha"));
    m_x = form.addSlider(tr("X"), QStringLiteral("shadowX"), 0, 999);
    m_y = form.addSlider(tr("Y"), QStringLiteral("shadowY"), 0, 999);
    layOutSwitchedControls(m_enable, m_controls, &CWordArtInfo::EnableShadow);
    bindColor(m_color, &CWordArtInfo::ShadowColor);
    bindSlider(m_thickness, &CWordArtInfo::ShadowThickness);
    bindSlider(m_alpha, &CWordArtInfo::ShadowAlpha, true);
    bindSlider(m_x, &CWordArtInfo::ShadowX);
    bindSlider(m_y, &CWordArtInfo::ShadowY);
    refresh();
}

void VShadowMenuWidget::fillControls()
{
    const CWordArtInfo &info = *wordArtInfo();
    m_enable->setChecked(info.EnableShadow);
    m_controls->setEnabled(info.EnableShadow);
    m_color->setColor(info.ShadowColor);
    m_thickness->setValue(info.ShadowThickness);
    m_alpha->setValue(percentFromAlpha(info.ShadowAlpha));
    m_x->setValue(info.ShadowX);
    m_y->setValue(info.ShadowY);
}
