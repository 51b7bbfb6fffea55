#pragma once

#include "editor/qwatermarkbase.h"

// A text layer: the word art of its record, rendered. Resizing changes the font size.
class QWordArtItem : public QWatermarkBase
{
    Q_OBJECT
public:
    explicit QWordArtItem(QGraphicsItem *parent = nullptr);

    // Renders the word art into the picture; false when nothing could be drawn.
    bool renderText();

    // Renders the text again and takes its natural size.
    void refresh() override;
    void updateRect() override;
    void restoreState(const LayerState &state) override;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void applyResize(qreal sx, qreal sy) override;
    void finishResize() override;
    void rememberPressSize() override;

private:
    void takePictureFactors();

    int m_pressFontPixels = 0;
};
