#include "text/cwordartinfo.h"

#include "text/canvashelper.h"
#include "text/textgradoutlinestrategy.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

QColor withAlpha(const QColor &color, int alpha)
{
    return QColor(color.red(), color.green(), color.blue(), qBound(0, alpha, 255));
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect drawnRect(const QImage &image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}

CWordArtInfo::CWordArtInfo()
{
    Font.setPixelSize(FontSize);
}

void CWordArtInfo::applyTo(QTextDesigner::CanvasHelper &helper, const QBrush *textBrush) const
{
    const QTextDesigner::GlyphFill text =
        textBrush ? QTextDesigner::GlyphFill(*textBrush) : QTextDesigner::GlyphFill(withAlpha(TextColor, 255));
    const QColor outline1 = withAlpha(OutlineColor1, OutlineAlpha1);
    const QColor outline2 = withAlpha(OutlineColor2, OutlineAlpha2);
    switch (TextEffect) {
    case TextGlow:
        helper.useGlow(text, outline1, OutlineThickness1);
        break;
    case SingleOutline:
        helper.useOutline(text, outline1, OutlineThickness1);
        break;
    case DoubleOutline:
        helper.useDoubleOutline(text, outline1, outline2, OutlineThickness1, OutlineThickness2);
        break;
    case GradientOutline:
        // The ramp is opaque, so the outline alphas do not show here.
        helper.useGradientOutline(text, OutlineColor1, OutlineColor2, OutlineThickness1 + OutlineThickness2,
                                  QTextDesigner::TextGradOutlineStrategy::LinearRamp);
        break;
    case NoOutline:
        helper.useNoOutline(text);
        break;
    case OutlineOnly:
        helper.useOutlineOnly(outline1, OutlineThickness1, false);
        break;
    case DoubleGlow:
        helper.useDoubleGlow(text, outline1, outline2, OutlineThickness1, OutlineThickness2);
        break;
    default:
        break;
    }
}

void CWordArtInfo::placeOrigin()
{
    int margin = 0;
    if (TextEffect == TextGlow || TextEffect == SingleOutline)
        margin = OutlineThickness1;
    else if (TextEffect == DoubleOutline || TextEffect == GradientOutline)
        margin = OutlineThickness1 + OutlineThickness2;
    // The shadow's band reaches half its thickness beyond the glyphs, whatever the effect.
    if (EnableShadow && ShadowThickness > margin)
        margin = ShadowThickness;
    Origin = QPoint(margin / 2, margin / 2);
}

QPoint CWordArtInfo::drawingOrigin() const
{
    // A shadow above or left of the text pushes the text the other way, so both stay inside.
    QPoint origin = Origin;
    if (EnableShadow)
        origin -= QPoint(qMin(0, ShadowX), qMin(0, ShadowY));
    return origin;
}

void CWordArtInfo::prepare(QTextDesigner::CanvasHelper &helper)
{
    placeOrigin();
    applyTo(helper);
    helper.setShadowEnabled(EnableShadow);
    if (!EnableShadow)
        return;
    helper.clearShadow();
    const QColor shadow = withAlpha(ShadowColor, ShadowAlpha);
    const QPoint offset(ShadowX, ShadowY);
    if (ExtrudedText)
        helper.setExtrudeShadow(shadow, ShadowThickness, offset);
    else if (DiffusedShadow)
        helper.setDiffusedShadow(shadow, ShadowThickness, offset);
    else
        helper.setOutlineShadow(shadow, ShadowThickness, offset);
}

QSize CWordArtInfo::measureSize()
{
    QTextDesigner::CanvasHelper helper;
    prepare(helper);
    QTextDesigner::TextExtent extent;
    if (!helper.measure(Font, Text, drawingOrigin(), extent))
        return QSize();
    return QSize(int(extent.right), int(extent.bottom));
}

void CWordArtInfo::render(QImage &output)
{
    FontSize = Font.pixelSize();
    QTextDesigner::CanvasHelper helper;
    prepare(helper);
    const QPoint origin = drawingOrigin();
    QTextDesigner::TextExtent extent;
    if (!helper.measure(Font, Text, origin, extent)) {
        output = QImage();
        return;
    }
    const int width = int(std::floor(extent.right + 0.5f));
    const int height = int(std::floor(extent.bottom + 0.5f));
    if (width <= 0 || height <= 0) {
        output = QImage();
        return;
    }
    QImage canvas(width, height, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        helper.setImage(&canvas);
        helper.setGateImage(Qt::transparent, width, height);
        if (DrawText) {
            if (EnableTextGradient) {
                QLinearGradient gradient(0, 0, 0, extent.bottom);
                gradient.setColorAt(0, withAlpha(TextColor, 255));
                gradient.setColorAt(1, withAlpha(GradientColor, 255));
                const QBrush brush(gradient);
                applyTo(helper, &brush);
            }
            helper.draw(&painter, Font, Text, origin);
        }
    }
    const QRect drawn = drawnRect(canvas);
    if (drawn.isEmpty()) {
        output = QImage();
        return;
    }
    const QImage text = canvas.copy(drawn);
    if (!EnableBackground) {
        output = text;
        return;
    }
    QImage boxed(text.width() + 2 * BackgroundThickness, text.height() + 2 * BackgroundThickness,
                 QImage::Format_ARGB32);
    boxed.fill(Qt::transparent);
    QPainter painter(&boxed);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath box;
    box.addRoundedRect(QRectF(boxed.rect()), BackgroundRound, BackgroundRound, Qt::AbsoluteSize);
    painter.fillPath(box, withAlpha(BackgroundColor, BackgroundAlpha));
    painter.drawImage(BackgroundThickness, BackgroundThickness, text);
    painter.end();
    output = boxed;
}
