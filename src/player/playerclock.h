#pragma once

// Clocks further apart than this are not synchronised: one of them has jumped.
constexpr double kNoSyncThreshold = 10.0;

// A clock that runs from its last update; it reads NaN while its serial is
// behind the serial of the queue that feeds it (after a seek).
struct Clock
{
    double pts = 0;
    double pts_drift = 0;
    double last_updated = 0;
    double speed = 1.0;
    int serial = -1;
    int paused = 0;
    int *queue_serial = nullptr;
};

// Seconds of the monotonic clock.
double clockNow();
void clockInit(Clock *c, int *queueSerial);
double clockGet(const Clock *c);
void clockSetAt(Clock *c, double pts, int serial, double time);
void clockSet(Clock *c, double pts, int serial);
void clockSetSpeed(Clock *c, double speed);
// The external clock follows another when they drift far apart or it has no value.
void clockSyncToSlave(Clock *c, const Clock *slave);
