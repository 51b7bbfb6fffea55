#pragma once

#include "player/playerstate.h"

// Qt's OpenGL widgets on the GUI thread (the editor's canvas) take their context to stay current
// between paints, while SDL's renderer makes its own current whenever it draws. Held around the
// engine's work with the renderer, this hands the thread back to Qt's context at its end.
struct RendererScope
{
    RendererScope() = default;
    RendererScope(const RendererScope &) = delete;
    RendererScope &operator=(const RendererScope &) = delete;
    ~RendererScope();
};

// Window and renderer over the host widget's native window (GUI thread only).
bool createWindowAndRenderer(QWidget *host, int width, int height);
bool recreateRenderer();
void destroyWindowAndRenderer();
void destroyTextures(PlayerState *is);

// Audio device; returns the device buffer size in bytes, or a negative value.
int audioOpen(PlayerState *is, const AVChannelLayout *wantedLayout, int wantedSampleRate, AudioParams *target);
void closeAudioOutput(PlayerState *is);

int configureAudioFilters(PlayerState *is, bool forceOutputFormat);
int configureVideoFilters(AVFilterGraph *graph, PlayerState *is, const char *chain, AVFrame *frame);

// Draws the current picture or the audio visualisation and presents it.
void videoDisplay(PlayerState *is);
void drawAudioVisualisation(PlayerState *is);
void freeVisualisation(PlayerState *is);
void setDefaultWindowSize(int width, int height, AVRational sar);
SDL_Rect displayRect(int screenLeft, int screenTop, int screenWidth, int screenHeight, int pictureWidth,
                     int pictureHeight, AVRational pictureSar);
// The renderer's texture format for a decoder pixel format; unknown when it needs converting.
Uint32 textureFormatFor(int pixelFormat);
// (Re)creates *texture unless it already has this format and size; 0 or -1.
int reallocTexture(SDL_Texture **texture, Uint32 format, int width, int height, SDL_BlendMode blend, bool clear);
