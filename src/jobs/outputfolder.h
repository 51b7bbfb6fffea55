#pragma once

#include <QString>

// Checks the output folder a run is about to write into and creates it when missing.
// On success *folder is the clean absolute path; otherwise *problem says, in words for the
// user, what is wrong, and nothing should be queued.
bool prepareOutputFolder(const QString &text, QString *folder, QString *problem);
