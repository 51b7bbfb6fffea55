#pragma once

#include "text/cfqwidget.h"

class QCheckBox;
class QColorCombox;
class VSliderSpinBox;

// The "Background" menu: the rounded box behind the text.
class VBackgroundMenuWidget : public CFQWidget
{
    Q_OBJECT
public:
    explicit VBackgroundMenuWidget(CWordArtInfo *info, QWidget *parent = nullptr);

protected:
    void fillControls() override;

private:
    QCheckBox *m_enable;
    QWidget *m_controls;
    QColorCombox *m_color;
    VSliderSpinBox *m_alpha;
    VSliderSpinBox *m_thickness;
    VSliderSpinBox *m_round;
};
