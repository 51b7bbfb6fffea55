#include "common/panelwidget.h"

#include <QImage>
#include <QMainWindow>
#include <QtTest>

class TestPanelWidget : public QObject
{
    Q_OBJECT
private slots:
    void hidingTheTitleBarPinsThePanel();
    void frameIsDrawnInHighlightColour();
};

void TestPanelWidget::hidingTheTitleBarPinsThePanel()
{
    QMainWindow window;
    auto *panel = new PanelWidget(&window);
    window.addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->setTitleBarVisible(false);
    QVERIFY(!(panel->features() & QDockWidget::DockWidgetMovable));
    QVERIFY(panel->titleBarWidget() != nullptr);
    panel->setTitleBarVisible(false);
    QCOMPARE(panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).count(panel->titleBarWidget()), 1);

    panel->setTitleBarVisible(true);
    QVERIFY(panel->features() & QDockWidget::DockWidgetMovable);
    QCOMPARE(panel->titleBarWidget(), nullptr);
}

void TestPanelWidget::frameIsDrawnInHighlightColour()
{
    PanelWidget panel;
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Highlight, QColor(0, 200, 0));
    panel.setPalette(palette);
    panel.resize(120, 80);
    QVERIFY(panel.grab().toImage().pixelColor(60, 79) != QColor(0, 200, 0));
    panel.setDrawFrame(true);
    const QImage framed = panel.grab().toImage();
    QCOMPARE(framed.pixelColor(0, 40), QColor(0, 200, 0));
    QCOMPARE(framed.pixelColor(119, 40), QColor(0, 200, 0));
    QCOMPARE(framed.pixelColor(60, 79), QColor(0, 200, 0));
}

QTEST_MAIN(TestPanelWidget)
#include "test_panelwidget.moc"
