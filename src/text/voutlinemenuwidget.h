#pragma once

#include "text/cfqwidget.h"

class QColorCombox;
class VSliderSpinBox;

// The "Outline" menu: colours, thicknesses and alphas of the two outlines.
class VOutlineMenuWidget : public CFQWidget
{
    Q_OBJECT
public:
    explicit VOutlineMenuWidget(CWordArtInfo *info, QWidget *parent = nullptr);

    // Which outlines the current effect uses.
    void setGroupsEnabled(bool first, bool second);

protected:
    void fillControls() override;

private:
    QWidget *m_first;
    QWidget *m_second;
    QColorCombox *m_color1;
    VSliderSpinBox *m_thickness1;
    VSliderSpinBox *m_alpha1;
    QColorCombox *m_color2;
    VSliderSpinBox *m_thickness2;
    VSliderSpinBox *m_alpha2;
};
