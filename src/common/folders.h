#pragma once

#include <QString>

// Creates the folder with all missing parents. True when it exists afterwards.
bool ensureFolder(const QString &path);
