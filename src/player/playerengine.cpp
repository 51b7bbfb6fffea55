#include "player/playerengine.h"

#include "player/playeroutput.h"
#include "player/readthread.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdlib>

namespace {
constexpr double kRefreshRate = 0.01;
constexpr double kVisualisationInterval = 0.02;
constexpr double kSyncThresholdMin = 0.04;
constexpr double kSyncThresholdMax = 0.1;
constexpr double kFrameDupThreshold = 0.1;
constexpr double kExternalClockSpeedMin = 0.900;
constexpr double kExternalClockSpeedMax = 1.010;
constexpr double kExternalClockSpeedStep = 0.001;
constexpr int kExternalClockMinFrames = 2;
constexpr int kExternalClockMaxFrames = 10;
constexpr double kCursorHideDelay = 1.0;

QTimer *g_passTimer = nullptr;

// RAII for the recursive player lock.
class PlayerLock
{
public:
    PlayerLock() { SDL_LockMutex(g_player.lock); }
    ~PlayerLock() { SDL_UnlockMutex(g_player.lock); }
    PlayerLock(const PlayerLock &) = delete;
    PlayerLock &operator=(const PlayerLock &) = delete;
};

// Runs a control operation on the current player under the player lock; without one it gives idle.
template <typename Result, typename Operation>
Result onCurrentPlayer(Result idle, Operation operation)
{
    if (!g_player.sdlInitialised)
        return idle;
    PlayerLock lock;
    return g_player.current ? operation(g_player.current) : idle;
}

void checkExternalClockSpeed(PlayerState *is)
{
    const bool starving = (is->video_stream >= 0 && is->videoq.nb_packets <= kExternalClockMinFrames)
        || (is->audio_stream >= 0 && is->audioq.nb_packets <= kExternalClockMinFrames);
    const bool plenty = (is->video_stream < 0 || is->videoq.nb_packets > kExternalClockMaxFrames)
        && (is->audio_stream < 0 || is->audioq.nb_packets > kExternalClockMaxFrames);
    const double speed = is->extclk.speed;
    if (starving) {
        clockSetSpeed(&is->extclk, FFMAX(kExternalClockSpeedMin, speed - kExternalClockSpeedStep));
    } else if (plenty) {
        clockSetSpeed(&is->extclk, FFMIN(kExternalClockSpeedMax, speed + kExternalClockSpeedStep));
    } else if (speed != 1.0) {
        clockSetSpeed(&is->extclk,
                      speed + kExternalClockSpeedStep * (1.0 - speed) / std::fabs(1.0 - speed));
    }
}

double frameDuration(const PlayerState *is, const Frame *vp, const Frame *next)
{
    if (vp->serial != next->serial)
        return 0.0;
    const double duration = next->pts - vp->pts;
    if (std::isnan(duration) || duration <= 0 || duration > is->max_frame_duration)
        return vp->duration;
    return duration;
}

// How long the last picture should stay, stretched or shortened to follow the master clock.
double targetDelay(double delay, PlayerState *is)
{
    if (masterSyncType(is) != SyncVideoMaster) {
        const double diff = clockGet(&is->vidclk) - masterClock(is);
        const double threshold = FFMAX(kSyncThresholdMin, FFMIN(kSyncThresholdMax, delay));
        if (!std::isnan(diff) && std::fabs(diff) < is->max_frame_duration) {
            if (diff <= -threshold)
                delay = FFMAX(0, delay + diff);
            else if (diff >= threshold && delay > kFrameDupThreshold)
                delay = delay + diff;
            else if (diff >= threshold)
                delay = 2 * delay;
        }
        av_log(nullptr, AV_LOG_TRACE, "video: delay=%0.3f A-V=%f\n", delay, -diff);
    }
    return delay;
}

void dropExpiredSubtitles(PlayerState *is)
{
    if (!is->subtitle_st)
        return;
    while (frameQueueRemaining(&is->subpq) > 0) {
        Frame *sp = frameQueuePeek(&is->subpq);
        Frame *next = frameQueueRemaining(&is->subpq) > 1 ? frameQueuePeekNext(&is->subpq) : nullptr;
        const double videoClock = is->vidclk.pts;
        const bool expired = sp->serial != is->subtitleq.serial
            || videoClock > sp->pts + sp->sub.end_display_time / 1000.0
            || (next && videoClock > next->pts + next->sub.start_display_time / 1000.0);
        if (!expired)
            break;
        if (sp->uploaded && is->sub_texture) {
            for (unsigned i = 0; i < sp->sub.num_rects; i++) {
                const AVSubtitleRect *sub = sp->sub.rects[i];
                const SDL_Rect area {sub->x, sub->y, sub->w, sub->h};
                uint8_t *pixels = nullptr;
                int pitch = 0;
                if (!SDL_LockTexture(is->sub_texture, &area, reinterpret_cast<void **>(&pixels), &pitch)) {
                    for (int j = 0; j < sub->h; j++, pixels += pitch)
                        memset(pixels, 0, size_t(sub->w) << 2);
                    SDL_UnlockTexture(is->sub_texture);
                }
            }
        }
        frameQueueNext(&is->subpq);
    }
}

// Shows the next picture when it is due; *remaining becomes the time until the next one.
void refreshPictures(PlayerState *is, double *remaining)
{
    for (;;) {
        if (frameQueueRemaining(&is->pictq) == 0)
            return;
        Frame *last = frameQueuePeekLast(&is->pictq);
        Frame *vp = frameQueuePeek(&is->pictq);
        if (vp->serial != is->videoq.serial) {
            frameQueueNext(&is->pictq);
            continue;
        }
        if (last->serial != vp->serial)
            is->frame_timer = clockNow();
        if (is->paused)
            return;

        const double delay = targetDelay(frameDuration(is, last, vp), is);
        const double time = clockNow();
        if (time < is->frame_timer + delay) {
            *remaining = FFMIN(is->frame_timer + delay - time, *remaining);
            return;
        }
        is->frame_timer += delay;
        if (delay > 0 && time - is->frame_timer > kSyncThresholdMax)
            is->frame_timer = time;

        SDL_LockMutex(is->pictq.mutex);
        if (!std::isnan(vp->pts)) {
            clockSet(&is->vidclk, vp->pts, vp->serial);
            clockSyncToSlave(&is->extclk, &is->vidclk);
        }
        SDL_UnlockMutex(is->pictq.mutex);

        if (frameQueueRemaining(&is->pictq) > 1) {
            Frame *next = frameQueuePeekNext(&is->pictq);
            if (!is->step && masterSyncType(is) != SyncVideoMaster
                && time > is->frame_timer + frameDuration(is, vp, next)) {
                is->frame_drops_late++;
                frameQueueNext(&is->pictq);
                continue;
            }
        }
        dropExpiredSubtitles(is);
        frameQueueNext(&is->pictq);
        is->force_refresh = 1;
        if (is->step && !is->paused)
            togglePause(is);
        return;
    }
}

void refresh(PlayerState *is, double *remaining)
{
    if (!is->paused && masterSyncType(is) == SyncExternalClock && is->realtime)
        checkExternalClockSpeed(is);

    if (is->show_mode != ShowMode::Video && is->audio_st) {
        const double time = clockNow();
        if (is->force_refresh || is->last_vis_time + kVisualisationInterval < time) {
            videoDisplay(is);
            is->last_vis_time = time;
        }
        *remaining = FFMIN(*remaining, is->last_vis_time + kVisualisationInterval - time);
    }
    if (is->video_st) {
        refreshPictures(is, remaining);
        if (is->force_refresh && is->show_mode == ShowMode::Video && is->pictq.rindex_shown) {
            const bool first = !is->picture_presented;
            videoDisplay(is);
            // The renderer can take long over its first picture; that picture's time on
            // screen starts when it appears, together with the sound.
            if (first)
                is->frame_timer = clockNow();
        }
    }
    is->force_refresh = 0;
}

void notifyEnd()
{
    if (g_player.host)
        g_player.host->hide();
    const std::function<void()> onEnd = g_player.onEnd;
    if (onEnd) {
        onEnd();
    } else {
        g_player.running = false;
        playerStop();
    }
}

// Takes SDL's events; true when the file ended or failed. An uncovered window is redrawn.
bool handleSdlEvents(PlayerState *is)
{
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        if (event.type == SDL_QUIT)
            return true;
        if (event.type == kQuitEvent && event.user.data1 == is && event.user.code == is->generation)
            return true;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
            is->force_refresh = 1;
    }
    return false;
}

