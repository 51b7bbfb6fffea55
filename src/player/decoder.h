#pragma once

#include "player/framequeue.h"

// Turns the packets of one stream into frames on its own thread.
struct Decoder
{
    AVPacket *pkt = nullptr; // a packet the codec refused for now, sent again first
    bool packet_pending = false;
    PacketQueue *queue = nullptr;
    AVCodecContext *avctx = nullptr;
    int pkt_serial = -1;
    int finished = 0;
    SDL_cond *empty_queue_cond = nullptr;
    int64_t start_pts = AV_NOPTS_VALUE;
    AVRational start_pts_tb {0, 1};
    int64_t next_pts = AV_NOPTS_VALUE;
    AVRational next_pts_tb {0, 1};
    SDL_Thread *thread = nullptr;
};

void decoderInit(Decoder *d, AVCodecContext *avctx, PacketQueue *queue, SDL_cond *emptyQueueCond);
int decoderStart(Decoder *d, int (*fn)(void *), const char *threadName, void *arg);
// 1 with a frame (or subtitle), 0 at the end of the stream, -1 when the queue was aborted.
int decoderDecodeFrame(Decoder *d, AVFrame *frame, AVSubtitle *sub);
// Stops the thread: aborts the queue, wakes the frame queue, waits, empties the queue.
void decoderAbort(Decoder *d, FrameQueue *fq);
void decoderDestroy(Decoder *d);
