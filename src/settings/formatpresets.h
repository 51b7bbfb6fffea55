#pragma once

#include "settings/formatlists.h"

#include <QString>
#include <QStringList>

class ConfigFormat;

// Named output formats kept as INI files of ConfigFormat's layout, one file per name, in
// the presets folder. Names come from the user and become file names, so they are checked
// before any path is made from them.
namespace FormatPresets {

// Documents folder, the application's name, then "Formats".
QString folder();
// Base names of the preset files in the folder, sorted without regard to case.
QStringList names(const QString &folder);
QString pathOf(const QString &folder, const QString &name);

// Why a name cannot be a preset's file name in the folder; empty when it can.
QString nameProblem(const QString &name);

// Loads a preset only when every key is there and every value is one the format dialog can
// show for the preset's container; otherwise leaves "format" as it was and says why.
bool read(const QString &path, const HardwareChoice &found, ConfigFormat *format, QString *problem);
// Writes the record's fields to the file; false when the file cannot be written.
bool write(const QString &path, const ConfigFormat &format);
// Removes a preset file or link; a missing file counts as removed.
bool remove(const QString &path);

}
