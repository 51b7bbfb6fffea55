#include "engines/mediaframerate.h"

extern "C" {
#include <libavformat/avformat.h>
}

MeltArguments::FrameRate mediaFrameRate(const std::string &path)
{
    MeltArguments::FrameRate rate;
    AVFormatContext *format = nullptr;
    if (path.empty() || avformat_open_input(&format, path.c_str(), nullptr, nullptr) != 0)
        return rate;
    if (avformat_find_stream_info(format, nullptr) >= 0) {
        const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index >= 0 && !(format->streams[index]->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            const AVRational guessed = av_guess_frame_rate(format, format->streams[index], nullptr);
            if (guessed.num > 0 && guessed.den > 0) {
                rate.numerator = guessed.num;
                rate.denominator = guessed.den;
            }
        }
    }
    avformat_close_input(&format);
    return rate;
}
