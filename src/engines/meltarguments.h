#pragma once

#include <string>
#include <vector>

// Turns the application's melt command line into one that melt 7 reads with the meaning the
// application intends.
namespace MeltArguments {

struct FrameRate
{
    long numerator = 25;
    long denominator = 1;
};

// The first producer: melt takes its frame rate for the whole render from it.
std::string firstProducer(const std::vector<std::string> &arguments);
// The file named by "-consumer avformat:<file>", empty for other consumers.
std::string outputFile(const std::vector<std::string> &arguments);

// Positions "in='HH:mm:ss:hh'" and "out='HH:mm:ss:hh'" carry hundredths of a second in the
// last field, where melt reads frames; they become frame numbers at the given rate, and out
// becomes the last frame that starts before the end time, so consecutive parts neither overlap
// nor leave a gap. "-s WxH" after the consumer becomes its "s" property; an audio-only output
// gets no video stream.
std::vector<std::string> translate(const std::vector<std::string> &arguments, FrameRate rate);

}
