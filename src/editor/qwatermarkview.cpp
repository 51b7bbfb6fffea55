#include "editor/qwatermarkview.h"

#include "editor/qwatermarkscene.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QScrollBar>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include <cmath>

namespace {

QSurfaceFormat multisampleFormat()
{
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSamples(4);
    return format;
}

// Some displays (virtual ones, remote sessions) offer no OpenGL; the canvas then draws
// with the raster engine instead.
bool openGLAvailable()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")
        || QGuiApplication::platformName() == QLatin1String("minimal"))
        return false;
    QOpenGLContext probe;
    probe.setFormat(multisampleFormat());
    return probe.create() && probe.isValid();
}

}

QWatermarkView::QWatermarkView(QWidget *parent)
    : QGraphicsView(parent)
{
    useOpenGLViewport();
    setViewportUpdateMode(FullViewportUpdate);
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setTransformationAnchor(NoAnchor);
    setResizeAnchor(NoAnchor);
    viewport()->setAcceptDrops(true);
    viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    viewport()->setMouseTracking(true);
    m_drawTimer.setInterval(40);
    connect(&m_drawTimer, &QTimer::timeout, this, &QWatermarkView::OnViewDraw);
    m_drawTimer.start();
}

void QWatermarkView::useOpenGLViewport()
{
    if (!openGLAvailable())
        return;
    auto *gl = new QOpenGLWidget;
    gl->setFormat(multisampleFormat());
    setViewport(gl);
    m_openGL = true;
}

void QWatermarkView::setScene(QWatermarkScene *scene)
{
    m_scene = scene;
    QGraphicsView::setScene(scene);
    if (scene)
        scene->setView(this);
}

void QWatermarkView::setBackgroundImage(const QImage &image, bool fit)
{
    setCanvasRect(QRectF(image.rect()));
    if (fit && !image.isNull()) {
        const double scale = qMin(double(viewport()->width()) / image.width(),
                                  double(viewport()->height()) / image.height());
        setZoom(100.0 * scale);
    }
}

void QWatermarkView::setCanvasRect(const QRectF &rect)
{
    setSceneRect(rect);
    announceGeometry();
}

void QWatermarkView::OnViewDraw()
{
    if (!repaintNeeded)
        return;
    repaintNeeded = false;
    viewport()->update();
}

void QWatermarkView::scrollTo(const QPointF &point)
{
    centerOn(point);
    announceGeometry();
}

double QWatermarkView::steppedZoom(int steps) const
{
    // 10 % steps below 100 %, 50 % steps above.
    if (m_zoom < 100.0 || (m_zoom == 100.0 && steps < 0))
        return std::round((m_zoom + 10.0 * steps) / 10.0) * 10.0;
    return std::round((m_zoom + 50.0 * steps) / 50.0) * 50.0;
}

void QWatermarkView::zoomSteps(int steps)
{
    setZoom(steppedZoom(steps));
}

void QWatermarkView::setZoom(double zoom)
{
    if (zoom <= 0)
        return;
    zoom = qBound(kMinZoom, zoom, kMaxZoom);
    const QTransform current = transform();
    setTransform(QTransform(zoom / 100.0, 0, 0, zoom / 100.0, current.dx(), current.dy()));
    m_zoom = zoom;
    announceGeometry();
}

void QWatermarkView::zoomIn()
{
    zoomSteps(1);
}

void QWatermarkView::zoomOut()
{
    zoomSteps(-1);
}

void QWatermarkView::zoomAround(double percent, const QPoint &viewportPos)
{
    const QPointF anchor = mapToScene(viewportPos);
    setZoom(percent);
    const QPoint drift = mapFromScene(anchor) - viewportPos;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + drift.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + drift.y());
    announceGeometry();
}

void QWatermarkView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    m_wheelRemainder += event->angleDelta().y();
    const int steps = m_wheelRemainder / 120;
    if (steps == 0) {
        event->accept();
        return;
    }
    m_wheelRemainder -= steps * 120;
    zoomAround(steppedZoom(steps), event->position().toPoint());
    event->accept();
}

void QWatermarkView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
        event->accept();
        return;
    default:
        QGraphicsView::keyPressEvent(event);
    }
}

void QWatermarkView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    announceGeometry();
}

void QWatermarkView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    announceGeometry();
}

void QWatermarkView::announceGeometry()
{
    emit sigCanvasRect(mapFromScene(sceneRect()).boundingRect());
    emit viewRectChange(mapToScene(viewport()->rect()).boundingRect());
}
