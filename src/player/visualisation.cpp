#include "player/playeroutput.h"

#include <cmath>

namespace {
int wrapSampleIndex(int index)
{
    return index < 0 ? index + kSampleArraySize : index % kSampleArraySize;
}

// Bins per channel, rounded up so that each channel's output starts aligned for SIMD stores.
int binStride(int nbFreq)
{
    return FFALIGN(nbFreq + 1, 16);
}

void fillRect(int x, int y, int w, int h)
{
    if (w && h) {
        const SDL_Rect rect {x, y, w, h};
        SDL_RenderFillRect(g_player.renderer, &rect);
    }
}

// Index of the first sample to show: what the device plays now, found in the ring.
int visualisationStart(PlayerState *is, int channels, int dataUsed)
{
    if (is->paused)
        return is->last_i_start;

    const int frameSamples = 2 * channels;
    int delay = is->audio_write_buf_size / frameSamples;
    if (g_player.audioCallbackTime) {
        const int64_t sinceCallback = av_gettime_relative() - g_player.audioCallbackTime;
        delay -= int(sinceCallback * is->audio_tgt.freq / 1000000);
    }
    delay += 2 * dataUsed;
    delay = FFMAX(delay, dataUsed);
    int start = wrapSampleIndex(is->sample_array_index - delay * channels);

    if (is->show_mode == ShowMode::Waves) {
        // Trigger on a falling edge so the waves stand still.
        int bestScore = INT_MIN;
        for (int i = 0; i < 1000; i += channels) {
            const int idx = (kSampleArraySize + start - i) % kSampleArraySize;
            const int a = is->sample_array[idx];
            const int b = is->sample_array[(idx + 4 * channels) % kSampleArraySize];
            const int c = is->sample_array[(idx + 5 * channels) % kSampleArraySize];
            const int d = is->sample_array[(idx + 9 * channels) % kSampleArraySize];
            const int score = a - d;
            if (bestScore < score && b * c < 0) {
                bestScore = score;
                start = idx;
            }
        }
    }
    is->last_i_start = start;
    return start;
}

void drawWaves(PlayerState *is, int channels, int start)
{
    SDL_SetRenderDrawColor(g_player.renderer, 255, 255, 255, 255);
    const int bandHeight = is->height / channels;
    const int scale = bandHeight * 9 / 20;
    for (int ch = 0; ch < channels; ch++) {
        int i = start + ch;
        const int middle = is->ytop + ch * bandHeight + bandHeight / 2;
        for (int x = 0; x < is->width; x++) {
            const int y = (is->sample_array[i] * scale) >> 15;
            if (y < 0)
                fillRect(is->xleft + x, middle, 1, -y);
            else
                fillRect(is->xleft + x, middle - y, 1, y);
            i += channels;
            if (i >= kSampleArraySize)
                i -= kSampleArraySize;
        }
    }
    SDL_SetRenderDrawColor(g_player.renderer, 0, 0, 255, 255);
    for (int ch = 1; ch < channels; ch++)
        fillRect(is->xleft, is->ytop + ch * bandHeight, is->width, 1);
}

bool prepareTransform(PlayerState *is, int bits)
{
    if (bits == is->rdft_bits && is->rdft)
        return true;
    const int nbFreq = 1 << (bits - 1);
    freeVisualisation(is);
    const float scale = 1.0f;
    is->real_data = static_cast<float *>(av_malloc_array(size_t(nbFreq) * 4, sizeof(float)));
    is->rdft_data = static_cast<AVComplexFloat *>(av_malloc_array(size_t(binStride(nbFreq)), 2 * sizeof(AVComplexFloat)));
    is->rdft_bits = bits;
    return is->real_data && is->rdft_data
        && av_tx_init(&is->rdft, &is->rdft_fn, AV_TX_FLOAT_RDFT, 0, 1 << bits, &scale, 0) >= 0;
}

// Brightness of one transform bin, 0 to 255.
int binLevel(const AVComplexFloat &bin, int nbFreq)
{
    const double norm = 1.0 / std::sqrt(double(nbFreq));
    return FFMIN(int(std::sqrt(norm * std::hypot(bin.re, bin.im))), 255);
}

// The spectrum scrolls: each refresh transforms the samples playing now into one new column,
// low frequencies at the bottom, red for the first channel and green for the second. Only that
// column of the texture is updated.
void drawSpectrum(PlayerState *is, int channels, int start, int bits)
{
    const int nbFreq = 1 << (bits - 1);
    const int shownChannels = FFMIN(channels, 2);
    AVComplexFloat *bins[2] = {is->rdft_data, is->rdft_data + binStride(nbFreq)};
    float *input = is->real_data;
    for (int ch = 0; ch < shownChannels; ch++) {
        int i = start + ch;
        for (int x = 0; x < 2 * nbFreq; x++) {
            const double w = (x - nbFreq) * (1.0 / nbFreq);
            input[x] = float(is->sample_array[i] * (1.0 - w * w));
            i += channels;
            if (i >= kSampleArraySize)
                i -= kSampleArraySize;
        }
        is->rdft_fn(is->rdft, bins[ch], input, sizeof(float));
    }

    if (reallocTexture(&is->vis_texture, SDL_PIXELFORMAT_ARGB8888, is->width, is->height, SDL_BLENDMODE_NONE, true)
        < 0)
        return;
    if (is->xpos >= is->width)
        is->xpos = 0;
    const SDL_Rect column {is->xpos, 0, 1, is->height};
    void *pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(is->vis_texture, &column, &pixels, &pitch) == 0) {
        auto *row = static_cast<uint8_t *>(pixels) + size_t(pitch) * size_t(is->height - 1);
        for (int y = 0; y < is->height; y++, row -= pitch) {
            const int a = binLevel(bins[0][y], nbFreq);
            const int b = shownChannels > 1 ? binLevel(bins[1][y], nbFreq) : a;
            *reinterpret_cast<uint32_t *>(row) = 0xff000000u | uint32_t(a << 16) | uint32_t(b << 8) | uint32_t((a + b) >> 1);
        }
        SDL_UnlockTexture(is->vis_texture);
    }
    const SDL_Rect area {is->xleft, is->ytop, is->width, is->height};
    SDL_RenderCopy(g_player.renderer, is->vis_texture, nullptr, &area);
    if (!is->paused)
        is->xpos++;
}
}

void drawAudioVisualisation(PlayerState *is)
{
    const int channels = is->audio_tgt.ch_layout.nb_channels;
    if (channels <= 0)
        return;
    int bits = 1;
    while ((1 << bits) < 2 * is->height)
        bits++;
    const int nbFreq = 1 << (bits - 1);

    if (is->show_mode == ShowMode::Spectrum && !prepareTransform(is, bits)) {
        av_log(nullptr, AV_LOG_ERROR, "Failed to allocate buffers for RDFT, switching to waves display\n");
        is->show_mode = ShowMode::Waves;
    }
    const int dataUsed = is->show_mode == ShowMode::Waves ? is->width : 2 * nbFreq;
    const int start = visualisationStart(is, channels, dataUsed);

    if (is->show_mode == ShowMode::Waves) {
        drawWaves(is, channels, start);
        return;
    }
    drawSpectrum(is, channels, start, bits);
}

void freeVisualisation(PlayerState *is)
{
    av_tx_uninit(&is->rdft);
    is->rdft_fn = nullptr;
    av_freep(&is->real_data);
    av_freep(&is->rdft_data);
    is->rdft_bits = 0;
}
