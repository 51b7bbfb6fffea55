#include "subtitles/stylepreview.h"

#include "common/asslibrary.h"
#include "subtitles/subtitleparser.h"

#include <QPainter>
#include <QTemporaryDir>

namespace {

QImage backdrop(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(96, 96, 96));
    QPainter painter(&image);
    for (int y = 0; y < size.height(); y += 10)
        for (int x = (y / 10) % 2 * 10; x < size.width(); x += 20)
            painter.fillRect(x, y, 10, 10, QColor(128, 128, 128));
    return image;
}

// libass hands out alpha masks with one colour each, 0xRRGGBBTT with TT the transparency.
void blend(QImage &target, const ASS_Image *layer)
{
    for (; layer; layer = layer->next) {
        const int red = (layer->color >> 24) & 0xff;
        const int green = (layer->color >> 16) & 0xff;
        const int blue = (layer->color >> 8) & 0xff;
        const int opacity = 255 - int(layer->color & 0xff);
        for (int y = 0; y < layer->h; ++y) {
            const int row = layer->dst_y + y;
            if (row < 0 || row >= target.height())
                continue;
            auto *line = reinterpret_cast<QRgb *>(target.scanLine(row));
            const unsigned char *mask = layer->bitmap + y * layer->stride;
            for (int x = 0; x < layer->w; ++x) {
                const int column = layer->dst_x + x;
                const int alpha = mask[x] * opacity / 255;
                if (column < 0 || column >= target.width() || alpha == 0)
                    continue;
                const QRgb under = line[column];
                line[column] = qRgb((red * alpha + qRed(under) * (255 - alpha)) / 255,
                                    (green * alpha + qGreen(under) * (255 - alpha)) / 255,
                                    (blue * alpha + qBlue(under) * (255 - alpha)) / 255);
            }
        }
    }
}

}

StylePreview::StylePreview(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

StylePreview::~StylePreview()
{
    if (m_renderer)
        ass_renderer_done(m_renderer);
}

void StylePreview::showStyle(const SubtitleStyle &style)
{
    m_style = style;
    m_image = render(style, size());
    update();
}

void StylePreview::resizeEvent(QResizeEvent *)
{
    m_image = render(m_style, size());
}

QImage StylePreview::render(const SubtitleStyle &style, const QSize &size)
{
    if (size.isEmpty())
        return QImage();
    QImage image = backdrop(size);
    // The line goes through the same writer as a burned subtitle, so the preview
    // shows what the engine will draw.
    SubtitleParser document;
    document.PlayResX = size.width();
    document.PlayResY = size.height();
    document.ScaledBorderAndShadow = 1;
    document.styles = {style};
    SubtitleEvent line;
    line.Start = 0;
    line.End = 10000;
    line.Text = tr("Sample subtitle");
    document.events.append(line);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("preview.ass"));
    if (!folder.isValid() || !document.writeAss(path))
        return image;
    ASS_Track *track = ass_read_file(assLibrary(), path.toUtf8().data(), nullptr);
    if (!track)
        return image;
    if (!m_renderer) {
        m_renderer = ass_renderer_init(assLibrary());
        if (m_renderer)
            ass_set_fonts(m_renderer, nullptr, "sans-serif", ASS_FONTPROVIDER_AUTODETECT, nullptr, 1);
    }
    if (m_renderer) {
        ass_set_frame_size(m_renderer, size.width(), size.height());
        int changed = 0;
        blend(image, ass_render_frame(m_renderer, track, 1000, &changed));
    }
    ass_free_track(track);
    return image;
}

void StylePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_image.size() == size())
        painter.drawImage(0, 0, m_image);
    else
        painter.fillRect(rect(), QColor(96, 96, 96));
}
