#include "player/playerclock.h"

#include "player/playerlibs.h"

#include <cmath>

double clockNow()
{
    return av_gettime_relative() / 1000000.0;
}

void clockInit(Clock *c, int *queueSerial)
{
    *c = Clock();
    c->queue_serial = queueSerial;
    clockSet(c, NAN, -1);
}

double clockGet(const Clock *c)
{
    if (*c->queue_serial != c->serial)
        return NAN;
    if (c->paused)
        return c->pts;
    const double time = clockNow();
    return c->pts_drift + time - (time - c->last_updated) * (1.0 - c->speed);
}

void clockSetAt(Clock *c, double pts, int serial, double time)
{
    c->pts = pts;
    c->last_updated = time;
    c->pts_drift = c->pts - time;
    c->serial = serial;
}

void clockSet(Clock *c, double pts, int serial)
{
    clockSetAt(c, pts, serial, clockNow());
}

void clockSetSpeed(Clock *c, double speed)
{
    clockSet(c, clockGet(c), c->serial);
    c->speed = speed;
}

void clockSyncToSlave(Clock *c, const Clock *slave)
{
    const double clock = clockGet(c);
    const double slaveClock = clockGet(slave);
    if (!std::isnan(slaveClock) && (std::isnan(clock) || std::fabs(clock - slaveClock) > kNoSyncThreshold))
        clockSet(c, slaveClock, slave->serial);
}
