#include "layers/layerstream.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
}

LayerStream probeLayerStream(const QString &path)
{
    LayerStream stream;
    AVDictionary *options = nullptr;
    // The movie source reads a name with '%' as exactly that name, not a numbered sequence.
    if (path.contains(QLatin1Char('%')))
        av_dict_set(&options, "pattern_type", "none", 0);
    AVFormatContext *format = nullptr;
    const int opened = avformat_open_input(&format, path.toUtf8().constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened != 0)
        return stream;
    if (avformat_find_stream_info(format, nullptr) >= 0) {
        const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index >= 0) {
            const AVStream *video = format->streams[index];
            const AVPixFmtDescriptor *pixels = av_pix_fmt_desc_get(AVPixelFormat(video->codecpar->format));
            // A palette may hold transparent entries, and an unknown format may be anything.
            stream.opaque = pixels && !(pixels->flags & (AV_PIX_FMT_FLAG_ALPHA | AV_PIX_FMT_FLAG_PAL));
            // The movie source gives its frames this rate, and the graph numbers them by it.
            if (video->r_frame_rate.num > 0 && video->r_frame_rate.den > 0) {
                stream.rateNum = video->r_frame_rate.num;
                stream.rateDen = video->r_frame_rate.den;
            }
        }
    }
    avformat_close_input(&format);
    return stream;
}
