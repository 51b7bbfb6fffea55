#include "text/vwordartpreview.h"

#include <QPainter>
#include <QThread>

#include <memory>

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

VWordArtPreview::~VWordArtPreview()
{
    // The drawing owns copies of everything it uses, but the program must not end under it.
    if (m_drawing) {
        disconnect(m_drawing, nullptr, this, nullptr);
        m_drawing->wait();
    }
}

void VWordArtPreview::showWordArt(const CWordArtInfo &info)
{
    m_next = info;
    m_waiting = true;
    if (!m_drawing)
        drawNext();
}

void VWordArtPreview::drawNext()
{
    m_waiting = false;
    auto drawn = std::make_shared<QImage>();
    QThread *thread = QThread::create([info = m_next, drawn]() mutable { info.render(*drawn); });
    thread->setParent(this);
    m_drawing = thread;
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, drawn] {
        m_image = *drawn;
        m_drawing = nullptr;
        update();
        if (m_waiting)
            drawNext();
        else
            emit sigDrawn();
    });
    thread->start(QThread::LowPriority);
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
