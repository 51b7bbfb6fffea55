#include "editor/layeredmanagedock.h"

#include "editor/layeredmanagewidget.h"

LayeredManageDock::LayeredManageDock(QWidget *parent)
    : PanelWidget(parent)
    , m_widget(new LayeredManageWidget(this))
{
    SetTitle(tr("Watermark"));
    setObjectName(QStringLiteral("LayeredManageDock"));
    setAllowedAreas(Qt::RightDockWidgetArea);
    setWidget(m_widget);
}

void LayeredManageDock::retranslate()
{
    SetTitle(tr("Watermark"));
}
