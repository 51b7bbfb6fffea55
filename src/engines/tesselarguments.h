#pragma once

#include <string>
#include <vector>

// Turns the application's TesselEngine command line into one that today's ffmpeg reads with
// the meaning the application intends.
namespace TesselArguments {

std::vector<std::string> translate(const std::vector<std::string> &arguments);

// "1280x720" from a frame size text that may carry a name after it ("320x240 VGA").
std::string plainFrameSize(const std::string &size);

}
