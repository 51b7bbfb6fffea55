#include "player/decoder.h"

namespace {
void releasePacket(AVPacket *pkt)
{
    if (pkt && pkt != flushMarker())
        av_packet_free(&pkt);
}

void keepPending(Decoder *d, AVPacket *pkt)
{
    d->pkt = pkt;
    d->packet_pending = true;
}

// Drains the codec; AVERROR(EAGAIN) when it needs more input.
int receiveFrame(Decoder *d, AVFrame *frame)
{
    int ret = AVERROR(EAGAIN);
    do {
        if (d->queue->abort_request)
            return -1;
        ret = avcodec_receive_frame(d->avctx, frame);
        if (ret >= 0 && d->avctx->codec_type == AVMEDIA_TYPE_VIDEO) {
            frame->pts = frame->best_effort_timestamp;
        } else if (ret >= 0 && d->avctx->codec_type == AVMEDIA_TYPE_AUDIO) {
            const AVRational tb {1, frame->sample_rate};
            if (frame->pts != AV_NOPTS_VALUE)
                frame->pts = av_rescale_q(frame->pts, d->avctx->pkt_timebase, tb);
            else if (d->next_pts != AV_NOPTS_VALUE)
                frame->pts = av_rescale_q(d->next_pts, d->next_pts_tb, tb);
            if (frame->pts != AV_NOPTS_VALUE) {
                d->next_pts = frame->pts + frame->nb_samples;
                d->next_pts_tb = tb;
            }
        }
        if (ret == AVERROR_EOF) {
            d->finished = d->pkt_serial;
            avcodec_flush_buffers(d->avctx);
            return AVERROR_EOF;
        }
        if (ret >= 0)
            return ret;
    } while (ret != AVERROR(EAGAIN));
    return ret;
}

// The next packet of the current generation; null when the queue was aborted.
AVPacket *takePacket(Decoder *d)
{
    for (;;) {
        if (d->queue->nb_packets == 0)
            SDL_CondSignal(d->empty_queue_cond);
        AVPacket *pkt = nullptr;
        if (d->packet_pending) {
            pkt = d->pkt;
            d->pkt = nullptr;
            d->packet_pending = false;
        } else if (packetQueueGet(d->queue, &pkt, true, &d->pkt_serial) < 0) {
            return nullptr;
        }
        if (d->queue->serial == d->pkt_serial)
            return pkt;
        releasePacket(pkt);
    }
}
}

void decoderInit(Decoder *d, AVCodecContext *avctx, PacketQueue *queue, SDL_cond *emptyQueueCond)
{
    *d = Decoder();
    d->avctx = avctx;
    d->queue = queue;
    d->empty_queue_cond = emptyQueueCond;
}

int decoderStart(Decoder *d, int (*fn)(void *), const char *threadName, void *arg)
{
    packetQueueStart(d->queue);
    d->thread = SDL_CreateThread(fn, threadName, arg);
    if (!d->thread) {
        av_log(nullptr, AV_LOG_ERROR, "SDL_CreateThread(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    return 0;
}

int decoderDecodeFrame(Decoder *d, AVFrame *frame, AVSubtitle *sub)
{
    for (;;) {
        if (d->queue->serial == d->pkt_serial && d->avctx->codec_type != AVMEDIA_TYPE_SUBTITLE) {
            const int ret = receiveFrame(d, frame);
            if (ret == -1)
                return -1;
            if (ret == AVERROR_EOF)
                return 0;
            if (ret >= 0)
                return 1;
        }

        AVPacket *pkt = takePacket(d);
        if (!pkt)
            return -1;
        if (pkt == flushMarker()) {
            avcodec_flush_buffers(d->avctx);
            d->finished = 0;
            d->next_pts = d->start_pts;
            d->next_pts_tb = d->start_pts_tb;
            continue;
        }

        if (d->avctx->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            int gotSubtitle = 0;
            const bool endOfStream = !pkt->data;
            if (avcodec_decode_subtitle2(d->avctx, sub, &gotSubtitle, pkt) < 0)
                gotSubtitle = 0;
            else if (!gotSubtitle && endOfStream) {
                releasePacket(pkt);
                d->finished = d->pkt_serial;
                avcodec_flush_buffers(d->avctx);
                return 0;
            }
            // The end-of-stream packet may hold back more subtitles: decode it again.
            if (gotSubtitle && endOfStream)
                keepPending(d, pkt);
            else
                releasePacket(pkt);
            if (gotSubtitle)
                return 1;
            continue;
        }

        if (avcodec_send_packet(d->avctx, pkt) == AVERROR(EAGAIN)) {
            av_log(d->avctx, AV_LOG_ERROR,
                   "Receive_frame and send_packet both returned EAGAIN, which is an API violation.\n");
            keepPending(d, pkt);
        } else {
            releasePacket(pkt);
        }
    }
}

void decoderAbort(Decoder *d, FrameQueue *fq)
{
    packetQueueAbort(d->queue);
    frameQueueSignal(fq);
    SDL_WaitThread(d->thread, nullptr);
    d->thread = nullptr;
    packetQueueFlush(d->queue);
}

void decoderDestroy(Decoder *d)
{
    releasePacket(d->pkt);
    d->pkt = nullptr;
    avcodec_free_context(&d->avctx);
}
