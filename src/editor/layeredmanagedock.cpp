#include "editor/layeredmanagedock.h"

#include "editor/layeredmanagewidget.h"

LayeredManageDock::LayeredManageDock(QWidget *parent)
    : QDockWidget(tr("Watermark"), parent)
    , m_widget(new LayeredManageWidget(this))
{
    setObjectName(QStringLiteral("LayeredManageDock"));
    setAllowedAreas(Qt::RightDockWidgetArea);
    setWidget(m_widget);
}
