#pragma once

#include "common/panelwidget.h"

class LayeredManageWidget;

// The "Watermark" panel of the editor: a dock around the layer list.
class LayeredManageDock : public PanelWidget
{
    Q_OBJECT
public:
    explicit LayeredManageDock(QWidget *parent = nullptr);

    LayeredManageWidget *layers() const { return m_widget; }

protected:
    void retranslate() override;

private:
    LayeredManageWidget *m_widget;
};
