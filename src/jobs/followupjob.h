#pragma once

#include <QString>
#include <QStringList>

// What the queue does when a job ends, kept in the job's kind.
namespace FollowupKind {
enum : int {
    None = 0,
    Split = 1,        // a conversion whose output is cut into parts
    Merge = 2,        // a conversion whose output is joined with title sequences and endings
    MergeDone = 3,    // a merge: its extra paths are intermediates, removed when it succeeded
    Soundtrack = 4,   // a conversion whose output gets music
    Join = 5,         // music files joined into one; its end mixes extra path 2 with the output
    MixDone = 6,      // a mix: its extra paths are intermediates, removed when it succeeded
    SplitPart = 7,    // one part cut from the converted file in extra path 1, removed once all parts succeeded
};
}

// One engine run that follow-up work asks for, before it becomes a job object.
struct FollowupJob
{
    enum class Engine { Tessel, Melt };

    Engine engine = Engine::Tessel;
    QStringList arguments;
    QString outputPath;
    QString durationText; // "HH:MM:SS.hh", the base of TesselEngine's progress
    double frameRate = 0; // TesselEngine's frame rate, or melt's profile rate
    int kind = FollowupKind::None;
    QString extraPath1;
    QString extraPath2;
};
