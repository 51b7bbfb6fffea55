#pragma once

#include "player/decoder.h"
#include "player/playerclock.h"

#include <atomic>
#include <functional>
#include <vector>

class QWidget;

enum class ShowMode { None = -1, Video = 0, Waves, Spectrum };
enum SyncType { SyncAudioMaster, SyncVideoMaster, SyncExternalClock };

struct AudioParams
{
    int freq = 0;
    AVChannelLayout ch_layout {};
    AVSampleFormat fmt = AV_SAMPLE_FMT_NONE;
    int frame_size = 0;
    int bytes_per_sec = 0;
};

constexpr int kSampleArraySize = 8 * 65536;

// The one player: everything that belongs to the file being played.
struct PlayerState
{
    // input
    char *filename = nullptr;
    AVFormatContext *ic = nullptr;
    SDL_Thread *read_tid = nullptr;
    int abort_request = 0;
    bool realtime = false;
    double max_frame_duration = 0;
    int eof = 0;

    // control
    int paused = 0;
    int last_paused = 0;
    int read_pause_return = 0;
    int force_refresh = 0;
    int step = 0;
    int queue_attachments_req = 0;
    int seek_req = 0;
    int seek_flags = 0;
    int64_t seek_pos = 0;
    int64_t seek_rel = 0;

    Clock audclk;
    Clock vidclk;
    Clock extclk;
    int av_sync_type = SyncAudioMaster;

    int audio_stream = -1;
    int video_stream = -1;
    int subtitle_stream = -1;
    AVStream *audio_st = nullptr;
    AVStream *video_st = nullptr;
    AVStream *subtitle_st = nullptr;
    PacketQueue audioq;
    PacketQueue videoq;
    PacketQueue subtitleq;
    FrameQueue sampq;
    FrameQueue pictq;
    FrameQueue subpq;
    Decoder auddec;
    Decoder viddec;
    Decoder subdec;

    // audio output
    AudioParams audio_src;
    AudioParams audio_tgt;
    AudioParams audio_filter_src;
    int audio_hw_buf_size = 0;
    uint8_t *audio_buf = nullptr;
    uint8_t *audio_buf1 = nullptr;
    unsigned audio_buf1_size = 0;
    unsigned audio_buf_size = 0;
    int audio_buf_index = 0;
    int audio_write_buf_size = 0;
    int audio_volume = 0;
    int muted = 0;
    SwrContext *swr_ctx = nullptr;
    double audio_clock = 0;
    int audio_clock_serial = -1;
    double audio_diff_cum = 0;
    double audio_diff_avg_coef = 0;
    double audio_diff_threshold = 0;
    double audio_wait_deadline = 0; // until then, on the relative clock in seconds, sound waits for the first picture
    std::atomic_bool picture_presented {false};
    int audio_diff_avg_count = 0;

    // audio visualisation
    int16_t sample_array[kSampleArraySize] {};
    int sample_array_index = 0;
    int last_i_start = 0;
    double last_vis_time = 0;
    AVTXContext *rdft = nullptr;
    av_tx_fn rdft_fn = nullptr;
    int rdft_bits = 0;
    float *real_data = nullptr;
    AVComplexFloat *rdft_data = nullptr;
    int xpos = 0;

    // video timing and output
    double frame_timer = 0;
    double frame_last_returned_time = 0;
    double frame_last_filter_delay = 0;
    int frame_drops_early = 0;
    int frame_drops_late = 0;
    SDL_Texture *vis_texture = nullptr;
    SDL_Texture *sub_texture = nullptr;
    SDL_Texture *vid_texture = nullptr;
    SwsContext *img_convert_ctx = nullptr;
    SwsContext *sub_convert_ctx = nullptr;
    int width = 0;
    int height = 0;
    int xleft = 0;
    int ytop = 0;

    // filter graphs
    AVFilterContext *in_video_filter = nullptr;
    AVFilterContext *out_video_filter = nullptr;
    AVFilterContext *in_audio_filter = nullptr;
    AVFilterContext *out_audio_filter = nullptr;
    AVFilterGraph *agraph = nullptr;
    ShowMode show_mode = ShowMode::None;

    // after a seek, nothing older than the target is presented
    double seek_skip_target = 0;
    bool seek_skip_audio = false;
    bool seek_skip_video = false;
    bool seek_skip_subtitle = false;

    SDL_cond *continue_read_thread = nullptr;
    int generation = 0; // tells this file's quit event from an earlier file's
};

// What the engine keeps between files and across the GUI thread's passes.
struct PlayerGlobals
{
    PlayerState *current = nullptr;
    int generation = 0;
    QWidget *host = nullptr;
    std::function<void()> onEnd;
    SDL_Window *window = nullptr;
    SDL_Renderer *renderer = nullptr;
    SDL_RendererInfo rendererInfo {};
    bool running = false;
    SDL_mutex *lock = nullptr;
    SDL_mutex *decodeLock = nullptr;
    bool sdlInitialised = false;
    bool cursorHidden = false;
    double startTime = 0;
    SDL_AudioDeviceID audioDevice = 0;
    int64_t audioCallbackTime = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    int defaultWidth = 640;
    int defaultHeight = 480;
    std::vector<const char *> videoFilters;
    int subtitleTrack = -2; // kPlayerBestSubtitle
};

extern PlayerGlobals g_player;

// The engine's own quit event: end of file or a failure.
constexpr Uint32 kQuitEvent = SDL_USEREVENT + 2;
void postQuitEvent(PlayerState *is);

// Clocks and synchronisation.
int masterSyncType(const PlayerState *is);
double masterClock(const PlayerState *is);
// Samples wanted from a block of nbSamples so that audio follows a master other than itself.
int synchronizeAudio(PlayerState *is, int nbSamples);

// Flips pause; resuming moves the frame timer past the time spent paused.
void togglePause(PlayerState *is);

// Decoder threads.
int videoThread(void *arg);
int audioThread(void *arg);
int subtitleThread(void *arg);
// Takes the next picture from the video decoder; 1 with a frame, 0 without, -1 on abort.
int getVideoFrame(PlayerState *is, AVFrame *frame);
