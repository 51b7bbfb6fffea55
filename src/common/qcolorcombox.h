#pragma once

#include <QColor>
#include <QToolButton>
#include <QVector>

class QMenu;

// A colour picker button: the current colour is painted as a bar on the button, and a
// press opens a palette of 48 colours with "Automatic" (transparent) and "Other".
class QColorCombox : public QToolButton
{
    Q_OBJECT
public:
    explicit QColorCombox(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    // Shows the colour without announcing it.
    void setColor(const QColor &color);

    // The palette, row by row, as the popup lays it out (6 rows of 8).
    static QVector<QColor> paletteColors();

signals:
    void sigColorChanged(QColor color);

public slots:
    // Takes the colour carried by the triggering action.
    void OnColorChanged();
    // Asks the colour dialog for any colour.
    void OnShowColorBoard();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildBoard();
    void takeColor(const QColor &color);

    QMenu *m_menu;
    QColor m_color = Qt::black;
};
