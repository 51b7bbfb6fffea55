#include "player/playeroutput.h"

#include <cmath>
#include <cstdlib>

namespace {
// About 1/30 s of samples per device buffer keeps the audio clock accurate.
constexpr int kMinAudioBufferSamples = 512;
constexpr int kAudioCallbacksPerSecond = 30;

// Fills the audio buffer with the next block for the device; its size in bytes, or -1.
int audioDecodeFrame(PlayerState *is)
{
    if (is->paused)
        return -1;

    Frame *af = nullptr;
    do {
        while (frameQueueRemaining(&is->sampq) == 0) {
            const double waited = (av_gettime_relative() - g_player.audioCallbackTime) / 1000000.0;
            if (waited > is->audio_hw_buf_size / double(is->audio_tgt.bytes_per_sec) / 2)
                return -1;
            av_usleep(1000);
        }
        af = frameQueuePeekReadable(&is->sampq);
        if (!af)
            return -1;
        frameQueueNext(&is->sampq);
    } while (af->serial != is->audioq.serial);

    AVFrame *frame = af->frame;
    const int channels = frame->ch_layout.nb_channels;
    const int dataSize = av_samples_get_buffer_size(nullptr, channels, frame->nb_samples,
                                                    AVSampleFormat(frame->format), 1);
    const int wantedSamples = synchronizeAudio(is, frame->nb_samples);

    if (frame->format != is->audio_src.fmt || av_channel_layout_compare(&frame->ch_layout, &is->audio_src.ch_layout)
        || frame->sample_rate != is->audio_src.freq || (wantedSamples != frame->nb_samples && !is->swr_ctx)) {
        swr_free(&is->swr_ctx);
        const int made = swr_alloc_set_opts2(&is->swr_ctx, &is->audio_tgt.ch_layout, is->audio_tgt.fmt,
                                             is->audio_tgt.freq, &frame->ch_layout, AVSampleFormat(frame->format),
                                             frame->sample_rate, 0, nullptr);
        if (made < 0 || swr_init(is->swr_ctx) < 0) {
            av_log(nullptr, AV_LOG_ERROR,
                   "Cannot create sample rate converter for conversion of %d Hz %s %d channels to %d Hz %s %d "
                   "channels!\n",
                   frame->sample_rate, av_get_sample_fmt_name(AVSampleFormat(frame->format)), channels,
                   is->audio_tgt.freq, av_get_sample_fmt_name(is->audio_tgt.fmt), is->audio_tgt.ch_layout.nb_channels);
            swr_free(&is->swr_ctx);
            return -1;
        }
        if (av_channel_layout_copy(&is->audio_src.ch_layout, &frame->ch_layout) < 0)
            return -1;
        is->audio_src.freq = frame->sample_rate;
        is->audio_src.fmt = AVSampleFormat(frame->format);
    }

    int resampledSize = dataSize;
    if (is->swr_ctx) {
        const uint8_t **in = const_cast<const uint8_t **>(frame->extended_data);
        const int outCount = int(int64_t(wantedSamples) * is->audio_tgt.freq / frame->sample_rate + 256);
        const int outSize
            = av_samples_get_buffer_size(nullptr, is->audio_tgt.ch_layout.nb_channels, outCount, is->audio_tgt.fmt, 0);
        if (outSize < 0) {
            av_log(nullptr, AV_LOG_ERROR, "av_samples_get_buffer_size() failed\n");
            return -1;
        }
        if (wantedSamples != frame->nb_samples
            && swr_set_compensation(is->swr_ctx,
                                    (wantedSamples - frame->nb_samples) * is->audio_tgt.freq / frame->sample_rate,
                                    wantedSamples * is->audio_tgt.freq / frame->sample_rate) < 0) {
            av_log(nullptr, AV_LOG_ERROR, "swr_set_compensation() failed\n");
            return -1;
        }
        av_fast_malloc(&is->audio_buf1, &is->audio_buf1_size, size_t(outSize));
        if (!is->audio_buf1)
            return AVERROR(ENOMEM);
        const int converted = swr_convert(is->swr_ctx, &is->audio_buf1, outCount, in, frame->nb_samples);
        if (converted < 0) {
            av_log(nullptr, AV_LOG_ERROR, "swr_convert() failed\n");
            return -1;
        }
        if (converted == outCount) {
            av_log(nullptr, AV_LOG_WARNING, "audio buffer is probably too small\n");
            if (swr_init(is->swr_ctx) < 0)
                swr_free(&is->swr_ctx);
        }
        is->audio_buf = is->audio_buf1;
        resampledSize = converted * is->audio_tgt.ch_layout.nb_channels * av_get_bytes_per_sample(is->audio_tgt.fmt);
    } else {
        is->audio_buf = frame->data[0];
    }

    is->audio_clock = std::isnan(af->pts) ? NAN : af->pts + double(frame->nb_samples) / frame->sample_rate;
    is->audio_clock_serial = af->serial;
    return resampledSize;
}

void storeSamplesForVisualisation(PlayerState *is, const int16_t *samples, int size)
{
    size /= int(sizeof(int16_t));
    while (size > 0) {
        const int len = FFMIN(kSampleArraySize - is->sample_array_index, size);
        memcpy(is->sample_array + is->sample_array_index, samples, size_t(len) * sizeof(int16_t));
        samples += len;
        is->sample_array_index += len;
        if (is->sample_array_index >= kSampleArraySize)
            is->sample_array_index = 0;
        size -= len;
    }
}

// Closes a device whose format cannot be used.
int refuseDevice(AVChannelLayout *layout)
{
    if (layout)
        av_channel_layout_uninit(layout);
    SDL_CloseAudioDevice(g_player.audioDevice);
    g_player.audioDevice = 0;
    return -1;
}

void audioCallback(void *opaque, Uint8 *stream, int len)
{
    auto *is = static_cast<PlayerState *>(opaque);
    g_player.audioCallbackTime = av_gettime_relative();

    // Sound starts with the first picture; started before it, it would leave the picture
    // behind from the start, to drop frames as it catches up.
    if (is->video_st && !is->picture_presented && g_player.audioCallbackTime / 1000000.0 < is->audio_wait_deadline) {
        memset(stream, 0, size_t(len));
        return;
    }
    while (len > 0) {
        if (is->audio_buf_index >= int(is->audio_buf_size)) {
            const int size = audioDecodeFrame(is);
            if (size < 0) {
                is->audio_buf = nullptr;
                is->audio_buf_size = kMinAudioBufferSamples / is->audio_tgt.frame_size * is->audio_tgt.frame_size;
            } else {
                if (is->show_mode != ShowMode::Video)
                    storeSamplesForVisualisation(is, reinterpret_cast<const int16_t *>(is->audio_buf), size);
                is->audio_buf_size = unsigned(size);
            }
            is->audio_buf_index = 0;
        }
        const int chunk = FFMIN(len, int(is->audio_buf_size) - is->audio_buf_index);
        if (!is->muted && is->audio_buf && is->audio_volume == SDL_MIX_MAXVOLUME) {
            memcpy(stream, is->audio_buf + is->audio_buf_index, size_t(chunk));
        } else {
            memset(stream, 0, size_t(chunk));
            if (!is->muted && is->audio_buf)
                SDL_MixAudioFormat(stream, is->audio_buf + is->audio_buf_index, AUDIO_S16SYS, Uint32(chunk),
                                   is->audio_volume);
        }
        len -= chunk;
        stream += chunk;
        is->audio_buf_index += chunk;
    }
    is->audio_write_buf_size = int(is->audio_buf_size) - is->audio_buf_index;
    if (!std::isnan(is->audio_clock)) {
        const double buffered = double(2 * is->audio_hw_buf_size + is->audio_write_buf_size) / is->audio_tgt.bytes_per_sec;
        clockSetAt(&is->audclk, is->audio_clock - buffered, is->audio_clock_serial,
                   g_player.audioCallbackTime / 1000000.0);
        clockSyncToSlave(&is->extclk, &is->audclk);
    }
}
}

