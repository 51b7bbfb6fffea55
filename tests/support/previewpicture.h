#pragma once

#include "editor/editormainwindow.h"
#include "editor/livepreview.h"
#include "editor/qwatermarkscene.h"
#include "testpictures.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

// What the editor's live preview shows, read from the engine's window.

// The colour at a canvas point of what the preview engine shows in its host window.
inline QRgb previewPixel(EditorMainWindow *editor, QPointF canvasPoint)
{
    QWidget *host = editor->preview()->host();
    if (!host || !host->isVisible())
        return 0;
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(host->winId()).toImage();
    const QSize canvas = editor->scene()->canvasSize();
    if (shown.isNull() || canvas.isEmpty())
        return 0;
    return shown.pixel(int(canvasPoint.x() * shown.width() / canvas.width()),
                       int(canvasPoint.y() * shown.height() / canvas.height()));
}

inline bool previewShows(EditorMainWindow *editor, QPointF canvasPoint, QColor colour)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 8000) {
        if (TestPictures::near(previewPixel(editor, canvasPoint), colour))
            return true;
        QTest::qWait(50);
    }
    qWarning() << "preview shows" << QColor(previewPixel(editor, canvasPoint)).name() << "not" << colour.name();
    return false;
}