// One pass of the engine on the GUI thread, scheduled again for when the next picture is due.
void runPass()
{
    if (!g_player.running || !g_player.current)
        return;
    PlayerState *is = g_player.current;
    if (handleSdlEvents(is)) {
        notifyEnd();
        return;
    }
    if (!g_player.cursorHidden && clockNow() - g_player.startTime > kCursorHideDelay) {
        SDL_ShowCursor(SDL_DISABLE);
        g_player.cursorHidden = true;
    }
    double remaining = kRefreshRate;
    if (is->show_mode != ShowMode::None && (!is->paused || is->force_refresh)) {
        RendererScope scope;
        refresh(is, &remaining);
    }
    g_passTimer->start(int(std::ceil(FFMAX(0.0, remaining) * 1000)));
}

bool initialiseSdl()
{
    if (g_player.sdlInitialised)
        return true;
    // Qt handles the process's signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER)) {
        av_log(nullptr, AV_LOG_FATAL, "Could not initialize SDL - %s\n", SDL_GetError());
        av_log(nullptr, AV_LOG_FATAL, "(Did you set the DISPLAY variable?)\n");
        return false;
    }
    // Without a sound device the files play silently.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO))
        av_log(nullptr, AV_LOG_WARNING, "No audio output: %s\n", SDL_GetError());
    SDL_EventState(SDL_SYSWMEVENT, SDL_IGNORE);
    SDL_EventState(SDL_USEREVENT, SDL_IGNORE);
    g_player.lock = SDL_CreateMutex();
    g_player.decodeLock = SDL_CreateMutex();
    initFlushMarker();
    g_passTimer = new QTimer(qApp);
    g_passTimer->setSingleShot(true);
    g_passTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(g_passTimer, &QTimer::timeout, runPass);
    g_player.sdlInitialised = true;
    return true;
}
}

