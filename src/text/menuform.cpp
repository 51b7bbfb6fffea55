#include "text/menuform.h"

#include "common/qcolorcombox.h"
#include "text/vsliderspinbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

MenuForm::MenuForm(QWidget *host)
    : m_host(host)
    , m_grid(new QGridLayout(host))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(10);
    m_grid->setColumnStretch(1, 1);
}

void MenuForm::addRow(const QString &label, QWidget *control)
{
    const int row = m_grid->rowCount();
    m_grid->addWidget(new QLabel(label, m_host), row, 0);
    m_grid->addWidget(control, row, 1);
}

QCheckBox *MenuForm::addCheck(const QString &label, const QString &objectName)
{
    auto *check = new QCheckBox(label, m_host);
    check->setObjectName(objectName);
    m_grid->addWidget(check, m_grid->rowCount(), 0, 1, 2);
    return check;
}

QColorCombox *MenuForm::addColor(const QString &label, const QString &objectName)
{
    auto *color = new QColorCombox(m_host);
    color->setObjectName(objectName);
    color->setMinimumSize(100, 26);
    addRow(label, color);
    return color;
}

VSliderSpinBox *MenuForm::addSlider(const QString &label, const QString &objectName, int minimum, int maximum)
{
    auto *slider = new VSliderSpinBox(minimum, maximum, m_host);
    slider->setObjectName(objectName);
    addRow(label, slider);
    return slider;
}

VSliderSpinBox *MenuForm::addPercent(const QString &label, const QString &objectName)
{
    VSliderSpinBox *slider = addSlider(label, objectName, 0, 100);
    slider->setSuffix(QStringLiteral(" %"));
    return slider;
}
