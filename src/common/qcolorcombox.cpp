#include "common/qcolorcombox.h"

#include <QAction>
#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {

constexpr int kColumns = 8;
constexpr int kSwatch = 24;
constexpr int kWideButtonWidth = 210;

QIcon swatchIcon(const QColor &color)
{
    QPixmap pixmap(kSwatch - 8, kSwatch - 8);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

}

QColorCombox::QColorCombox(QWidget *parent)
    : QToolButton(parent)
    , m_menu(new QMenu(this))
{
    setPopupMode(QToolButton::MenuButtonPopup);
    setAutoFillBackground(true);
    auto *board = new QWidgetAction(m_menu);
    board->setDefaultWidget(buildBoard());
    m_menu->addAction(board);
    setMenu(m_menu);
}

QVector<QColor> QColorCombox::paletteColors()
{
    QVector<QColor> colors;
    const int redPairs[2][2] = {{0, 170}, {85, 255}};
    for (const auto &reds : redPairs)
        for (int blue : {0, 127, 255})
            for (int green : {0, 85, 170, 255})
                for (int red : reds)
                    colors.append(QColor(red, green, blue));
    colors[7] = QColor(170, 250, 0);
    return colors;
}

QWidget *QColorCombox::buildBoard()
{
    auto *board = new QWidget;
    auto *layout = new QVBoxLayout(board);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto *automatic = new QToolButton(board);
    auto *automaticAction = new QAction(tr("Automatic"), automatic);
    automaticAction->setData(QColor(0, 0, 0, 0));
    connect(automaticAction, &QAction::triggered, this, &QColorCombox::OnColorChanged);
    automatic->setDefaultAction(automaticAction);
    automatic->setAutoRaise(true);
    automatic->setFixedSize(kWideButtonWidth, 24);
    layout->addWidget(automatic, 0, Qt::AlignHCenter);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    const QVector<QColor> colors = paletteColors();
    for (int i = 0; i < colors.size(); ++i) {
        auto *swatch = new QToolButton(board);
        auto *action = new QAction(swatchIcon(colors[i]), colors[i].name(), swatch);
        action->setData(colors[i]);
        connect(action, &QAction::triggered, this, &QColorCombox::OnColorChanged);
        swatch->setDefaultAction(action);
        swatch->setAutoRaise(true);
        swatch->setFixedSize(kSwatch, kSwatch);
        grid->addWidget(swatch, i / kColumns, i % kColumns);
    }
    layout->addLayout(grid);
    layout->setAlignment(grid, Qt::AlignHCenter);

    auto *other = new QToolButton(board);
    other->setText(tr("Other"));
    other->setToolTip(tr("Other"));
    other->setAutoRaise(true);
    other->setFixedSize(kWideButtonWidth, 24);
    connect(other, &QToolButton::clicked, this, &QColorCombox::OnShowColorBoard);
    layout->addWidget(other, 0, Qt::AlignHCenter);
    return board;
}

void QColorCombox::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void QColorCombox::takeColor(const QColor &color)
{
    setColor(color);
    emit sigColorChanged(color);
}

void QColorCombox::OnColorChanged()
{
    const auto *action = qobject_cast<QAction *>(sender());
    const QVariant data = action ? action->data() : QVariant();
    m_menu->close();
    takeColor(data.userType() == QMetaType::QColor ? data.value<QColor>() : QColor());
}

void QColorCombox::OnShowColorBoard()
{
    m_menu->close();
    const QColor chosen = QColorDialog::getColor(Qt::black, this, QString());
    if (chosen.isValid())
        takeColor(chosen);
}

void QColorCombox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        showMenu();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void QColorCombox::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (!m_color.isValid())
        return;
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this);
    const QRect bar(4, 3, width() - indicator - 8, height() - 6);
    QPainter painter(this);
    painter.fillRect(bar, m_color);
}