void togglePause(PlayerState *is)
{
    if (is->paused) {
        is->frame_timer += clockNow() - is->vidclk.last_updated;
        if (is->read_pause_return != AVERROR(ENOSYS))
            is->vidclk.paused = 0;
        clockSet(&is->vidclk, clockGet(&is->vidclk), is->vidclk.serial);
    }
    clockSet(&is->extclk, clockGet(&is->extclk), is->extclk.serial);
    is->paused = !is->paused;
    is->audclk.paused = is->vidclk.paused = is->extclk.paused = is->paused;
}

void playerAddVideoFilter(const char *filterGraph)
{
    g_player.videoFilters.push_back(filterGraph);
}

void playerChooseSubtitle(int track)
{
    g_player.subtitleTrack = track;
}

int playerStart(const char *fileName, QWidget *host, std::function<void()> onEnd, int x, int y, int width,
                int height)
{
    Q_UNUSED(x)
    Q_UNUSED(y)
    setenv("SDL_AUDIO_ALSA_SET_BUFFER_SIZE", "1", 0);
    if (!initialiseSdl()) {
        g_player.videoFilters.clear();
        return -1;
    }
    if (g_player.current)
        playerStop();

    g_player.host = host;
    g_player.onEnd = std::move(onEnd);
    RendererScope scope;
    if (!createWindowAndRenderer(host, width, height)) {
        av_log(nullptr, AV_LOG_FATAL, "Failed to create window or renderer: %s", SDL_GetError());
        destroyWindowAndRenderer();
        g_player.videoFilters.clear();
        return -1;
    }
    g_player.generation++;
    g_player.current = streamOpen(fileName, g_player.generation);
    if (!g_player.current) {
        playerStop();
        return -1;
    }
    g_player.startTime = clockNow();
    g_player.cursorHidden = false;
    g_passTimer->start(0);
    return 0;
}

int playerStop()
{
    if (!g_player.sdlInitialised)
        return 0;
    PlayerLock lock;
    RendererScope scope;
    g_passTimer->stop();
    if (g_player.current)
        streamClose(g_player.current);
    g_player.current = nullptr;
    destroyWindowAndRenderer();
    g_player.videoFilters.clear();
    g_player.subtitleTrack = kPlayerBestSubtitle;
    if (g_player.cursorHidden)
        SDL_ShowCursor(SDL_ENABLE);
    g_player.cursorHidden = false;
    SDL_FlushEvent(kQuitEvent);
    return 0;
}

