#pragma once

#include <QString>

// The position of a frame as melt shows it (SMPTE, drop-frame where the rate has it), worked
// out by MLT itself. MLT is loaded on the first call, so programs that never report where a
// melt job stopped never load it. A rate of 0/0 is MLT's default profile; the text is empty
// when MLT cannot be loaded.
QString meltTimecode(int frame, int rateNumerator, int rateDenominator);
