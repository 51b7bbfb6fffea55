#include "player/playeroutput.h"

#include <QOpenGLContext>
#include <QWidget>

#include <cmath>

namespace {
bool createRenderer()
{
    g_player.renderer
        = SDL_CreateRenderer(g_player.window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!g_player.renderer) {
        av_log(nullptr, AV_LOG_WARNING, "Failed to initialize a hardware accelerated renderer: %s\n",
               SDL_GetError());
        g_player.renderer = SDL_CreateRenderer(g_player.window, -1, 0);
    }
    if (g_player.renderer && !SDL_GetRendererInfo(g_player.renderer, &g_player.rendererInfo))
        av_log(nullptr, AV_LOG_VERBOSE, "Initialized %s renderer.\n", g_player.rendererInfo.name);
    return g_player.renderer && g_player.rendererInfo.num_texture_formats > 0;
}

SDL_BlendMode blendModeFor(int pixelFormat)
{
    if (pixelFormat == AV_PIX_FMT_RGB32 || pixelFormat == AV_PIX_FMT_RGB32_1 || pixelFormat == AV_PIX_FMT_BGR32
        || pixelFormat == AV_PIX_FMT_BGR32_1)
        return SDL_BLENDMODE_BLEND;
    return SDL_BLENDMODE_NONE;
}

int uploadTexture(SDL_Texture **texture, AVFrame *frame, SwsContext **convertContext)
{
    const Uint32 sdlFormat = textureFormatFor(frame->format);
    const Uint32 textureFormat = sdlFormat == SDL_PIXELFORMAT_UNKNOWN ? Uint32(SDL_PIXELFORMAT_ARGB8888) : sdlFormat;
    if (reallocTexture(texture, textureFormat, frame->width, frame->height, blendModeFor(frame->format), false) < 0)
        return -1;

    if (sdlFormat == SDL_PIXELFORMAT_UNKNOWN) {
        *convertContext = sws_getCachedContext(*convertContext, frame->width, frame->height,
                                               AVPixelFormat(frame->format), frame->width, frame->height,
                                               AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr);
        if (!*convertContext) {
            av_log(nullptr, AV_LOG_FATAL, "Cannot initialize the conversion context\n");
            return -1;
        }
        uint8_t *pixels[4] = {};
        int pitch[4] = {};
        if (SDL_LockTexture(*texture, nullptr, reinterpret_cast<void **>(pixels), pitch) < 0)
            return -1;
        sws_scale(*convertContext, frame->data, frame->linesize, 0, frame->height, pixels, pitch);
        SDL_UnlockTexture(*texture);
        return 0;
    }
    if (sdlFormat == SDL_PIXELFORMAT_IYUV) {
        const int *ls = frame->linesize;
        if (ls[0] > 0 && ls[1] > 0 && ls[2] > 0)
            return SDL_UpdateYUVTexture(*texture, nullptr, frame->data[0], ls[0], frame->data[1], ls[1],
                                        frame->data[2], ls[2]);
        if (ls[0] < 0 && ls[1] < 0 && ls[2] < 0) {
            const int chromaLines = AV_CEIL_RSHIFT(frame->height, 1) - 1;
            return SDL_UpdateYUVTexture(*texture, nullptr, frame->data[0] + ls[0] * (frame->height - 1), -ls[0],
                                        frame->data[1] + ls[1] * chromaLines, -ls[1],
                                        frame->data[2] + ls[2] * chromaLines, -ls[2]);
        }
        av_log(nullptr, AV_LOG_ERROR, "Mixed negative and positive linesizes are not supported.\n");
        return -1;
    }
    if (frame->linesize[0] < 0)
        return SDL_UpdateTexture(*texture, nullptr, frame->data[0] + frame->linesize[0] * (frame->height - 1),
                                 -frame->linesize[0]);
    return SDL_UpdateTexture(*texture, nullptr, frame->data[0], frame->linesize[0]);
}

void setYuvConversionMode(const AVFrame *frame)
{
    SDL_YUV_CONVERSION_MODE mode = SDL_YUV_CONVERSION_AUTOMATIC;
    if (frame && (frame->format == AV_PIX_FMT_YUV420P || frame->format == AV_PIX_FMT_YUYV422
                  || frame->format == AV_PIX_FMT_UYVY422)) {
        if (frame->color_range == AVCOL_RANGE_JPEG)
            mode = SDL_YUV_CONVERSION_JPEG;
        else if (frame->colorspace == AVCOL_SPC_BT709)
            mode = SDL_YUV_CONVERSION_BT709;
        else if (frame->colorspace == AVCOL_SPC_BT470BG || frame->colorspace == AVCOL_SPC_SMPTE170M
                 || frame->colorspace == AVCOL_SPC_SMPTE240M)
            mode = SDL_YUV_CONVERSION_BT601;
    }
    SDL_SetYUVConversionMode(mode);
}

// Uploads the waiting bitmap subtitle once its time has come; the subtitle to draw, or null.
Frame *prepareSubtitle(PlayerState *is, const Frame *picture)
{
    if (!is->subtitle_st || frameQueueRemaining(&is->subpq) <= 0)
        return nullptr;
    Frame *sp = frameQueuePeek(&is->subpq);
    if (picture->pts < sp->pts + sp->sub.start_display_time / 1000.0)
        return nullptr;
    if (sp->uploaded)
        return sp;

    if (!sp->width || !sp->height) {
        sp->width = picture->width;
        sp->height = picture->height;
    }
    if (reallocTexture(&is->sub_texture, SDL_PIXELFORMAT_ARGB8888, sp->width, sp->height, SDL_BLENDMODE_BLEND,
                       true) < 0)
        return nullptr;
    for (unsigned i = 0; i < sp->sub.num_rects; i++) {
        AVSubtitleRect *sub = sp->sub.rects[i];
        sub->x = av_clip(sub->x, 0, sp->width);
        sub->y = av_clip(sub->y, 0, sp->height);
        sub->w = av_clip(sub->w, 0, sp->width - sub->x);
        sub->h = av_clip(sub->h, 0, sp->height - sub->y);
        if (!sub->w || !sub->h)
            continue;
        is->sub_convert_ctx = sws_getCachedContext(is->sub_convert_ctx, sub->w, sub->h, AV_PIX_FMT_PAL8, sub->w,
                                                   sub->h, AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr);
        if (!is->sub_convert_ctx) {
            av_log(nullptr, AV_LOG_FATAL, "Cannot initialize the conversion context\n");
            return nullptr;
        }
        const SDL_Rect area {sub->x, sub->y, sub->w, sub->h};
        uint8_t *pixels[4] = {};
        int pitch[4] = {};
        if (!SDL_LockTexture(is->sub_texture, &area, reinterpret_cast<void **>(pixels), pitch)) {
            sws_scale(is->sub_convert_ctx, sub->data, sub->linesize, 0, sub->h, pixels, pitch);
            SDL_UnlockTexture(is->sub_texture);
        }
    }
    sp->uploaded = true;
    return sp;
}

void drawPicture(PlayerState *is)
{
    Frame *vp = frameQueuePeekLast(&is->pictq);
    Frame *sp = prepareSubtitle(is, vp);
    const SDL_Rect rect = displayRect(is->xleft, is->ytop, is->width, is->height, vp->width, vp->height, vp->sar);

    if (!vp->uploaded) {
        if (uploadTexture(&is->vid_texture, vp->frame, &is->img_convert_ctx) < 0)
            return;
        vp->uploaded = true;
        vp->flip_v = vp->frame->linesize[0] < 0;
    }
    setYuvConversionMode(vp->frame);
    SDL_RenderCopyEx(g_player.renderer, is->vid_texture, nullptr, &rect, 0, nullptr,
                     vp->flip_v ? SDL_FLIP_VERTICAL : SDL_FLIP_NONE);
    setYuvConversionMode(nullptr);
    if (sp)
        SDL_RenderCopy(g_player.renderer, is->sub_texture, nullptr, &rect);
}
}

