#pragma once

#include "editor/qwatermarkbase.h"

// A text layer: the word art of its record, rendered. Resizing changes the font size.
class QWordArtItem : public QWatermarkBase
{
    Q_OBJECT
public:
    QWordArtItem(const WatermarkDocument *document, LayerId id, QGraphicsItem *parent = nullptr);

    // After a resize with the handle: the text drawn at its new font size, at the size
    // that drawing takes.
    CLayerInfo shownRecord() const override;
    void showRecord() override;

protected:
    void applyResize(qreal sx, qreal sy) override;
    void rememberPressSize() override;

private:
    int m_pressFontPixels = 0;
    int m_shownFontPixels = 0; // the font size a resize shows; 0 when none is under way
};
