#pragma once

#include <QDockWidget>
#include <QString>

// The base of the editor's dock panels: a window title composed of a title and
// an optional subtitle ("Layers: clip.mp4"), a title bar that can be hidden,
// and an optional highlight frame.
class PanelWidget : public QDockWidget
{
    Q_OBJECT
public:
    explicit PanelWidget(QWidget *parent = nullptr);

    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }

    // A hidden title bar also keeps the panel where it is docked.
    void setTitleBarVisible(bool visible);
    bool isTitleBarVisible() const { return m_emptyTitleBar == nullptr; }

    void setDrawFrame(bool draw);
    bool drawFrame() const { return m_drawFrame; }

public slots:
    void SetTitle(const QString &title);
    void SetSubtitle(const QString &subtitle);

protected:
    // Called on a change of the interface language, before the base class sees it.
    virtual void retranslate() {}

    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateWindowTitle();

    QString m_title;
    QString m_subtitle;
    bool m_drawFrame = false;
    QWidget *m_emptyTitleBar = nullptr;
};
