#pragma once

#include "text/cfqwidget.h"

class QCheckBox;
class QColorCombox;
class VSliderSpinBox;

// The "Shadow" menu: whether the text casts a shadow, and its colour, width, alpha and offset.
class VShadowMenuWidget : public CFQWidget
{
    Q_OBJECT
public:
    explicit VShadowMenuWidget(CWordArtInfo *info, QWidget *parent = nullptr);

protected:
    void fillControls() override;

private:
    QCheckBox *m_enable;
    QWidget *m_controls;
    QColorCombox *m_color;
    VSliderSpinBox *m_thickness;
    VSliderSpinBox *m_alpha;
    VSliderSpinBox *m_x;
    VSliderSpinBox *m_y;
};
