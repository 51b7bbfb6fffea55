#pragma once

#include <QObject>

class QComboBox;

// Keeps a combo box's list inside the combo's window. The Fusion style opens the list
// with the current item over the box, so a box near the bottom of the window drops
// its list past the window's edge; this lifts the list to end at the box instead.
class PopupWithinWindow : public QObject
{
    Q_OBJECT
public:
    explicit PopupWithinWindow(QComboBox *combo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepInside(QWidget *popup);

    QComboBox *m_combo;
};
