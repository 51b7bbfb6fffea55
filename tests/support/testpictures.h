#pragma once

#include <QColor>
#include <QImage>

// Comparing what a window or a converted file shows with what it should show.
namespace TestPictures {

inline bool near(QRgb pixel, QColor expected, int tolerance = 60)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance && qAbs(qGreen(pixel) - expected.green()) <= tolerance
        && qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// Saves a w x h picture of one colour as PNG; the path, or empty when it cannot be written.
inline QString savePlain(const QString &path, int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(path, "PNG") ? path : QString();
}

// The share of pixels that differ between two pictures; 1 when their sizes differ.
inline double differingShare(const QImage &a, const QImage &b, int tolerance = 40)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differ += near(a.pixel(x, y), b.pixel(x, y), tolerance) ? 0 : 1;
    return double(differ) / (a.width() * a.height());
}

// How many pixels pass a test, and the smallest rectangle that holds them.
template <typename Test> int countWhere(const QImage &image, Test test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

template <typename Test> QRect boundsWhere(const QImage &image, Test test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}
