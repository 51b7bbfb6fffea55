#pragma once

#include <QSize>

// The editor's small arithmetic, kept apart from its widgets.
namespace EditorRules {

// Quarter-turn values: -1 none, 1 clockwise, 2 counter-clockwise.
int turnedLeft(int transpose);
int turnedRight(int transpose);

// Zoom in percent at which a canvas first shows: whole when it is small beside the
// screen, shrunk to fit otherwise.
double initialZoom(const QSize &canvas, const QSize &screen);

// The preview host: as high as the surface, as wide as the canvas's aspect asks.
QSize hostSize(int surfaceHeight, const QSize &canvas);

}
