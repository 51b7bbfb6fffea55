#include "editor/qwatermarkview.h"

#include "editor/qwatermarkscene.h"

#include <QGLWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLPaintDevice>
#include <QPainter>
#include <QScrollBar>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include <cmath>

namespace {

// Draws a filled square through a frame buffer with the given sample count and reads it
// back: some drivers accept multisampling and then draw nothing.
bool drawsThroughOpenGL(int samples)
{
    QOpenGLContext context;
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    context.setFormat(format);
    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface))
        return false;
    const QSize size(16, 16);
    QOpenGLFramebufferObjectFormat bufferFormat;
    bufferFormat.setSamples(samples);
    bufferFormat.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    bool drawn = false;
    {
        QOpenGLFramebufferObject buffer(size, bufferFormat);
        if (buffer.isValid() && buffer.bind()) {
            QOpenGLPaintDevice device(size);
            QPainter painter(&device);
            painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);
            painter.fillRect(QRect(4, 4, 8, 8), QColor(0, 200, 0));
            painter.end();
            const QImage image = buffer.toImage();
            drawn = !image.isNull() && image.pixelColor(8, 8).green() > 150 && image.pixelColor(1, 1).green() < 50;
        }
    }
    context.doneCurrent();
    return drawn;
}

// The sample count the canvas's OpenGL viewport can draw with: 4, or 0 without
// multisampling, or -1 when OpenGL is not usable at all (virtual displays, remote
// sessions); the canvas then draws with the raster engine. Probed once per run.
int usableSamples()
{
    static const int samples = []() {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return -1;
        if (drawsThroughOpenGL(4))
            return 4;
        return drawsThroughOpenGL(0) ? 0 : -1;
    }();
    return samples;
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
    const int samples = usableSamples();
    if (samples < 0)
        return;
    // A viewport with a native window of its own: a QOpenGLWidget would turn the whole editor
    // window into one composed OpenGL surface, which covers the preview's native video window.
    QGLFormat format;
    format.setSampleBuffers(samples > 0);
    if (samples > 0)
        format.setSamples(samples);
    setViewport(new QGLWidget(format));
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
