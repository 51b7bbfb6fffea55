#include "player/packetqueue.h"

namespace {
AVPacket *g_flushMarker = nullptr;

int putLocked(PacketQueue *q, AVPacket *pkt)
{
    if (q->abort_request)
        return -1;
    auto *node = static_cast<PacketNode *>(av_malloc(sizeof(PacketNode)));
    if (!node)
        return AVERROR(ENOMEM);
    node->pkt = pkt;
    node->next = nullptr;
    if (pkt == g_flushMarker)
        q->serial++;
    node->serial = q->serial;
    if (q->last)
        q->last->next = node;
    else
        q->first = node;
    q->last = node;
    q->nb_packets++;
    q->size += pkt->size + int(sizeof(*node));
    q->duration += pkt->duration;
    SDL_CondSignal(q->cond);
    return 0;
}

void releasePacket(AVPacket *pkt)
{
    if (pkt != g_flushMarker)
        av_packet_free(&pkt);
}
}

int createQueueLock(SDL_mutex **mutex, SDL_cond **cond)
{
    *mutex = SDL_CreateMutex();
    if (!*mutex) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateMutex(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    *cond = SDL_CreateCond();
    if (!*cond) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateCond(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    return 0;
}

void initFlushMarker()
{
    if (!g_flushMarker)
        g_flushMarker = av_packet_alloc();
}

AVPacket *flushMarker()
{
    return g_flushMarker;
}

int packetQueueInit(PacketQueue *q)
{
    *q = PacketQueue();
    return createQueueLock(&q->mutex, &q->cond);
}

void packetQueueDestroy(PacketQueue *q)
{
    if (q->mutex)
        packetQueueFlush(q);
    SDL_DestroyMutex(q->mutex);
    SDL_DestroyCond(q->cond);
    q->mutex = nullptr;
    q->cond = nullptr;
}

int packetQueuePut(PacketQueue *q, AVPacket *pkt)
{
    AVPacket *own = av_packet_alloc();
    if (!own) {
        av_packet_unref(pkt);
        return AVERROR(ENOMEM);
    }
    av_packet_move_ref(own, pkt);
    SDL_LockMutex(q->mutex);
    const int ret = putLocked(q, own);
    SDL_UnlockMutex(q->mutex);
    if (ret < 0)
        av_packet_free(&own);
    return ret;
}

int packetQueuePutFlush(PacketQueue *q)
{
    SDL_LockMutex(q->mutex);
    const int ret = putLocked(q, g_flushMarker);
    SDL_UnlockMutex(q->mutex);
    return ret;
}

int packetQueuePutEndOfStream(PacketQueue *q, AVPacket *scratch, int streamIndex)
{
    av_packet_unref(scratch);
    scratch->stream_index = streamIndex;
    return packetQueuePut(q, scratch);
}

void packetQueueFlush(PacketQueue *q)
{
    SDL_LockMutex(q->mutex);
    for (PacketNode *node = q->first; node;) {
        PacketNode *next = node->next;
        releasePacket(node->pkt);
        av_free(node);
        node = next;
    }
    q->first = q->last = nullptr;
    q->nb_packets = 0;
    q->size = 0;
    q->duration = 0;
    SDL_UnlockMutex(q->mutex);
}

void packetQueueAbort(PacketQueue *q)
{
    SDL_LockMutex(q->mutex);
    q->abort_request = 1;
    SDL_CondSignal(q->cond);
    SDL_UnlockMutex(q->mutex);
}

void packetQueueStart(PacketQueue *q)
{
    SDL_LockMutex(q->mutex);
    q->abort_request = 0;
    putLocked(q, g_flushMarker);
    SDL_UnlockMutex(q->mutex);
}

int packetQueueGet(PacketQueue *q, AVPacket **pkt, bool block, int *serial)
{
    int ret = 0;
    SDL_LockMutex(q->mutex);
    for (;;) {
        if (q->abort_request) {
            ret = -1;
            break;
        }
        PacketNode *node = q->first;
        if (node) {
            q->first = node->next;
            if (!q->first)
                q->last = nullptr;
            q->nb_packets--;
            q->size -= node->pkt->size + int(sizeof(*node));
            q->duration -= node->pkt->duration;
            *pkt = node->pkt;
            if (serial)
                *serial = node->serial;
            av_free(node);
            ret = 1;
            break;
        }
        if (!block)
            break;
        SDL_CondWait(q->cond, q->mutex);
    }
    SDL_UnlockMutex(q->mutex);
    return ret;
}
