#pragma once

#include "text/cwordartinfo.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QThread;

// Shows a rendered word art on a checkered backdrop, shrunk to fit when it is too large.
// Wide glows take long to draw, so drawing happens off the interface thread: one drawing
// at a time, and only the latest record waits for the next.
class VWordArtPreview : public QWidget
{
    Q_OBJECT
public:
    explicit VWordArtPreview(QWidget *parent = nullptr);
    ~VWordArtPreview() override;

    void showWordArt(const CWordArtInfo &info);
    const QImage &image() const { return m_image; }
    bool isDrawing() const { return !m_drawing.isNull(); }

signals:
    // The latest record is on screen.
    void sigDrawn();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawNext();

    QImage m_image;
    QPointer<QThread> m_drawing;
    CWordArtInfo m_next;
    bool m_waiting = false;
};
