#pragma once

#include <QString>

// Looks at live processes through /proc, to check that engines end with their launchers.
namespace ProcessWatch {

// Pid of a live (not zombie) process whose parent is parent; 0 when there is none.
qint64 childOf(qint64 parent);
// Whether the process exists and is no zombie.
bool isAlive(qint64 pid);
// Live (not zombie) children of parent whose command name is name.
int liveChildrenNamed(qint64 parent, const QString &name);

}
