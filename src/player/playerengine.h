#pragma once

#include <QtGlobal>

#include <functional>

class QImage;
class QWidget;

// The preview engine: plays one file at a time into a window that a widget lends.
// All calls belong on the GUI thread. Once started, the engine runs from the Qt
// event loop until playerStop; transport calls may come at any time in between.

// Adds a filter graph description for the pictures; the text must stay valid until
// playerStop. Only the first one is used.
void playerAddVideoFilter(const char *filterGraph);

// Unless another is chosen, the file's best subtitle stream is drawn over the picture.
constexpr int kPlayerBestSubtitle = -2;
// Before playerStart: the subtitle stream drawn over the picture, counted among the file's
// subtitle streams, or -1 for none. Only streams of pictures show. The best one again after
// playerStop.
void playerChooseSubtitle(int track);

// Opens the file (UTF-8) and plays it in host's native window of width x height.
// onEnd runs once on the GUI thread when the file ends or fails while playing; it is
// expected to call playerStop. x and y are not used. 0 when playing, -1 when the
// engine could not start (nothing to stop then).
int playerStart(const char *fileName, QWidget *host, std::function<void()> onEnd, int x, int y, int width,
                int height);
int playerStop();
int playerTogglePause();
int playerSeek(double seconds);
// The position in microseconds; negative while it is not known (before the first
// picture or sound, and just after a seek).
qint64 playerPosition();
// Pictures per second of the playing video; 0 without one.
double playerFrameRate();
// Decodes the next picture into image (RGB32, width x height) without showing it.
int playerGrabFrame(QImage *image, int width, int height);
int playerResize(int width, int height);

// Set by the owner while a file is meant to play.
bool playerRunning();
void playerSetRunning(bool running);

// Figures about the current playback, for diagnostics.
struct PlayerStatistics
{
    bool playing = false;
    bool paused = false;
    bool hasVideo = false;
    bool hasAudioOutput = false;
    bool showsVisualisation = false;
    int framesDroppedEarly = 0;
    int framesDroppedLate = 0;
    double audioMinusVideo = 0.0; // seconds between the sound's clock and the picture's; NaN while one is unknown
};
PlayerStatistics playerStatistics();
