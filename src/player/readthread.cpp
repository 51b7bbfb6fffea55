#include "player/readthread.h"

#include "player/playerengine.h"
#include "player/playeroutput.h"

#include <cmath>
#include <utility>

namespace {
// Longest time sound waits for the first picture of a file that has video.
constexpr double kFirstPictureWait = 1.0;

constexpr int kMaxQueueSize = 15 * 1024 * 1024;
constexpr int kMinFrames = 25;
constexpr int kStartupVolume = 100;

int decodeInterrupt(void *opaque)
{
    return static_cast<PlayerState *>(opaque)->abort_request;
}

bool isRealtime(const AVFormatContext *s)
{
    if (!strcmp(s->iformat->name, "rtp") || !strcmp(s->iformat->name, "rtsp") || !strcmp(s->iformat->name, "sdp"))
        return true;
    return s->pb && s->url && (!strncmp(s->url, "rtp:", 4) || !strncmp(s->url, "udp:", 4));
}

bool streamHasEnoughPackets(const AVStream *st, int streamId, const PacketQueue *queue)
{
    return streamId < 0 || queue->abort_request || (st->disposition & AV_DISPOSITION_ATTACHED_PIC)
        || (queue->nb_packets > kMinFrames && (!queue->duration || av_q2d(st->time_base) * queue->duration > 1.0));
}

int streamComponentOpen(PlayerState *is, int streamIndex)
{
    AVFormatContext *ic = is->ic;
    if (streamIndex < 0 || unsigned(streamIndex) >= ic->nb_streams)
        return -1;
    AVCodecContext *avctx = avcodec_alloc_context3(nullptr);
    if (!avctx)
        return AVERROR(ENOMEM);
    int ret = avcodec_parameters_to_context(avctx, ic->streams[streamIndex]->codecpar);
    if (ret < 0) {
        avcodec_free_context(&avctx);
        return ret;
    }
    avctx->pkt_timebase = ic->streams[streamIndex]->time_base;
    const AVCodec *codec = avcodec_find_decoder(avctx->codec_id);
    if (!codec) {
        av_log(nullptr, AV_LOG_WARNING, "No decoder could be found for codec %s\n", avcodec_get_name(avctx->codec_id));
        avcodec_free_context(&avctx);
        return AVERROR(EINVAL);
    }
    avctx->codec_id = codec->id;
    AVDictionary *options = nullptr;
    av_dict_set(&options, "threads", "auto", 0);
    ret = avcodec_open2(avctx, codec, &options);
    av_dict_free(&options);
    if (ret < 0) {
        avcodec_free_context(&avctx);
        return ret;
    }

    is->eof = 0;
    ic->streams[streamIndex]->discard = AVDISCARD_DEFAULT;
    switch (avctx->codec_type) {
    case AVMEDIA_TYPE_AUDIO: {
        is->audio_filter_src.freq = avctx->sample_rate;
        ret = av_channel_layout_copy(&is->audio_filter_src.ch_layout, &avctx->ch_layout);
        is->audio_filter_src.fmt = avctx->sample_fmt;
        if (ret >= 0)
            ret = configureAudioFilters(is, false);
        if (ret < 0)
            break;
        AVFilterContext *sink = is->out_audio_filter;
        AVChannelLayout layout {};
        ret = av_buffersink_get_ch_layout(sink, &layout);
        if (ret >= 0)
            ret = audioOpen(is, &layout, av_buffersink_get_sample_rate(sink), &is->audio_tgt);
        av_channel_layout_uninit(&layout);
        if (ret < 0)
            break;
        is->audio_hw_buf_size = ret;
        is->audio_src.freq = is->audio_tgt.freq;
        is->audio_src.fmt = is->audio_tgt.fmt;
        is->audio_src.frame_size = is->audio_tgt.frame_size;
        is->audio_src.bytes_per_sec = is->audio_tgt.bytes_per_sec;
        ret = av_channel_layout_copy(&is->audio_src.ch_layout, &is->audio_tgt.ch_layout);
        if (ret < 0) {
            closeAudioOutput(is);
            break;
        }
        is->audio_buf_size = 0;
        is->audio_buf_index = 0;
        is->audio_diff_avg_coef = exp(log(0.01) / 20);
        is->audio_diff_avg_count = 0;
        is->audio_diff_threshold = double(is->audio_hw_buf_size) / is->audio_tgt.bytes_per_sec;
        is->audio_stream = streamIndex;
        is->audio_st = ic->streams[streamIndex];
        decoderInit(&is->auddec, avctx, &is->audioq, is->continue_read_thread);
        avctx = nullptr;
        // Sound from a demuxer that cannot search by time counts from the stream's start.
        if (ic->iformat->flags & (AVFMT_NOBINSEARCH | AVFMT_NOGENSEARCH | AVFMT_NO_BYTE_SEEK)) {
            is->auddec.start_pts = is->audio_st->start_time;
            is->auddec.start_pts_tb = is->audio_st->time_base;
        }
        ret = decoderStart(&is->auddec, audioThread, "audio_decoder", is);
        if (ret < 0)
            break;
        is->audio_wait_deadline = av_gettime_relative() / 1000000.0 + kFirstPictureWait;
        SDL_PauseAudioDevice(g_player.audioDevice, 0);
        break;
    }
    case AVMEDIA_TYPE_VIDEO:
        is->video_stream = streamIndex;
        is->video_st = ic->streams[streamIndex];
        decoderInit(&is->viddec, avctx, &is->videoq, is->continue_read_thread);
        avctx = nullptr;
        ret = decoderStart(&is->viddec, videoThread, "video_decoder", is);
        if (ret >= 0)
            is->queue_attachments_req = 1;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        is->subtitle_stream = streamIndex;
        is->subtitle_st = ic->streams[streamIndex];
        decoderInit(&is->subdec, avctx, &is->subtitleq, is->continue_read_thread);
        avctx = nullptr;
        ret = decoderStart(&is->subdec, subtitleThread, "subtitle_decoder", is);
        break;
    default:
        break;
    }
    avcodec_free_context(&avctx);
    return ret;
}

void closeDecoder(Decoder *d, FrameQueue *frames, AVStream **stream, int *streamIndex)
{
    decoderAbort(d, frames);
    decoderDestroy(d);
    *stream = nullptr;
    *streamIndex = -1;
}

void streamComponentClose(PlayerState *is, int streamIndex)
{
    AVFormatContext *ic = is->ic;
    if (streamIndex < 0 || unsigned(streamIndex) >= ic->nb_streams)
        return;
    switch (ic->streams[streamIndex]->codecpar->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        closeDecoder(&is->auddec, &is->sampq, &is->audio_st, &is->audio_stream);
        closeAudioOutput(is);
        break;
    case AVMEDIA_TYPE_VIDEO:
        closeDecoder(&is->viddec, &is->pictq, &is->video_st, &is->video_stream);
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        closeDecoder(&is->subdec, &is->subpq, &is->subtitle_st, &is->subtitle_stream);
        break;
    default:
        break;
    }
    ic->streams[streamIndex]->discard = AVDISCARD_ALL;
}

bool streamFinished(const PlayerState *is)
{
    const bool audioDone = !is->audio_st
        || (is->auddec.finished == is->audioq.serial && frameQueueRemaining(const_cast<FrameQueue *>(&is->sampq)) == 0);
    const bool videoDone = !is->video_st
        || (is->viddec.finished == is->videoq.serial && frameQueueRemaining(const_cast<FrameQueue *>(&is->pictq)) == 0);
    return audioDone && videoDone;
}

void performSeek(PlayerState *is)
{
    const int64_t target = is->seek_pos;
    const int64_t minimum = is->seek_rel > 0 ? target - is->seek_rel + 2 : INT64_MIN;
    const int64_t maximum = is->seek_rel < 0 ? target - is->seek_rel - 2 : INT64_MAX;
    // A file with few key frames may have none inside the bounds; any key frame before the
    // target will do then, since the decoders skip what comes before it.
    int ret = avformat_seek_file(is->ic, -1, minimum, target, maximum, is->seek_flags);
    if (ret < 0 && (minimum != INT64_MIN || maximum != INT64_MAX))
        ret = avformat_seek_file(is->ic, -1, INT64_MIN, target, INT64_MAX, is->seek_flags);
    if (ret < 0) {
        av_log(nullptr, AV_LOG_ERROR, "%s: error while seeking\n", is->ic->url);
    } else {
        const std::pair<int, PacketQueue *> queues[] = {
            {is->audio_stream, &is->audioq}, {is->subtitle_stream, &is->subtitleq}, {is->video_stream, &is->videoq}};
        for (const auto &[index, queue] : queues) {
            if (index >= 0) {
                packetQueueFlush(queue);
                packetQueuePutFlush(queue);
            }
        }
        if (is->seek_flags & AVSEEK_FLAG_BYTE)
            clockSet(&is->extclk, NAN, 0);
        else
            clockSet(&is->extclk, target / double(AV_TIME_BASE), 0);
    }
    is->seek_skip_target = is->seek_pos / double(AV_TIME_BASE);
    is->seek_skip_audio = is->seek_skip_video = is->seek_skip_subtitle = true;
    is->seek_req = 0;
    is->queue_attachments_req = 1;
    is->eof = 0;
    if (is->paused) {
        // Show the first picture at the new place, then pause again.
        togglePause(is);
        is->step = 1;
    }
}

int openInput(PlayerState *is)
{
    AVFormatContext *ic = avformat_alloc_context();
    if (!ic)
        return AVERROR(ENOMEM);
    ic->interrupt_callback.callback = decodeInterrupt;
    ic->interrupt_callback.opaque = is;
    AVDictionary *formatOptions = nullptr;
    av_dict_set(&formatOptions, "scan_all_pmts", "1", AV_DICT_DONT_OVERWRITE);
    int ret = avformat_open_input(&ic, is->filename, nullptr, &formatOptions);
    av_dict_free(&formatOptions);
    if (ret < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE];
        av_log(nullptr, AV_LOG_ERROR, "%s: %s\n", is->filename, av_make_error_string(text, sizeof(text), ret));
        return ret;
    }
    is->ic = ic;
    ret = avformat_find_stream_info(ic, nullptr);
    if (ret < 0) {
        av_log(nullptr, AV_LOG_WARNING, "%s: could not find codec parameters\n", is->filename);
        return ret;
    }
    if (ic->pb)
        ic->pb->eof_reached = 0;
    is->max_frame_duration = (ic->iformat->flags & AVFMT_TS_DISCONT) ? 10.0 : 3600.0;
    is->realtime = isRealtime(ic);
    av_dump_format(ic, 0, is->filename, 0);
    return 0;
}