int playerTogglePause()
{
    return onCurrentPlayer(-1, [](PlayerState *is) {
        togglePause(is);
        is->step = 0;
        return 0;
    });
}

int playerSeek(double seconds)
{
    return onCurrentPlayer(-1, [seconds](PlayerState *is) {
        if (is->seek_req)
            return 0;
        // The caller counts from the file's start, as playerPosition does; the demuxer and the
        // clocks count in the file's own timestamps, which start later in MPEG-TS and the like.
        const double startSeconds
            = is->ic && is->ic->start_time != AV_NOPTS_VALUE ? is->ic->start_time / double(AV_TIME_BASE) : 0;
        const double target = seconds + startSeconds;
        double relative = target - masterClock(is);
        if (std::isnan(relative))
            relative = 0;
        is->seek_pos = int64_t(target * AV_TIME_BASE);
        is->seek_rel = int64_t(std::trunc(relative)) * AV_TIME_BASE;
        is->seek_flags &= ~AVSEEK_FLAG_BYTE;
        is->seek_req = 1;
        SDL_CondSignal(is->continue_read_thread);
        return 0;
    });
}

qint64 playerPosition()
{
    return onCurrentPlayer(qint64(0), [](PlayerState *is) -> qint64 {
        const double master = masterClock(is);
        if (std::isnan(master))
            return -1;
        AVFormatContext *ic = is->ic;
        const int64_t start = ic && ic->start_time != AV_NOPTS_VALUE ? ic->start_time : 0;
        const int64_t position = int64_t(master * 1000000) - start;
        if (ic && ic->duration != AV_NOPTS_VALUE && ic->duration > 0)
            return FFMIN(ic->duration, position);
        return position;
    });
}

double playerFrameRate()
{
    return onCurrentPlayer(0.0, [](PlayerState *is) {
        if (!is->ic || !is->video_st)
            return 0.0;
        const AVRational rate = av_guess_frame_rate(is->ic, is->video_st, nullptr);
        return rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0.0;
    });
}

int playerGrabFrame(QImage *image, int width, int height)
{
    return onCurrentPlayer(-1, [image, width, height](PlayerState *is) {
        if (!is->video_st || is->videoq.nb_packets < 1)
            return -1;
        AVFrame *frame = av_frame_alloc();
        if (!frame)
            return -1;
        SDL_LockMutex(g_player.decodeLock);
        const int got = decoderDecodeFrame(&is->viddec, frame, nullptr);
        SDL_UnlockMutex(g_player.decodeLock);
        if (got > 0 && width > 0 && height > 0) {
            SwsContext *scaler = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), width,
                                                height, AV_PIX_FMT_RGB32, SWS_BICUBIC, nullptr, nullptr, nullptr);
            if (scaler) {
                *image = QImage(width, height, QImage::Format_RGB32);
                uint8_t *planes[4] = {image->bits()};
                int pitches[4] = {int(image->bytesPerLine())};
                sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, planes, pitches);
                sws_freeContext(scaler);
            }
        }
        av_frame_free(&frame);
        return 0;
    });
}

int playerResize(int width, int height)
{
    return onCurrentPlayer(0, [width, height](PlayerState *is) {
        if (!g_player.window)
            return 0;
        if (g_player.host)
            g_player.host->setFixedSize(width, height);
        SDL_SetWindowSize(g_player.window, width, height);
        RendererScope scope;
        recreateRenderer();
        g_player.screenWidth = width;
        g_player.screenHeight = height;
        is->width = width;
        is->height = height;
        is->force_refresh = 1;
        return 0;
    });
}

bool playerRunning()
{
    return g_player.running;
}

void playerSetRunning(bool running)
{
    g_player.running = running;
}

PlayerStatistics playerStatistics()
{
    PlayerStatistics statistics;
    const PlayerState *is = g_player.current;
    if (!is)
        return statistics;
    statistics.playing = true;
    statistics.paused = is->paused;
    statistics.hasVideo = is->video_st;
    statistics.hasAudioOutput = is->audio_st;
    statistics.showsVisualisation = is->show_mode == ShowMode::Waves || is->show_mode == ShowMode::Spectrum;
    statistics.framesDroppedEarly = is->frame_drops_early;
    statistics.framesDroppedLate = is->frame_drops_late;
    statistics.audioMinusVideo = clockGet(&is->audclk) - clockGet(&is->vidclk);
    return statistics;
}
