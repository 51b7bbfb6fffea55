#pragma once

#include <QWidget>

class QSlider;
class QSpinBox;

// A slider with a spin box beside it, both showing one value.
class VSliderSpinBox : public QWidget
{
    Q_OBJECT
public:
    VSliderSpinBox(int minimum, int maximum, QWidget *parent = nullptr);

    int value() const;
    void setValue(int value);
    void setSuffix(const QString &suffix);
    QSpinBox *spinBox() const { return m_spin; }

signals:
    void valueChanged(int value);

private:
    QSlider *m_slider;
    QSpinBox *m_spin;
};
