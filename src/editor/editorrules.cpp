#include "editor/editorrules.h"

#include <QtGlobal>

namespace EditorRules {

int turnedLeft(int transpose)
{
    return transpose == 1 ? -1 : 2;
}

int turnedRight(int transpose)
{
    return transpose == 2 ? -1 : 1;
}

double initialZoom(const QSize &canvas, const QSize &screen)
{
    if (canvas.isEmpty() || screen.isEmpty())
        return 100.0;
    const double rw = canvas.width() / (screen.width() * 0.7);
    const double rh = canvas.height() / (screen.height() * 0.7);
    if (rw > 0.9 || rh > 0.9)
        return 100.0 / qMax(rw, rh) * 0.8;
    return 100.0;
}

QSize hostSize(int surfaceHeight, const QSize &canvas)
{
    if (canvas.height() <= 0)
        return QSize(0, surfaceHeight);
    return QSize(int(qint64(surfaceHeight) * canvas.width() / canvas.height()), surfaceHeight);
}

}
