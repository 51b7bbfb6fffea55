#pragma once

#include "common/startup.h"

#include <QPalette>

class QApplication;

namespace Startup {

// Names the application, loads libass, sets the Fusion style and the dark palette.
void prepareApplication(QApplication &app);
QPalette darkPalette();

}
