#pragma once

#include "engines/meltarguments.h"

#include <string>

// The frame rate melt's automatic profile takes from a file: that of its first video stream,
// or MLT's default profile rate (25 frames per second) for files without one.
MeltArguments::FrameRate mediaFrameRate(const std::string &path);
