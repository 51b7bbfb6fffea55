#pragma once

#include <QGraphicsView>
#include <QTimer>

class QWatermarkScene;

// Shows the canvas, zoomed in percent. Ctrl + wheel zooms around the mouse, the plain
// wheel scrolls; the arrow keys reach the scene, which nudges the selected layers.
class QWatermarkView : public QGraphicsView
{
    Q_OBJECT
public:
    static constexpr double kMinZoom = 1.0;
    static constexpr double kMaxZoom = 3200.0;

    explicit QWatermarkView(QWidget *parent = nullptr);

    void setScene(QWatermarkScene *scene);
    QWatermarkScene *watermarkScene() const { return m_scene; }
    // Takes the image's rectangle as the scene's; with fit, zooms so that it fills the view.
    void setBackgroundImage(const QImage &image, bool fit);
    // Sets the scene rectangle to the canvas of the given size.
    void setCanvasRect(const QRectF &rect);

    double zoom() const { return m_zoom; }
    // Zooms to a percentage keeping the scene point under a viewport position in place.
    void zoomAround(double percent, const QPoint &viewportPos);
    // True when the viewport draws through OpenGL (multisampled where the driver can).
    bool usesOpenGL() const { return m_openGL; }
    bool repaintNeeded = false;

signals:
    void viewRectChange(const QRectF &visibleSceneRect);
    void sigCanvasRect(const QRect &rect);

public slots:
    void OnViewDraw();
    void scrollTo(const QPointF &point);
    void zoomSteps(int steps);
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void useOpenGLViewport();
    double steppedZoom(int steps) const;
    void announceGeometry();

    QWatermarkScene *m_scene = nullptr;
    double m_zoom = 100.0;
    int m_wheelRemainder = 0;
    bool m_openGL = false;
    QTimer m_drawTimer;
};
