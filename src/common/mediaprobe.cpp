#include "common/mediaprobe.h"

extern "C" {
#include <libavformat/avformat.h>
}

MediaProbe probeMedia(const QString &path)
{
    MediaProbe probe;
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return probe;
    if (avformat_find_stream_info(context, nullptr) < 0) {
        avformat_close_input(&context);
        return probe;
    }
    probe.durationUs = context->duration != AV_NOPTS_VALUE ? context->duration : 0;
    probe.bitRate = context->bit_rate;
    for (unsigned i = 0; i < context->nb_streams; i++) {
        const AVStream *stream = context->streams[i];
        const AVCodecParameters *parameters = stream->codecpar;
        if (parameters->codec_type != AVMEDIA_TYPE_VIDEO)
            continue;
        probe.width = parameters->width;
        probe.height = parameters->height;
        probe.videoCodecId = parameters->codec_id;
        const AVRational rate = av_guess_frame_rate(context, const_cast<AVStream *>(stream), nullptr);
        probe.frameRate = rate.den ? av_q2d(rate) : 0;
    }
    avformat_close_input(&context);
    return probe;
}
