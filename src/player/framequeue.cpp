#include "player/framequeue.h"

namespace {
void unrefItem(Frame *vp)
{
    av_frame_unref(vp->frame);
    avsubtitle_free(&vp->sub);
}
}

int frameQueueInit(FrameQueue *f, PacketQueue *pktq, int maxSize, bool keepLast)
{
    const int ret = createQueueLock(&f->mutex, &f->cond);
    if (ret < 0)
        return ret;
    f->pktq = pktq;
    f->max_size = FFMIN(maxSize, kFrameQueueCapacity);
    f->keep_last = keepLast;
    for (int i = 0; i < f->max_size; i++) {
        f->queue[i].frame = av_frame_alloc();
        if (!f->queue[i].frame)
            return AVERROR(ENOMEM);
    }
    return 0;
}

void frameQueueDestroy(FrameQueue *f)
{
    for (int i = 0; i < f->max_size; i++) {
        Frame *vp = &f->queue[i];
        if (vp->frame)
            unrefItem(vp);
        av_frame_free(&vp->frame);
    }
    SDL_DestroyMutex(f->mutex);
    SDL_DestroyCond(f->cond);
    f->mutex = nullptr;
    f->cond = nullptr;
}

void frameQueueSignal(FrameQueue *f)
{
    SDL_LockMutex(f->mutex);
    SDL_CondSignal(f->cond);
    SDL_UnlockMutex(f->mutex);
}

Frame *frameQueuePeek(FrameQueue *f)
{
    return &f->queue[(f->rindex + f->rindex_shown) % f->max_size];
}

Frame *frameQueuePeekNext(FrameQueue *f)
{
    return &f->queue[(f->rindex + f->rindex_shown + 1) % f->max_size];
}

Frame *frameQueuePeekLast(FrameQueue *f)
{
    return &f->queue[f->rindex];
}

Frame *frameQueuePeekWritable(FrameQueue *f)
{
    SDL_LockMutex(f->mutex);
    while (f->size >= f->max_size && !f->pktq->abort_request)
        SDL_CondWait(f->cond, f->mutex);
    SDL_UnlockMutex(f->mutex);
    if (f->pktq->abort_request)
        return nullptr;
    return &f->queue[f->windex];
}

Frame *frameQueuePeekReadable(FrameQueue *f)
{
    SDL_LockMutex(f->mutex);
    while (f->size - f->rindex_shown <= 0 && !f->pktq->abort_request)
        SDL_CondWait(f->cond, f->mutex);
    SDL_UnlockMutex(f->mutex);
    if (f->pktq->abort_request)
        return nullptr;
    return frameQueuePeek(f);
}

void frameQueuePush(FrameQueue *f)
{
    if (++f->windex == f->max_size)
        f->windex = 0;
    SDL_LockMutex(f->mutex);
    f->size++;
    SDL_CondSignal(f->cond);
    SDL_UnlockMutex(f->mutex);
}

void frameQueueNext(FrameQueue *f)
{
    if (f->keep_last && !f->rindex_shown) {
        f->rindex_shown = 1;
        return;
    }
    unrefItem(&f->queue[f->rindex]);
    if (++f->rindex == f->max_size)
        f->rindex = 0;
    SDL_LockMutex(f->mutex);
    f->size--;
    SDL_CondSignal(f->cond);
    SDL_UnlockMutex(f->mutex);
}

int frameQueueRemaining(FrameQueue *f)
{
    return f->size - f->rindex_shown;
}
