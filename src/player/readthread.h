#pragma once

#include "player/playerstate.h"

// Opens a file for playing and starts its read thread; null on failure.
PlayerState *streamOpen(const char *filename, int generation);
// Stops every thread of the player and frees it.
void streamClose(PlayerState *is);
