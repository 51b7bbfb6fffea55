#pragma once

#include <QDockWidget>

class LayeredManageWidget;

// The "Watermark" panel of the editor: a dock around the layer list.
class LayeredManageDock : public QDockWidget
{
    Q_OBJECT
public:
    explicit LayeredManageDock(QWidget *parent = nullptr);

    LayeredManageWidget *layers() const { return m_widget; }

private:
    LayeredManageWidget *m_widget;
};
