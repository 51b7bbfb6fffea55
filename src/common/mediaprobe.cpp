#include "common/mediaprobe.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
}

namespace {
// A palette may hold transparent entries, and an unknown format may be anything.
bool mayHaveAlpha(int format)
{
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(AVPixelFormat(format));
    return !descriptor || (descriptor->flags & (AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_PAL));
}
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

    probe.opened = true;
    probe.duration = context->duration == AV_NOPTS_VALUE ? 0 : qMax<qint64>(0, context->duration);
    probe.bitRate = qMax<qint64>(0, context->bit_rate);
    bool alphaSeen = false;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
            continue;
        probe.width = stream->codecpar->width;
        probe.height = stream->codecpar->height;
        probe.videoCodecId = stream->codecpar->codec_id;
        alphaSeen = alphaSeen || mayHaveAlpha(stream->codecpar->format);
        const AVRational rate = stream->r_frame_rate.num && stream->r_frame_rate.den ? stream->r_frame_rate
                                                                                     : stream->avg_frame_rate;
        probe.frameRate = rate.den ? av_q2d(rate) : 0.0;
    }
    probe.videoOpaque = probe.width > 0 && !alphaSeen;
    probe.subtitleTracks = subtitleTracksOf(context);
    avformat_close_input(&context);
    return probe;
}
