#pragma once

#include <QString>

class QCheckBox;
class QColorCombox;
class QGridLayout;
class QWidget;
class VSliderSpinBox;

// Lays out the controls of a text menu widget as labelled rows on a host widget.
class MenuForm
{
public:
    explicit MenuForm(QWidget *host);

    QCheckBox *addCheck(const QString &label, const QString &objectName);
    QColorCombox *addColor(const QString &label, const QString &objectName);
    VSliderSpinBox *addSlider(const QString &label, const QString &objectName, int minimum, int maximum);
    // 0-100 with a percent sign.
    VSliderSpinBox *addPercent(const QString &label, const QString &objectName);

private:
    void addRow(const QString &label, QWidget *control);

    QWidget *m_host;
    QGridLayout *m_grid;
};
