#include "engines/meltarguments.h"

#include "engines/tesselarguments.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace {

const std::string kConsumer = "-consumer";
const std::string kAvformat = "avformat:";

bool startsWith(const std::string &text, const std::string &prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool isProperty(const std::string &argument)
{
    const std::string::size_type equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    return std::all_of(argument.begin(), argument.begin() + static_cast<long>(equals),
                       [](unsigned char c) { return std::isalnum(c) || c == '_' || c == '.'; });
}

std::string unquoted(const std::string &value)
{
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Hundredths of a second from "HH:mm:ss:hh"; nothing for any other form.
std::optional<long long> hundredths(const std::string &text)
{
    long long fields[4] = {};
    std::size_t field = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c == ':') {
            if (digits == 0 || ++field > 3)
                return std::nullopt;
            digits = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            fields[field] = fields[field] * 10 + (c - '0');
            if (++digits > 9)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (field != 3 || digits == 0)
        return std::nullopt;
    return ((fields[0] * 60 + fields[1]) * 60 + fields[2]) * 100 + fields[3];
}

// The first frame that starts at or after the time.
long long frameAt(long long centiseconds, MeltArguments::FrameRate rate)
{
    const double exact = static_cast<double>(centiseconds) * rate.numerator / (100.0 * rate.denominator);
    return static_cast<long long>(std::ceil(exact - 1e-6));
}

std::string translatedPosition(const std::string &argument, MeltArguments::FrameRate rate)
{
    const bool isOut = startsWith(argument, "out=");
    const std::string value = unquoted(argument.substr(argument.find('=') + 1));
    const std::optional<long long> time = hundredths(value);
    const std::string name = isOut ? "out=" : "in=";
    if (!time)
        return name + value;
    const long long frame = frameAt(*time, rate);
    return name + std::to_string(isOut ? std::max(0LL, frame - 1) : frame);
}

bool isAudioOnlyFile(const std::string &path)
{
    const std::string::size_type dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return false;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static const char *const kAudioOnly[] = {"mp3", "m4a", "wav", "aac", "flac", "opus"};
    return std::any_of(std::begin(kAudioOnly), std::end(kAudioOnly),
                       [&](const char *known) { return extension == known; });
}

}

std::string MeltArguments::firstProducer(const std::vector<std::string> &arguments)
{
    for (const std::string &argument : arguments) {
        if (argument == kConsumer)
            break;
        if (!argument.empty() && argument.front() != '-' && !isProperty(argument))
            return argument;
    }
    return {};
}

std::string MeltArguments::outputFile(const std::vector<std::string> &arguments)
{
    const auto consumer = std::find(arguments.begin(), arguments.end(), kConsumer);
    if (consumer == arguments.end() || consumer + 1 == arguments.end() || !startsWith(consumer[1], kAvformat))
        return {};
    return consumer[1].substr(kAvformat.size());
}

std::vector<std::string> MeltArguments::translate(const std::vector<std::string> &arguments, FrameRate rate)
{
    // Progress lines are what the application reads.
    std::vector<std::string> out{"-progress"};
    bool afterConsumer = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument == kConsumer)
            afterConsumer = true;
        if (!afterConsumer && (startsWith(argument, "in=") || startsWith(argument, "out=")))
            out.push_back(translatedPosition(argument, rate));
        else if (afterConsumer && argument == "-s" && i + 1 < arguments.size())
            out.push_back("s=" + TesselArguments::plainFrameSize(arguments[++i]));
        else
            out.push_back(argument);
    }
    if (isAudioOnlyFile(outputFile(arguments)))
        out.push_back("vn=1");
    return out;
}
