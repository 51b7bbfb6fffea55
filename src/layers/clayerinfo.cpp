#include "layers/clayerinfo.h"

void CLayerInfo::assignSettings(const CLayerInfo &other)
{
    if (this == &other)
        return;
    const QImage ownImage = image;
    *this = other;
    image = ownImage;
}