RendererScope::~RendererScope()
{
    if (SDL_GL_GetCurrentContext())
        SDL_GL_MakeCurrent(g_player.window, nullptr);
    QOpenGLContext *qtContext = QOpenGLContext::currentContext();
    if (qtContext && qtContext->surface())
        qtContext->makeCurrent(qtContext->surface());
}

bool createWindowAndRenderer(QWidget *host, int width, int height)
{
    SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    g_player.window = SDL_CreateWindowFrom(reinterpret_cast<void *>(host->winId()));
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    g_player.screenWidth = width;
    g_player.screenHeight = height;
    if (!g_player.window)
        return false;
    SDL_SetWindowSize(g_player.window, width, height);
    return createRenderer();
}

int reallocTexture(SDL_Texture **texture, Uint32 format, int width, int height, SDL_BlendMode blend, bool clear)
{
    Uint32 oldFormat = 0;
    int access = 0;
    int oldWidth = 0;
    int oldHeight = 0;
    if (*texture && !SDL_QueryTexture(*texture, &oldFormat, &access, &oldWidth, &oldHeight) && oldFormat == format
        && oldWidth == width && oldHeight == height)
        return 0;
    if (*texture)
        SDL_DestroyTexture(*texture);
    *texture = SDL_CreateTexture(g_player.renderer, format, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!*texture)
        return -1;
    if (SDL_SetTextureBlendMode(*texture, blend) < 0)
        return -1;
    if (clear) {
        void *pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(*texture, nullptr, &pixels, &pitch) < 0)
            return -1;
        memset(pixels, 0, size_t(pitch) * height);
        SDL_UnlockTexture(*texture);
    }
    av_log(nullptr, AV_LOG_VERBOSE, "Created %dx%d texture with %s.\n", width, height, SDL_GetPixelFormatName(format));
    return 0;
}

