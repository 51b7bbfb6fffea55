#pragma once

#include "player/packetqueue.h"

// One decoded picture, sample block or subtitle with its timing.
struct Frame
{
    AVFrame *frame = nullptr;
    AVSubtitle sub {};
    int serial = 0;
    double pts = 0;
    double duration = 0;
    int width = 0;
    int height = 0;
    int format = 0;
    AVRational sar {0, 1};
    bool uploaded = false;
    bool flip_v = false;
};

constexpr int kFrameQueueCapacity = 16;

// A ring of decoded frames between one decoder thread and one consumer. With
// keep_last the frame shown last stays readable until the next one is shown.
struct FrameQueue
{
    Frame queue[kFrameQueueCapacity];
    int rindex = 0;
    int windex = 0;
    int size = 0;
    int max_size = 0;
    bool keep_last = false;
    int rindex_shown = 0;
    SDL_mutex *mutex = nullptr;
    SDL_cond *cond = nullptr;
    PacketQueue *pktq = nullptr;
};

int frameQueueInit(FrameQueue *f, PacketQueue *pktq, int maxSize, bool keepLast);
void frameQueueDestroy(FrameQueue *f);
// Wakes a waiting producer or consumer, e.g. after its packet queue was aborted.
void frameQueueSignal(FrameQueue *f);
Frame *frameQueuePeek(FrameQueue *f);
Frame *frameQueuePeekNext(FrameQueue *f);
Frame *frameQueuePeekLast(FrameQueue *f);
// Waits for a free slot; null when the packet queue was aborted.
Frame *frameQueuePeekWritable(FrameQueue *f);
// Waits for a frame to read; null when the packet queue was aborted.
Frame *frameQueuePeekReadable(FrameQueue *f);
void frameQueuePush(FrameQueue *f);
void frameQueueNext(FrameQueue *f);
int frameQueueRemaining(FrameQueue *f);
