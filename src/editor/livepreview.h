#pragma once

#include "player/playerlender.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <functional>

class PlayerDock;
class QWidget;

// The editor's live preview: plays the source with the layers' filter graph in a
// surface laid exactly over the canvas, and hands the paused picture back to the canvas.
// It borrows the program's one player engine.
class LivePreview : public QObject, private PlayerBorrower
{
    Q_OBJECT
public:
    enum State { Idle, Playing, Paused };

    // What the preview needs to know of the canvas.
    struct Canvas
    {
        std::function<QSize()> size;           // the canvas in pixels (after turns and crop)
        std::function<QSize()> frameSize;      // the source frame as the background holds it
        std::function<void(const QImage &)> showFrame; // makes a picture the background
        std::function<QString()> filterGraph;  // the layers as filter text; empty plays the plain video
        std::function<void()> showFirstFrame;  // makes the source's first picture the background
        std::function<int()> subtitlePictures; // the subtitle track of pictures burned in; -1 for none
    };

    LivePreview(QWidget *canvasView, PlayerDock *transport, PlayerLender *player, QWidget *parent);
    ~LivePreview() override;

    QWidget *area() const { return m_area; }
    QWidget *surface() const { return m_surface; }
    QWidget *host() const { return m_host; }
    State state() const;

    void setCanvas(const Canvas &canvas);
    void setSource(const QString &path, qint64 durationUs);

signals:
    void positionChanged(qint64 microseconds);

public slots:
    void playPause();
    void stop();
    void copyTime();
    void sliderPressed();
    void sliderMoved(int ms);
    void sliderReleased();
    void refresh();
    // The canvas's place in the view; the video is laid exactly over it.
    void placeSurface(const QRect &canvasRect);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void playerTaken() override;
    // The file played to its end: the preview stops and goes back to its start.
    void playerEnded() override;
    void start(qint64 fromMs);
    void showVideo();
    void showCanvasAtCurrentFrame();
    void setPlayButton(bool showPause);
    void recentre();

    QWidget *m_view;
    PlayerDock *m_transport;
    QPointer<PlayerLender> m_player;
    QWidget *m_area;
    QWidget *m_surface;
    QWidget *m_host = nullptr;
    QTimer m_refreshTimer;
    Canvas m_canvas;
    QString m_path;
    qint64 m_durationUs = 0;
    QRect m_canvasRect;
    bool m_running = true;
    // The graph the engine plays through; a changed one needs a fresh start.
    QString m_filterText;
    int m_subtitleTrack = -1;
};
