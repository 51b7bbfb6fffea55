#pragma once

#include "subtitles/subtitlestyle.h"

#include <QImage>
#include <QWidget>

struct ass_renderer;

// Shows a sample line drawn by libass in a style, as the burned-in subtitle will look
// in a picture of the preview's size.
class StylePreview : public QWidget
{
    Q_OBJECT
public:
    explicit StylePreview(QWidget *parent = nullptr);
    ~StylePreview() override;

    void showStyle(const SubtitleStyle &style);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage render(const SubtitleStyle &style, const QSize &size);

    ass_renderer *m_renderer = nullptr;
    SubtitleStyle m_style;
    QImage m_image;
};
