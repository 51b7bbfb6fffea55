#include "player/playeroutput.h"

#include <cmath>

namespace {
int queuePicture(PlayerState *is, AVFrame *srcFrame, double pts, double duration, int serial)
{
    Frame *vp = frameQueuePeekWritable(&is->pictq);
    if (!vp)
        return -1;
    vp->sar = srcFrame->sample_aspect_ratio;
    vp->uploaded = false;
    vp->width = srcFrame->width;
    vp->height = srcFrame->height;
    vp->format = srcFrame->format;
    vp->pts = pts;
    vp->duration = duration;
    vp->serial = serial;
    setDefaultWindowSize(vp->width, vp->height, vp->sar);
    av_frame_move_ref(vp->frame, srcFrame);
    frameQueuePush(&is->pictq);
    return 0;
}

bool audioFormatChanged(const AudioParams &last, const AVFrame *frame)
{
    return last.fmt != frame->format || last.ch_layout.nb_channels != frame->ch_layout.nb_channels
        || av_channel_layout_compare(&last.ch_layout, &frame->ch_layout) || last.freq != frame->sample_rate;
}

// True when the frame comes before the seek target and must not be presented.
bool skipBeforeSeekTarget(bool *skipFlag, double target, double pts)
{
    if (!*skipFlag)
        return false;
    if (!std::isnan(pts) && pts < target)
        return true;
    *skipFlag = false;
    return false;
}
}

int getVideoFrame(PlayerState *is, AVFrame *frame)
{
    SDL_LockMutex(g_player.decodeLock);
    const int got = decoderDecodeFrame(&is->viddec, frame, nullptr);
    SDL_UnlockMutex(g_player.decodeLock);
    if (got <= 0)
        return got;

    frame->sample_aspect_ratio = av_guess_sample_aspect_ratio(is->ic, is->video_st, frame);
    // Early drop: only when the master is not the video clock.
    if (frame->pts != AV_NOPTS_VALUE && masterSyncType(is) != SyncVideoMaster) {
        const double dpts = av_q2d(is->video_st->time_base) * frame->pts;
        const double diff = dpts - masterClock(is);
        if (!std::isnan(diff) && std::fabs(diff) < kNoSyncThreshold && diff - is->frame_last_filter_delay < 0
            && is->viddec.pkt_serial == is->vidclk.serial && is->videoq.nb_packets) {
            is->frame_drops_early++;
            av_frame_unref(frame);
            return 0;
        }
    }
    return 1;
}

int videoThread(void *arg)
{
    auto *is = static_cast<PlayerState *>(arg);
    AVFrame *frame = av_frame_alloc();
    AVFilterGraph *graph = nullptr;
    int lastWidth = 0;
    int lastHeight = 0;
    int lastFormat = -2;
    int lastSerial = -1;
    AVRational frameRate = av_guess_frame_rate(is->ic, is->video_st, nullptr);
    if (!frame)
        return AVERROR(ENOMEM);

    for (;;) {
        int ret = getVideoFrame(is, frame);
        if (ret < 0)
            break;
        if (!ret)
            continue;

        if (lastWidth != frame->width || lastHeight != frame->height || lastFormat != frame->format
            || lastSerial != is->viddec.pkt_serial) {
            const char *lastName = av_get_pix_fmt_name(AVPixelFormat(lastFormat));
            const char *newName = av_get_pix_fmt_name(AVPixelFormat(frame->format));
            av_log(nullptr, AV_LOG_DEBUG,
                   "Video frame changed from size:%dx%d format:%s serial:%d to size:%dx%d format:%s serial:%d\n",
                   lastWidth, lastHeight, lastName ? lastName : "none", lastSerial, frame->width, frame->height,
                   newName ? newName : "none", is->viddec.pkt_serial);
            avfilter_graph_free(&graph);
            graph = avfilter_graph_alloc();
            const char *chain = g_player.videoFilters.empty() ? nullptr : g_player.videoFilters.front();
            if (!graph || configureVideoFilters(graph, is, chain, frame) < 0) {
                postQuitEvent(is);
                break;
            }
            lastWidth = frame->width;
            lastHeight = frame->height;
            lastFormat = frame->format;
            lastSerial = is->viddec.pkt_serial;
            frameRate = av_buffersink_get_frame_rate(is->out_video_filter);
        }

        ret = av_buffersrc_add_frame(is->in_video_filter, frame);
        while (ret >= 0) {
            is->frame_last_returned_time = clockNow();
            ret = av_buffersink_get_frame_flags(is->out_video_filter, frame, 0);
            if (ret < 0) {
                if (ret == AVERROR_EOF)
                    is->viddec.finished = is->viddec.pkt_serial;
                ret = 0;
                break;
            }
            is->frame_last_filter_delay = clockNow() - is->frame_last_returned_time;
            if (std::fabs(is->frame_last_filter_delay) > kNoSyncThreshold / 10.0)
                is->frame_last_filter_delay = 0;
            const AVRational tb = av_buffersink_get_time_base(is->out_video_filter);
            const double duration = frameRate.num && frameRate.den ? av_q2d({frameRate.den, frameRate.num}) : 0;
            const double pts = frame->pts == AV_NOPTS_VALUE ? NAN : frame->pts * av_q2d(tb);
            if (skipBeforeSeekTarget(&is->seek_skip_video, is->seek_skip_target, pts)) {
                av_frame_unref(frame);
                continue;
            }
            ret = queuePicture(is, frame, pts, duration, is->viddec.pkt_serial);
            av_frame_unref(frame);
            if (is->videoq.serial != is->viddec.pkt_serial)
                break;
        }
        if (ret < 0)
            break;
    }
    avfilter_graph_free(&graph);
    av_frame_free(&frame);
    return 0;
}

