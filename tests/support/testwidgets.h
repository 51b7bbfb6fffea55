#pragma once

#include "common/qcolorcombox.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QStringList>
#include <QWidget>

// Reading and driving widgets the way a user would.
namespace TestWidgets {

inline QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Chooses the entry with the text; false when the box does not offer it.
inline bool select(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    combo->setCurrentIndex(index);
    return index >= 0;
}

// Clicks the button of a window that shows the label; false when there is none.
inline bool clickButtonLabelled(QWidget *window, const QString &label)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == label) {
            button->click();
            return true;
        }
    }
    return false;
}

// Picks a colour from the box's palette; false when the palette does not offer it opaque.
inline bool choosePaletteColour(QColorCombox *box, const QColor &colour)
{
    for (QAction *action : box->findChildren<QAction *>()) {
        const QVariant data = action->data();
        if (data.userType() == QMetaType::QColor && data.value<QColor>() == colour && colour.alpha() == 255) {
            action->trigger();
            return true;
        }
    }
    return false;
}

}
