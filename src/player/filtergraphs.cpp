#include "player/playeroutput.h"

#include <cmath>

namespace {
struct TextureFormatEntry
{
    AVPixelFormat format;
    Uint32 textureFormat;
};

// Pictures in these formats go to the renderer without conversion.
const TextureFormatEntry kTextureFormats[] = {
    {AV_PIX_FMT_RGB8, SDL_PIXELFORMAT_RGB332},       {AV_PIX_FMT_RGB444, SDL_PIXELFORMAT_RGB444},
    {AV_PIX_FMT_RGB555, SDL_PIXELFORMAT_RGB555},     {AV_PIX_FMT_BGR555, SDL_PIXELFORMAT_BGR555},
    {AV_PIX_FMT_RGB565, SDL_PIXELFORMAT_RGB565},     {AV_PIX_FMT_BGR565, SDL_PIXELFORMAT_BGR565},
    {AV_PIX_FMT_RGB24, SDL_PIXELFORMAT_RGB24},       {AV_PIX_FMT_BGR24, SDL_PIXELFORMAT_BGR24},
    {AV_PIX_FMT_0RGB32, SDL_PIXELFORMAT_RGB888},     {AV_PIX_FMT_0BGR32, SDL_PIXELFORMAT_BGR888},
    {AV_PIX_FMT_NE(RGB0, 0BGR), SDL_PIXELFORMAT_RGBX8888},
    {AV_PIX_FMT_NE(BGR0, 0RGB), SDL_PIXELFORMAT_BGRX8888},
    {AV_PIX_FMT_RGB32, SDL_PIXELFORMAT_ARGB8888},    {AV_PIX_FMT_RGB32_1, SDL_PIXELFORMAT_RGBA8888},
    {AV_PIX_FMT_BGR32, SDL_PIXELFORMAT_ABGR8888},    {AV_PIX_FMT_BGR32_1, SDL_PIXELFORMAT_BGRA8888},
    {AV_PIX_FMT_YUV420P, SDL_PIXELFORMAT_IYUV},      {AV_PIX_FMT_YUYV422, SDL_PIXELFORMAT_YUY2},
    {AV_PIX_FMT_UYVY422, SDL_PIXELFORMAT_UYVY},
};

// Links source to sink through the caller's chain ("in" and "out" labels) or directly.
int configureFilterGraph(AVFilterGraph *graph, const char *chain, AVFilterContext *source, AVFilterContext *sink)
{
    const unsigned filtersBefore = graph->nb_filters;
    int ret = 0;
    if (chain) {
        AVFilterInOut *outputs = avfilter_inout_alloc();
        AVFilterInOut *inputs = avfilter_inout_alloc();
        if (!outputs || !inputs) {
            avfilter_inout_free(&outputs);
            avfilter_inout_free(&inputs);
            return AVERROR(ENOMEM);
        }
        outputs->name = av_strdup("in");
        outputs->filter_ctx = source;
        outputs->pad_idx = 0;
        outputs->next = nullptr;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = sink;
        inputs->pad_idx = 0;
        inputs->next = nullptr;
        ret = avfilter_graph_parse_ptr(graph, chain, &inputs, &outputs, nullptr);
        avfilter_inout_free(&outputs);
        avfilter_inout_free(&inputs);
    } else {
        ret = avfilter_link(source, 0, sink, 0);
    }
    if (ret < 0)
        return ret;

    // The chain's filters go first so that its inputs are initialised before ours.
    const unsigned parsed = graph->nb_filters - filtersBefore;
    for (unsigned i = 0; i < parsed; i++)
        FFSWAP(AVFilterContext *, graph->filters[i], graph->filters[i + filtersBefore]);
    return avfilter_graph_config(graph, nullptr);
}

const int32_t *displayMatrix(const AVStream *st)
{
// FFmpeg 6.1 (libavcodec 60.30) moved the stream's side data into its codec parameters;
// FFmpeg 7 no longer fills the old place, FFmpeg 5 has only that one.
#if LIBAVCODEC_VERSION_INT >= AV_VERSION_INT(60, 30, 100)
    const AVPacketSideData *data = av_packet_side_data_get(st->codecpar->coded_side_data,
                                                           st->codecpar->nb_coded_side_data,
                                                           AV_PKT_DATA_DISPLAYMATRIX);
    return data ? reinterpret_cast<const int32_t *>(data->data) : nullptr;
#else
    return reinterpret_cast<const int32_t *>(
        av_stream_get_side_data(st, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
#endif
}

double displayRotation(const AVStream *st)
{
    const int32_t *matrix = displayMatrix(st);
    double theta = matrix ? -std::round(av_display_rotation_get(matrix)) : 0;
    theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
    if (std::fabs(theta - 90 * std::round(theta / 90)) > 2)
        av_log(nullptr, AV_LOG_WARNING,
               "Odd rotation angle.\n"
               "If you want to help, upload a sample of this file to https://streams.videolan.org/upload/ "
               "and contact the ffmpeg-devel mailing list. (ffmpeg-devel@ffmpeg.org)\n");
    return theta;
}

// Puts one filter in front of *last and makes it the new last one.
int insertFilter(AVFilterGraph *graph, AVFilterContext **last, const char *name, const char *label,
                 const char *args)
{
    AVFilterContext *filter = nullptr;
    int ret = avfilter_graph_create_filter(&filter, avfilter_get_by_name(name), label, args, nullptr, graph);
    if (ret < 0)
        return ret;
    ret = avfilter_link(filter, 0, *last, 0);
    if (ret < 0)
        return ret;
    *last = filter;
    return 0;
}
}

int configureVideoFilters(AVFilterGraph *graph, PlayerState *is, const char *chain, AVFrame *frame)
{
    AVPixelFormat allowed[std::size(kTextureFormats) + 1];
    int count = 0;
    const SDL_RendererInfo &info = g_player.rendererInfo;
    for (Uint32 i = 0; i < info.num_texture_formats; i++) {
        for (const TextureFormatEntry &entry : kTextureFormats) {
            if (entry.textureFormat == info.texture_formats[i]) {
                allowed[count++] = entry.format;
                break;
            }
        }
    }
    allowed[count] = AV_PIX_FMT_NONE;

    graph->scale_sws_opts = av_strdup("flags=bicubic");
    AVStream *st = is->video_st;
    const AVRational frameRate = av_guess_frame_rate(is->ic, st, nullptr);
    const AVRational sar = st->codecpar->sample_aspect_ratio;
    char args[256];
    snprintf(args, sizeof(args), "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", frame->width,
             frame->height, frame->format, st->time_base.num, st->time_base.den, sar.num, FFMAX(sar.den, 1));
    if (frameRate.num && frameRate.den)
        av_strlcatf(args, sizeof(args), ":frame_rate=%d/%d", frameRate.num, frameRate.den);

    AVFilterContext *source = nullptr;
    AVFilterContext *sink = nullptr;
    int ret = avfilter_graph_create_filter(&source, avfilter_get_by_name("buffer"), "ffplay_buffer", args,
                                           nullptr, graph);
    if (ret < 0)
        return ret;
    ret = avfilter_graph_create_filter(&sink, avfilter_get_by_name("buffersink"), "ffplay_buffersink", nullptr,
                                       nullptr, graph);
    if (ret < 0)
        return ret;
    ret = av_opt_set_int_list(sink, "pix_fmts", allowed, AV_PIX_FMT_NONE, AV_OPT_SEARCH_CHILDREN);
    if (ret < 0)
        return ret;

    AVFilterContext *last = sink;
    const double theta = displayRotation(st);
    if (std::fabs(theta - 90) < 1.0) {
        ret = insertFilter(graph, &last, "transpose", "ffplay_transpose", "clock");
    } else if (std::fabs(theta - 180) < 1.0) {
        ret = insertFilter(graph, &last, "hflip", "ffplay_hflip", nullptr);
        if (ret >= 0)
            ret = insertFilter(graph, &last, "vflip", "ffplay_vflip", nullptr);
    } else if (std::fabs(theta - 270) < 1.0) {
        ret = insertFilter(graph, &last, "transpose", "ffplay_transpose", "cclock");
    } else if (std::fabs(theta) > 1.0) {
        char rotateArgs[32];
        snprintf(rotateArgs, sizeof(rotateArgs), "%f*PI/180", theta);
        ret = insertFilter(graph, &last, "rotate", "ffplay_rotate", rotateArgs);
    }
    if (ret < 0)
        return ret;

    ret = configureFilterGraph(graph, chain, source, last);
    if (ret < 0)
        return ret;
    is->in_video_filter = source;
    is->out_video_filter = sink;
    return 0;
}

int configureAudioFilters(PlayerState *is, bool forceOutputFormat)
{
    avfilter_graph_free(&is->agraph);
    is->agraph = avfilter_graph_alloc();
    if (!is->agraph)
        return AVERROR(ENOMEM);

    const AudioParams &src = is->audio_filter_src;
    char args[512];
    snprintf(args, sizeof(args), "sample_rate=%d:sample_fmt=%s:channels=%d:time_base=%d/%d", src.freq,
             av_get_sample_fmt_name(src.fmt), src.ch_layout.nb_channels, 1, src.freq);
    if (src.ch_layout.order == AV_CHANNEL_ORDER_NATIVE)
        av_strlcatf(args, sizeof(args), ":channel_layout=0x%016" PRIx64, src.ch_layout.u.mask);

    AVFilterContext *source = nullptr;
    AVFilterContext *sink = nullptr;
    const AVSampleFormat sampleFormats[] = {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_NONE};
    int ret = avfilter_graph_create_filter(&source, avfilter_get_by_name("abuffer"), "ffplay_abuffer", args,
                                           nullptr, is->agraph);
    if (ret >= 0)
        ret = avfilter_graph_create_filter(&sink, avfilter_get_by_name("abuffersink"), "ffplay_abuffersink",
                                           nullptr, nullptr, is->agraph);
    if (ret >= 0)
        ret = av_opt_set_int_list(sink, "sample_fmts", sampleFormats, AV_SAMPLE_FMT_NONE, AV_OPT_SEARCH_CHILDREN);
    if (ret >= 0)
        ret = av_opt_set_int(sink, "all_channel_counts", forceOutputFormat ? 0 : 1, AV_OPT_SEARCH_CHILDREN);
    if (ret >= 0 && forceOutputFormat) {
        const AudioParams &tgt = is->audio_tgt;
        char layoutText[256];
        av_channel_layout_describe(&tgt.ch_layout, layoutText, sizeof(layoutText));
        const int sampleRates[] = {tgt.freq, -1};
        ret = av_opt_set(sink, "ch_layouts", layoutText, AV_OPT_SEARCH_CHILDREN);
        if (ret >= 0)
            ret = av_opt_set_int_list(sink, "sample_rates", sampleRates, -1, AV_OPT_SEARCH_CHILDREN);
    }
    if (ret >= 0)
        ret = configureFilterGraph(is->agraph, nullptr, source, sink);
    if (ret < 0) {
        avfilter_graph_free(&is->agraph);
        return ret;
    }
    is->in_audio_filter = source;
    is->out_audio_filter = sink;
    return 0;
}

Uint32 textureFormatFor(int pixelFormat)
{
    for (const TextureFormatEntry &entry : kTextureFormats)
        if (entry.format == pixelFormat)
            return entry.textureFormat;
    return SDL_PIXELFORMAT_UNKNOWN;
}
