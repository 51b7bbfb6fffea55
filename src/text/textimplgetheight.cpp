#include "text/textimplgetheight.h"

namespace QTextDesigner {

bool TextImplGetHeight::measure(const QFont &font, const QString &text, QPoint origin, TextExtent &extent) const
{
    extent = thicknessExtent(font, text, origin, thickness);
    return true;
}

}
