#pragma once

#include <QMetaType>

// Crop margins as fractions of the picture, and whether the crop is in force.
// A zeroed record means no crop.
struct ST_CROP_THICK
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    bool cropped = false;
};

Q_DECLARE_METATYPE(ST_CROP_THICK)
