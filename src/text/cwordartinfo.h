#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

class QBrush;

namespace QTextDesigner {
class CanvasHelper;
}

// One styled text: text, font, effect, colours, outlines, shadow and an optional
// rounded box behind it. Renders and measures itself. Alphas apply to the red, green
// and blue of their colour; the colours' own alpha is not used.
class CWordArtInfo
{
public:
    enum Effect {
        TextGlow = 0,
        SingleOutline = 1,
        DoubleOutline = 2,
        GradientOutline = 3,
        NoOutline = 4,
        OutlineOnly = 5,
        DoubleGlow = 6
    };

    CWordArtInfo();

    // Draws the record into a new image cut to its drawn pixels (plus the background box).
    void render(QImage &output);
    // The size the text needs with its effect and shadow, in whole pixels.
    QSize measureSize();
    // Selects the text strategy for TextEffect; with a brush, the brush fills the glyphs.
    void applyTo(QTextDesigner::CanvasHelper &helper, const QBrush *textBrush = nullptr) const;

    QString Text;
    QString Name;
    QFont Font;
    int FontSize = 10;
    int TextEffect = TextGlow;
    QColor TextColor = QColor(255, 255, 255);
    bool EnableTextGradient = false;
    QColor GradientColor = QColor(255, 255, 255);
    QColor OutlineColor1 = QColor(127, 127, 127);
    int OutlineAlpha1 = 24;
    int OutlineThickness1 = 14;
    QColor OutlineColor2 = QColor(0, 0, 0);
    int OutlineAlpha2 = 255;
    int OutlineThickness2 = 8;
    bool EnableShadow = false;
    QColor ShadowColor = QColor(128, 128, 128);
    int ShadowAlpha = 128;
    int ShadowThickness = 4;
    int ShadowX = 4;
    int ShadowY = 4;
    bool DiffusedShadow = false;
    bool ExtrudedText = false;
    bool DrawText = true;
    bool EnableBackground = false;
    QColor BackgroundColor = QColor(0, 0, 0);
    int BackgroundAlpha = 100;
    int BackgroundThickness = 10;
    int BackgroundRound = 0;
    // Carried through copies, presets and projects; the drawing does not use them.
    float ExtrusionDepth = 0.4f;
    float ExtrusionStep = 0.01f;
    float ExtrusionShade = 0.7f;
    bool EnableExtrusion = false;
    QPoint Origin = QPoint(10, 10);

private:
    void placeOrigin();
    // Origin moved so that a shadow above or left of the text stays inside the picture.
    QPoint drawingOrigin() const;
    void prepare(QTextDesigner::CanvasHelper &helper);
};
