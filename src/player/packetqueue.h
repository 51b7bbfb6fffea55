#pragma once

#include "player/playerlibs.h"

// A FIFO of compressed packets between the read thread and one decoder thread.
// Putting the flush marker starts a new generation (serial); consumers drop
// whatever belongs to an older one.
struct PacketNode
{
    AVPacket *pkt;
    PacketNode *next;
    int serial;
};

struct PacketQueue
{
    PacketNode *first = nullptr;
    PacketNode *last = nullptr;
    int nb_packets = 0;
    int size = 0;
    int64_t duration = 0;
    int abort_request = 1;
    int serial = 0;
    SDL_mutex *mutex = nullptr;
    SDL_cond *cond = nullptr;
};

// Creates the lock and condition of a queue; logs and gives AVERROR(ENOMEM) on failure.
int createQueueLock(SDL_mutex **mutex, SDL_cond **cond);

// The one flush marker packet; identified by its address.
void initFlushMarker();
AVPacket *flushMarker();

int packetQueueInit(PacketQueue *q);
void packetQueueDestroy(PacketQueue *q);
// Takes over the packet's reference; on failure the packet is unreferenced. 0 or a negative error.
int packetQueuePut(PacketQueue *q, AVPacket *pkt);
int packetQueuePutFlush(PacketQueue *q);
// An empty packet that tells the decoder the stream ended.
int packetQueuePutEndOfStream(PacketQueue *q, AVPacket *scratch, int streamIndex);
void packetQueueFlush(PacketQueue *q);
void packetQueueAbort(PacketQueue *q);
// Clears the abort flag and opens the first generation with the flush marker.
void packetQueueStart(PacketQueue *q);
// 1 with a packet (owned by the caller unless it is the flush marker), 0 when empty and not
// blocking, -1 when aborted.
int packetQueueGet(PacketQueue *q, AVPacket **pkt, bool block, int *serial);