int audioOpen(PlayerState *is, const AVChannelLayout *wantedLayout, int wantedSampleRate, AudioParams *target)
{
    static const int kNextChannelCount[] = {0, 0, 1, 6, 2, 6, 4, 6};
    static const int kFallbackRates[] = {0, 44100, 48000, 96000, 192000};

    AVChannelLayout layout {};
    if (av_channel_layout_copy(&layout, wantedLayout) < 0)
        return -1;
    int wantedChannels = layout.nb_channels;
    if (const char *env = getenv("SDL_AUDIO_CHANNELS")) {
        wantedChannels = atoi(env);
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, wantedChannels);
    }
    if (layout.order != AV_CHANNEL_ORDER_NATIVE || layout.nb_channels != wantedChannels) {
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, wantedChannels);
    }
    wantedChannels = layout.nb_channels;

    SDL_AudioSpec wanted {};
    wanted.channels = Uint8(wantedChannels);
    wanted.freq = wantedSampleRate;
    if (wanted.freq <= 0 || wanted.channels <= 0) {
        av_log(nullptr, AV_LOG_ERROR, "Invalid sample rate or channel count!\n");
        return -1;
    }
    int rateIndex = int(std::size(kFallbackRates)) - 1;
    while (rateIndex && kFallbackRates[rateIndex] >= wanted.freq)
        rateIndex--;
    wanted.format = AUDIO_S16SYS;
    wanted.silence = 0;
    wanted.samples = Uint16(FFMAX(kMinAudioBufferSamples,
                                  2 << av_log2(unsigned(wanted.freq / kAudioCallbacksPerSecond))));
    wanted.callback = audioCallback;
    wanted.userdata = is;

    SDL_AudioSpec obtained {};
    while (!(g_player.audioDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                                          SDL_AUDIO_ALLOW_FREQUENCY_CHANGE
                                                              | SDL_AUDIO_ALLOW_CHANNELS_CHANGE))) {
        av_log(nullptr, AV_LOG_WARNING, "SDL_OpenAudio (%d channels, %d Hz): %s\n", wanted.channels, wanted.freq,
               SDL_GetError());
        wanted.channels = Uint8(kNextChannelCount[FFMIN(7, int(wanted.channels))]);
        if (!wanted.channels) {
            wanted.freq = kFallbackRates[rateIndex--];
            wanted.channels = Uint8(wantedChannels);
            if (!wanted.freq) {
                av_log(nullptr, AV_LOG_ERROR, "No more combinations to try, audio open failed\n");
                av_channel_layout_uninit(&layout);
                return -1;
            }
        }
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, wanted.channels);
    }
    if (obtained.format != AUDIO_S16SYS) {
        av_log(nullptr, AV_LOG_ERROR, "SDL advised audio format %d is not supported!\n", obtained.format);
        return refuseDevice(&layout);
    }
    if (obtained.channels != wanted.channels) {
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, obtained.channels);
        if (layout.order != AV_CHANNEL_ORDER_NATIVE) {
            av_log(nullptr, AV_LOG_ERROR, "SDL advised channel count %d is not supported!\n", obtained.channels);
            return refuseDevice(&layout);
        }
    }

    target->fmt = AV_SAMPLE_FMT_S16;
    target->freq = obtained.freq;
    av_channel_layout_uninit(&target->ch_layout);
    target->ch_layout = layout;
    target->frame_size = av_samples_get_buffer_size(nullptr, layout.nb_channels, 1, target->fmt, 1);
    target->bytes_per_sec = av_samples_get_buffer_size(nullptr, layout.nb_channels, target->freq, target->fmt, 1);
    if (target->bytes_per_sec <= 0 || target->frame_size <= 0) {
        av_log(nullptr, AV_LOG_ERROR, "av_samples_get_buffer_size failed\n");
        return refuseDevice(nullptr);
    }
    return int(obtained.size);
}

void closeAudioOutput(PlayerState *is)
{
    if (g_player.audioDevice)
        SDL_CloseAudioDevice(g_player.audioDevice);
    g_player.audioDevice = 0;
    swr_free(&is->swr_ctx);
    av_freep(&is->audio_buf1);
    is->audio_buf1_size = 0;
    is->audio_buf = nullptr;
    freeVisualisation(is);
}