void openStreams(PlayerState *is)
{
    AVFormatContext *ic = is->ic;
    for (unsigned i = 0; i < ic->nb_streams; i++)
        ic->streams[i]->discard = AVDISCARD_ALL;
    const int video = av_find_best_stream(ic, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int audio = av_find_best_stream(ic, AVMEDIA_TYPE_AUDIO, -1, video, nullptr, 0);
    int subtitle = -1;
    if (g_player.subtitleTrack == kPlayerBestSubtitle) {
        subtitle = av_find_best_stream(ic, AVMEDIA_TYPE_SUBTITLE, -1, audio >= 0 ? audio : video, nullptr, 0);
    } else {
        for (unsigned i = 0, seen = 0; i < ic->nb_streams && subtitle < 0; i++) {
            if (ic->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE && int(seen++) == g_player.subtitleTrack)
                subtitle = int(i);
        }
    }

    if (video >= 0) {
        AVStream *st = ic->streams[video];
        const AVRational sar = av_guess_sample_aspect_ratio(ic, st, nullptr);
        if (st->codecpar->width)
            setDefaultWindowSize(st->codecpar->width, st->codecpar->height, sar);
    }
    // The picture opens first: the sound waits for it only when it knows there is one.
    if (video >= 0)
        streamComponentOpen(is, video);
    if (audio >= 0)
        streamComponentOpen(is, audio);
    if (subtitle >= 0)
        streamComponentOpen(is, subtitle);
    is->show_mode = is->video_stream >= 0 ? ShowMode::Video : ShowMode::Spectrum;
}

int readThread(void *arg)
{
    auto *is = static_cast<PlayerState *>(arg);
    SDL_mutex *waitMutex = SDL_CreateMutex();
    AVPacket *pkt = av_packet_alloc();
    bool infiniteBuffer = false;
    int ret = 0;
    is->eof = 0;
    if (!waitMutex || !pkt) {
        ret = AVERROR(ENOMEM);
        goto done;
    }
    ret = openInput(is);
    if (ret < 0)
        goto done;
    openStreams(is);
    if (is->video_stream < 0 && is->audio_stream < 0) {
        av_log(nullptr, AV_LOG_FATAL, "Failed to open file '%s' or configure filtergraph\n", is->filename);
        ret = -1;
        goto done;
    }
    infiniteBuffer = is->realtime;

    while (!is->abort_request) {
        if (is->paused != is->last_paused) {
            is->last_paused = is->paused;
            if (is->paused)
                is->read_pause_return = av_read_pause(is->ic);
            else
                av_read_play(is->ic);
        }
        if (is->seek_req)
            performSeek(is);
        if (is->queue_attachments_req) {
            if (is->video_st && (is->video_st->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
                if (av_packet_ref(pkt, &is->video_st->attached_pic) >= 0) {
                    packetQueuePut(&is->videoq, pkt);
                    packetQueuePutEndOfStream(&is->videoq, pkt, is->video_stream);
                }
            }
            is->queue_attachments_req = 0;
        }

        if (!infiniteBuffer
            && (is->audioq.size + is->videoq.size + is->subtitleq.size > kMaxQueueSize
                || (streamHasEnoughPackets(is->audio_st, is->audio_stream, &is->audioq)
                    && streamHasEnoughPackets(is->video_st, is->video_stream, &is->videoq)
                    && streamHasEnoughPackets(is->subtitle_st, is->subtitle_stream, &is->subtitleq)))) {
            SDL_LockMutex(waitMutex);
            SDL_CondWaitTimeout(is->continue_read_thread, waitMutex, 10);
            SDL_UnlockMutex(waitMutex);
            continue;
        }
        if (!is->paused && streamFinished(is)) {
            ret = AVERROR_EOF;
            goto done;
        }

        ret = av_read_frame(is->ic, pkt);
        if (ret < 0) {
            if ((ret == AVERROR_EOF || avio_feof(is->ic->pb)) && !is->eof) {
                if (is->video_stream >= 0)
                    packetQueuePutEndOfStream(&is->videoq, pkt, is->video_stream);
                if (is->audio_stream >= 0)
                    packetQueuePutEndOfStream(&is->audioq, pkt, is->audio_stream);
                if (is->subtitle_stream >= 0)
                    packetQueuePutEndOfStream(&is->subtitleq, pkt, is->subtitle_stream);
                is->eof = 1;
            }
            if (is->ic->pb && is->ic->pb->error) {
                ret = 0;
                goto done;
            }
            SDL_LockMutex(waitMutex);
            SDL_CondWaitTimeout(is->continue_read_thread, waitMutex, 10);
            SDL_UnlockMutex(waitMutex);
            continue;
        }
        is->eof = 0;
        if (pkt->stream_index == is->audio_stream)
            packetQueuePut(&is->audioq, pkt);
        else if (pkt->stream_index == is->video_stream
                 && !(is->video_st->disposition & AV_DISPOSITION_ATTACHED_PIC))
            packetQueuePut(&is->videoq, pkt);
        else if (pkt->stream_index == is->subtitle_stream)
            packetQueuePut(&is->subtitleq, pkt);
        else
            av_packet_unref(pkt);
    }
    ret = 0;

done:
    av_packet_free(&pkt);
    SDL_DestroyMutex(waitMutex);
    if (ret != 0)
        postQuitEvent(is);
    return 0;
}
}

PlayerState *streamOpen(const char *filename, int generation)
{
    auto *is = new PlayerState();
    is->generation = generation;
    is->filename = av_strdup(filename);
    bool ok = is->filename && packetQueueInit(&is->videoq) >= 0 && packetQueueInit(&is->audioq) >= 0
        && packetQueueInit(&is->subtitleq) >= 0 && frameQueueInit(&is->pictq, &is->videoq, 3, true) >= 0
        && frameQueueInit(&is->subpq, &is->subtitleq, 16, false) >= 0
        && frameQueueInit(&is->sampq, &is->audioq, 9, true) >= 0;
    if (ok) {
        is->continue_read_thread = SDL_CreateCond();
        if (!is->continue_read_thread) {
            av_log(nullptr, AV_LOG_FATAL, "SDL_CreateCond(): %s\n", SDL_GetError());
            ok = false;
        }
    }
    if (!ok) {
        streamClose(is);
        return nullptr;
    }
    clockInit(&is->vidclk, &is->videoq.serial);
    clockInit(&is->audclk, &is->audioq.serial);
    clockInit(&is->extclk, &is->extclk.serial);
    is->audio_clock_serial = -1;
    const int volume = av_clip(kStartupVolume, 0, 100);
    is->audio_volume = av_clip(SDL_MIX_MAXVOLUME * volume / 100, 0, SDL_MIX_MAXVOLUME);
    is->muted = 0;
    is->av_sync_type = SyncAudioMaster;
    is->read_tid = SDL_CreateThread(readThread, "read_thread", is);
    if (!is->read_tid) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateThread(): %s\n", SDL_GetError());
        streamClose(is);
        return nullptr;
    }
    return is;
}

void streamClose(PlayerState *is)
{
    is->abort_request = 1;
    SDL_WaitThread(is->read_tid, nullptr);
    if (is->ic) {
        streamComponentClose(is, is->audio_stream);
        streamComponentClose(is, is->video_stream);
        streamComponentClose(is, is->subtitle_stream);
        avformat_close_input(&is->ic);
    }
    avfilter_graph_free(&is->agraph);
    packetQueueDestroy(&is->videoq);
    packetQueueDestroy(&is->audioq);
    packetQueueDestroy(&is->subtitleq);
    frameQueueDestroy(&is->pictq);
    frameQueueDestroy(&is->sampq);
    frameQueueDestroy(&is->subpq);
    SDL_DestroyCond(is->continue_read_thread);
    sws_freeContext(is->img_convert_ctx);
    sws_freeContext(is->sub_convert_ctx);
    av_free(is->filename);
    destroyTextures(is);
    av_channel_layout_uninit(&is->audio_src.ch_layout);
    av_channel_layout_uninit(&is->audio_tgt.ch_layout);
    av_channel_layout_uninit(&is->audio_filter_src.ch_layout);
    delete is;
}
