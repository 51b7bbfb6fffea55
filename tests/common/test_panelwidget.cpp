#include "common/panelwidget.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QtTest>

namespace {

// Counts the calls of the language hook.
class CountingPanel : public PanelWidget
{
public:
    using PanelWidget::PanelWidget;
    int retranslations = 0;

protected:
    void retranslate() override { ++retranslations; }
};

}

class TestPanelWidget : public QObject
{
    Q_OBJECT
private slots:
    void composesTitleAndSubtitle();
    void hidingTheTitleBarPinsThePanel();
    void languageChangeCallsTheHook();
    void frameIsDrawnInHighlightColour();
};

void TestPanelWidget::composesTitleAndSubtitle()
{
    PanelWidget panel;
    QCOMPARE(panel.focusPolicy(), Qt::ClickFocus);
    QVERIFY(!panel.drawFrame());
    panel.SetTitle(QStringLiteral("Subtitle"));
    QCOMPARE(panel.windowTitle(), QStringLiteral("Subtitle"));
    panel.SetSubtitle(QStringLiteral("movie: part 1.srt"));
    QCOMPARE(panel.windowTitle(), QStringLiteral("Subtitle: movie: part 1.srt"));
    panel.SetTitle(QStringLiteral("Layers"));
    QCOMPARE(panel.windowTitle(), QStringLiteral("Layers: movie: part 1.srt"));
    panel.SetSubtitle(QString());
    QCOMPARE(panel.windowTitle(), QStringLiteral("Layers"));
}

void TestPanelWidget::hidingTheTitleBarPinsThePanel()
{
    QMainWindow window;
    auto *panel = new PanelWidget(&window);
    window.addDockWidget(Qt::RightDockWidgetArea, panel);
    QVERIFY(panel->features() & QDockWidget::DockWidgetMovable);
    QVERIFY(panel->isTitleBarVisible());
    QCOMPARE(panel->titleBarWidget(), nullptr);

    panel->setTitleBarVisible(false);
    QVERIFY(!panel->isTitleBarVisible());
    QVERIFY(!(panel->features() & QDockWidget::DockWidgetMovable));
    QVERIFY(panel->titleBarWidget() != nullptr);
    panel->setTitleBarVisible(false);
    QCOMPARE(panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).count(panel->titleBarWidget()), 1);

    panel->setTitleBarVisible(true);
    QVERIFY(panel->isTitleBarVisible());
    QVERIFY(panel->features() & QDockWidget::DockWidgetMovable);
    QCOMPARE(panel->titleBarWidget(), nullptr);
}

void TestPanelWidget::languageChangeCallsTheHook()
{
    CountingPanel panel;
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&panel, &change);
    QCOMPARE(panel.retranslations, 1);
    QEvent other(QEvent::FontChange);
    QApplication::sendEvent(&panel, &other);
    QCOMPARE(panel.retranslations, 1);
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
