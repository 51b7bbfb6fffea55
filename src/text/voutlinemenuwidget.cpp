#include "text/voutlinemenuwidget.h"

#include "common/qcolorcombox.h"
#include "text/cwordartinfo.h"
#include "text/menuform.h"
#include "text/vsliderspinbox.h"

#include <QFrame>
#include <QVBoxLayout>

VOutlineMenuWidget::VOutlineMenuWidget(CWordArtInfo *info, QWidget *parent)
    : CFQWidget(info, parent)
    , m_first(new QWidget(this))
    , m_second(new QWidget(this))
{
    MenuForm first(m_first);
    m_color1 = first.addColor(tr("Outline Color1"), QStringLiteral("outlineColor1"));
    m_thickness1 = first.addSlider(tr("Thickness1"), QStringLiteral("outlineThickness1"), 0, 999);
    m_alpha1 = first.addPercent(tr("Alpha1"), QStringLiteral("outlineAlpha1"));
    MenuForm second(m_second);
    m_color2 = second.addColor(tr("Outline Color2"), QStringLiteral("outlineColor2"));
    m_thickness2 = second.addSlider(tr("Thickness2"), QStringLiteral("outlineThickness2"), 0, 999);
    m_alpha2 = second.addPercent(tr("Alpha2"), QStringLiteral("outlineAlpha2"));

    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_first);
    layout->addWidget(separator);
    layout->addWidget(m_second);

    bindColor(m_color1, &CWordArtInfo::OutlineColor1);
    bindColor(m_color2, &CWordArtInfo::OutlineColor2);
    bindSlider(m_thickness1, &CWordArtInfo::OutlineThickness1);
    bindSlider(m_alpha1, &CWordArtInfo::OutlineAlpha1, true);
    bindSlider(m_thickness2, &CWordArtInfo::OutlineThickness2);
    bindSlider(m_alpha2, &CWordArtInfo::OutlineAlpha2, true);
    refresh();
}

void VOutlineMenuWidget::setGroupsEnabled(bool first, bool second)
{
    m_first->setEnabled(first);
    m_second->setEnabled(second);
}

void VOutlineMenuWidget::fillControls()
{
    const CWordArtInfo &info = *wordArtInfo();
    m_color1->setColor(info.OutlineColor1);
    m_thickness1->setValue(info.OutlineThickness1);
    m_alpha1->setValue(percentFromAlpha(info.OutlineAlpha1));
    m_color2->setColor(info.OutlineColor2);
    m_thickness2->setValue(info.OutlineThickness2);
    m_alpha2->setValue(percentFromAlpha(info.OutlineAlpha2));
}