bool recreateRenderer()
{
    if (g_player.current)
        destroyTextures(g_player.current);
    if (g_player.renderer)
        SDL_DestroyRenderer(g_player.renderer);
    g_player.renderer = nullptr;
    g_player.rendererInfo = SDL_RendererInfo();
    return createRenderer();
}

void destroyWindowAndRenderer()
{
    if (g_player.renderer)
        SDL_DestroyRenderer(g_player.renderer);
    if (g_player.window)
        SDL_DestroyWindow(g_player.window);
    g_player.renderer = nullptr;
    g_player.window = nullptr;
    g_player.rendererInfo = SDL_RendererInfo();
}

void destroyTextures(PlayerState *is)
{
    for (SDL_Texture **texture : {&is->vid_texture, &is->sub_texture, &is->vis_texture}) {
        if (*texture)
            SDL_DestroyTexture(*texture);
        *texture = nullptr;
    }
    // Pictures already in a texture must be uploaded again into the new one.
    for (int i = 0; i < is->pictq.max_size; i++)
        is->pictq.queue[i].uploaded = false;
    for (int i = 0; i < is->subpq.max_size; i++)
        is->subpq.queue[i].uploaded = false;
}

SDL_Rect displayRect(int screenLeft, int screenTop, int screenWidth, int screenHeight, int pictureWidth,
                     int pictureHeight, AVRational pictureSar)
{
    AVRational aspect = pictureSar;
    if (av_cmp_q(aspect, av_make_q(0, 1)) <= 0)
        aspect = av_make_q(1, 1);
    aspect = av_mul_q(aspect, av_make_q(pictureWidth, pictureHeight));

    int64_t height = screenHeight;
    int64_t width = av_rescale(height, aspect.num, aspect.den) & ~1;
    if (width > screenWidth) {
        width = screenWidth;
        height = av_rescale(width, aspect.den, aspect.num) & ~1;
    }
    const int64_t x = (screenWidth - width) / 2;
    const int64_t y = (screenHeight - height) / 2;
    return SDL_Rect {int(screenLeft + x), int(screenTop + y), int(FFMAX(width, 1)), int(FFMAX(height, 1))};
}

void setDefaultWindowSize(int width, int height, AVRational sar)
{
    int maxWidth = g_player.screenWidth ? g_player.screenWidth : INT_MAX;
    int maxHeight = g_player.screenHeight ? g_player.screenHeight : INT_MAX;
    if (maxWidth == INT_MAX && maxHeight == INT_MAX)
        maxHeight = height;
    const SDL_Rect rect = displayRect(0, 0, maxWidth, maxHeight, width, height, sar);
    g_player.defaultWidth = rect.w;
    g_player.defaultHeight = rect.h;
}

void videoDisplay(PlayerState *is)
{
    if (!is->width) {
        SDL_ShowWindow(g_player.window);
        is->width = g_player.screenWidth ? g_player.screenWidth : g_player.defaultWidth;
        is->height = g_player.screenHeight ? g_player.screenHeight : g_player.defaultHeight;
        is->audio_volume = SDL_MIX_MAXVOLUME;
    }
    SDL_SetRenderDrawColor(g_player.renderer, 0, 0, 0, 255);
    SDL_RenderClear(g_player.renderer);
    if (is->audio_st && is->show_mode != ShowMode::Video)
        drawAudioVisualisation(is);
    else if (is->video_st)
        drawPicture(is);
    SDL_RenderPresent(g_player.renderer);
    if (is->video_st)
        is->picture_presented = true;
}