int audioThread(void *arg)
{
    auto *is = static_cast<PlayerState *>(arg);
    AVFrame *frame = av_frame_alloc();
    int lastSerial = -1;
    int ret = 0;
    if (!frame)
        return AVERROR(ENOMEM);

    do {
        const int got = decoderDecodeFrame(&is->auddec, frame, nullptr);
        if (got < 0)
            break;
        if (!got)
            continue;

        if (audioFormatChanged(is->audio_filter_src, frame) || is->auddec.pkt_serial != lastSerial) {
            char lastLayout[64];
            char newLayout[64];
            av_channel_layout_describe(&is->audio_filter_src.ch_layout, lastLayout, sizeof(lastLayout));
            av_channel_layout_describe(&frame->ch_layout, newLayout, sizeof(newLayout));
            const char *lastFmt = av_get_sample_fmt_name(is->audio_filter_src.fmt);
            const char *newFmt = av_get_sample_fmt_name(AVSampleFormat(frame->format));
            av_log(nullptr, AV_LOG_DEBUG,
                   "Audio frame changed from rate:%d ch:%d fmt:%s layout:%s serial:%d to rate:%d ch:%d fmt:%s "
                   "layout:%s serial:%d\n",
                   is->audio_filter_src.freq, is->audio_filter_src.ch_layout.nb_channels,
                   lastFmt ? lastFmt : "none", lastLayout, lastSerial, frame->sample_rate,
                   frame->ch_layout.nb_channels, newFmt ? newFmt : "none", newLayout, is->auddec.pkt_serial);
            is->audio_filter_src.fmt = AVSampleFormat(frame->format);
            ret = av_channel_layout_copy(&is->audio_filter_src.ch_layout, &frame->ch_layout);
            if (ret < 0)
                break;
            is->audio_filter_src.freq = frame->sample_rate;
            lastSerial = is->auddec.pkt_serial;
            ret = configureAudioFilters(is, true);
            if (ret < 0)
                break;
        }

        ret = av_buffersrc_add_frame(is->in_audio_filter, frame);
        if (ret < 0)
            break;
        while ((ret = av_buffersink_get_frame_flags(is->out_audio_filter, frame, 0)) >= 0) {
            const AVRational tb = av_buffersink_get_time_base(is->out_audio_filter);
            const double pts = frame->pts == AV_NOPTS_VALUE ? NAN : frame->pts * av_q2d(tb);
            if (skipBeforeSeekTarget(&is->seek_skip_audio, is->seek_skip_target, pts)) {
                av_frame_unref(frame);
                continue;
            }
            Frame *af = frameQueuePeekWritable(&is->sampq);
            if (!af) {
                ret = -1;
                break;
            }
            af->pts = pts;
            af->serial = is->auddec.pkt_serial;
            af->duration = av_q2d({frame->nb_samples, frame->sample_rate});
            av_frame_move_ref(af->frame, frame);
            frameQueuePush(&is->sampq);
            if (is->audioq.serial != is->auddec.pkt_serial)
                break;
        }
        if (ret == AVERROR_EOF)
            is->auddec.finished = is->auddec.pkt_serial;
    } while (ret >= 0 || ret == AVERROR(EAGAIN) || ret == AVERROR_EOF);
    av_frame_free(&frame);
    return 0;
}

int subtitleThread(void *arg)
{
    auto *is = static_cast<PlayerState *>(arg);
    for (;;) {
        Frame *sp = frameQueuePeekWritable(&is->subpq);
        if (!sp)
            return 0;
        const int got = decoderDecodeFrame(&is->subdec, nullptr, &sp->sub);
        if (got < 0)
            return 0;
        if (!got || sp->sub.format != 0) {
            if (got)
                avsubtitle_free(&sp->sub);
            continue;
        }
        sp->pts = sp->sub.pts != AV_NOPTS_VALUE ? sp->sub.pts / double(AV_TIME_BASE) : 0;
        sp->serial = is->subdec.pkt_serial;
        sp->width = is->subdec.avctx->width;
        sp->height = is->subdec.avctx->height;
        sp->uploaded = false;
        if (skipBeforeSeekTarget(&is->seek_skip_subtitle, is->seek_skip_target, sp->pts)) {
            avsubtitle_free(&sp->sub);
            continue;
        }
        frameQueuePush(&is->subpq);
    }
}
