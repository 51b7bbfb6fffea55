#include "engines/tesselarguments.h"

#include <algorithm>
#include <regex>

namespace {

bool endsWith(const std::string &text, const std::string &suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The application names a hardware encoder family before the input to ask for hardware
// decoding: NVIDIA decodes through cuvid, Intel's decoders share the encoders' names, and the
// other families have no decoder here, so they decode in software.
std::string hardwareDecoderFor(const std::string &name)
{
    if (endsWith(name, "_nvenc"))
        return name.substr(0, name.size() - 6) + "_cuvid";
    if (endsWith(name, "_amf") || endsWith(name, "_videotoolbox"))
        return {};
    return name;
}

std::string withPlainScaleSizes(const std::string &graph)
{
    static const std::regex namedSize(R"(scale=(\d+x\d+) [^\[;,]*)");
    return std::regex_replace(graph, namedSize, "scale=$1");
}

}

std::string TesselArguments::plainFrameSize(const std::string &size)
{
    const std::string::size_type blank = size.find(' ');
    return blank == std::string::npos ? size : size.substr(0, blank);
}

std::vector<std::string> TesselArguments::translate(const std::vector<std::string> &arguments)
{
    // The engine never reads commands from its standard input.
    std::vector<std::string> out{"-nostdin", "-hide_banner"};
    bool inputSeen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "-i")
            inputSeen = true;
        if (!hasValue) {
            out.push_back(argument);
            continue;
        }
        const std::string &value = arguments[i + 1];
        if (argument == "-s") {
            out.push_back(argument);
            out.push_back(plainFrameSize(value));
        } else if (argument == "-filter_complex") {
            out.push_back(argument);
            out.push_back(withPlainScaleSizes(value));
        } else if (argument == "-avoid_negative_ts") {
            // Shifting a stream-copied cut to zero exposes the lead-in from the keyframe before
            // the cut point; left alone, MP4 hides it with an edit list and the part keeps its
            // length, while other containers still get non-negative times.
        } else if (argument == "-c:v" && !inputSeen) {
            const std::string decoder = hardwareDecoderFor(value);
            if (!decoder.empty()) {
                out.push_back(argument);
                out.push_back(decoder);
            }
        } else {
            out.push_back(argument);
            continue;
        }
        ++i;
    }
    return out;
}
