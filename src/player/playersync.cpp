#include "player/playerstate.h"

#include <cmath>

namespace {
constexpr int kAudioDiffAverageCount = 20;
constexpr int kSampleCorrectionPercent = 10;
}

PlayerGlobals g_player;

void postQuitEvent(PlayerState *is)
{
    SDL_Event event {};
    event.type = kQuitEvent;
    event.user.data1 = is;
    event.user.code = is->generation;
    SDL_PushEvent(&event);
}

int masterSyncType(const PlayerState *is)
{
    if (is->av_sync_type == SyncVideoMaster)
        return is->video_st ? SyncVideoMaster : SyncAudioMaster;
    if (is->av_sync_type == SyncAudioMaster)
        return is->audio_st ? SyncAudioMaster : SyncExternalClock;
    return SyncExternalClock;
}

double masterClock(const PlayerState *is)
{
    switch (masterSyncType(is)) {
    case SyncVideoMaster:
        return clockGet(&is->vidclk);
    case SyncAudioMaster:
        return clockGet(&is->audclk);
    default:
        return clockGet(&is->extclk);
    }
}

int synchronizeAudio(PlayerState *is, int nbSamples)
{
    if (masterSyncType(is) == SyncAudioMaster)
        return nbSamples;

    int wanted = nbSamples;
    const double diff = clockGet(&is->audclk) - masterClock(is);
    if (!std::isnan(diff) && std::fabs(diff) < kNoSyncThreshold) {
        is->audio_diff_cum = diff + is->audio_diff_avg_coef * is->audio_diff_cum;
        if (is->audio_diff_avg_count < kAudioDiffAverageCount) {
            is->audio_diff_avg_count++;
        } else {
            const double average = is->audio_diff_cum * (1.0 - is->audio_diff_avg_coef);
            if (std::fabs(average) >= is->audio_diff_threshold) {
                wanted = nbSamples + int(diff * is->audio_src.freq);
                const int least = nbSamples * (100 - kSampleCorrectionPercent) / 100;
                const int most = nbSamples * (100 + kSampleCorrectionPercent) / 100;
                wanted = av_clip(wanted, least, most);
            }
            av_log(nullptr, AV_LOG_TRACE, "diff=%f adiff=%f sample_diff=%d apts=%0.3f %f\n", diff, average,
                   wanted - nbSamples, is->audio_clock, is->audio_diff_threshold);
        }
    } else {
        is->audio_diff_avg_count = 0;
        is->audio_diff_cum = 0;
    }
    return wanted;
}
