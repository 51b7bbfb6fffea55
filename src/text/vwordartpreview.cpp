#include "text/vwordartpreview.h"

#include "text/cwordartinfo.h"

#include <QPainter>

namespace {

QBrush checkerBrush()
{
    QPixmap tile(16, 16);
    tile.fill(QColor(70, 70, 70));
    QPainter painter(&tile);
    painter.fillRect(0, 0, 8, 8, QColor(100, 100, 100));
    painter.fillRect(8, 8, 8, 8, QColor(100, 100, 100));
    return QBrush(tile);
}

}

VWordArtPreview::VWordArtPreview(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void VWordArtPreview::showWordArt(const CWordArtInfo &info)
{
    CWordArtInfo copy = info;
    copy.render(m_image);
    update();
}

void VWordArtPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), checkerBrush());
    if (m_image.isNull())
        return;
    const QRect area = rect().adjusted(6, 6, -6, -6);
    QSize size = m_image.size();
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                       size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, m_image);
}
