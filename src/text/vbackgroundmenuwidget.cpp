#include "text/vbackgroundmenuwidget.h"

#include "common/qcolorcombox.h"
#include "text/cwordartinfo.h"
#include "text/menuform.h"
#include "text/vsliderspinbox.h"

#include <QCheckBox>

VBackgroundMenuWidget::VBackgroundMenuWidget(CWordArtInfo *info, QWidget *parent)
    : CFQWidget(info, parent)
    , m_enable(new QCheckBox(tr("Enable Background"), this))
    , m_controls(new QWidget(this))
{
    m_enable->setObjectName(QStringLiteral("enableBackground"));
    MenuForm form(m_controls);
    m_color = form.addColor(tr("Background Color"), QStringLiteral("backgroundColor"));
    m_alpha = form.addPercent(tr("Alpha"), QStringLiteral("backgroundAlpha"));
    m_thickness = form.addSlider(tr("Thickness"), QStringLiteral("backgroundThickness"), 0, 999);
    m_round = form.addSlider(tr("Round"), QStringLiteral("backgroundRound"), 0, 999);
    layOutSwitchedControls(m_enable, m_controls, &CWordArtInfo::EnableBackground);
    bindColor(m_color, &CWordArtInfo::BackgroundColor);
    bindSlider(m_alpha, &CWordArtInfo::BackgroundAlpha, true);
    bindSlider(m_thickness, &CWordArtInfo::BackgroundThickness);
    bindSlider(m_round, &CWordArtInfo::BackgroundRound);
    refresh();
}

void VBackgroundMenuWidget::fillControls()
{
    const CWordArtInfo &info = *wordArtInfo();
    m_enable->setChecked(info.EnableBackground);
    m_controls->setEnabled(info.EnableBackground);
    m_color->setColor(info.BackgroundColor);
    m_alpha->setValue(percentFromAlpha(info.BackgroundAlpha));
    m_thickness->setValue(info.BackgroundThickness);
    m_round->setValue(info.BackgroundRound);
}
