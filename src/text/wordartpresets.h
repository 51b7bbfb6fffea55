#pragma once

#include "text/cwordartinfo.h"

#include <QList>
#include <QString>

// The presets file "opts/WordArt.xml" in the application's folder.
QString wordArtPresetsPath();

// Reads the word-art presets from an XML file whose root "WordArts" holds one element
// per preset. A missing or malformed file gives no presets.
QList<CWordArtInfo> readWordArtPresets(const QString &path);

// A colour from hexadecimal AARRGGBB; text that does not parse gives transparent black.
QColor wordArtColorFromHex(const QString &text);

// Gives the target a preset's look: colours, outlines, effect, shadow, gradient and the
// background switch. Its text, font and the background's colour, alpha, thickness and
// radius stay the user's.
void applyWordArtPreset(CWordArtInfo &target, const CWordArtInfo &preset);
