#pragma once

#include <QSlider>

// A seek slider that jumps to a clicked place on the groove and reports hovering.
class Slider : public QSlider
{
    Q_OBJECT
public:
    explicit Slider(QWidget *parent = nullptr);

signals:
    void onEnter();
    void onLeave();
    void onHover(int pos, int value);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_grooveHeld = false;
};
