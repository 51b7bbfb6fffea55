#pragma once

#include <QImage>
#include <QWidget>

class CWordArtInfo;

// Shows a rendered word art on a checkered backdrop, shrunk to fit when it is too large.
class VWordArtPreview : public QWidget
{
    Q_OBJECT
public:
    explicit VWordArtPreview(QWidget *parent = nullptr);

    void showWordArt(const CWordArtInfo &info);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
