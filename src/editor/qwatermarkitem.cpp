#include "editor/qwatermarkitem.h"

QWatermarkItem::QWatermarkItem(const WatermarkDocument *document, LayerId id, QGraphicsItem *parent)
    : QWatermarkBase(document, id, parent)
{
    setObjectName(QStringLiteral("QWatermarkItem"));
}
