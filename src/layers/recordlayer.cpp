#include "layers/recordlayer.h"

#include "common/framegrab.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPolygonF>
#include <QTransform>

namespace {

// Qt asks every image plugin about a file before its own readers get a turn, which loads them
// all (Qt Widgets with the SVG one) just to read a PNG. A file named for a format Qt reads
// itself goes to that reader alone; any other file, or one that reader refuses, goes the
// general way.
QImage readPicture(const QString &path, QString *error)
{
    static const QList<QByteArray> ownFormats{"png", "bmp", "ppm", "pgm", "pbm", "xbm", "xpm"};
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    QFile file(path);
    if (ownFormats.contains(suffix) && file.open(QIODevice::ReadOnly)) {
        QImageReader own(&file, suffix);
        own.setAutoDetectImageFormat(false);
        const QImage picture = own.read();
        if (!picture.isNull())
            return picture;
    }
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull())
        *error = RecordLayer::tr("The image %1 could not be read: %2").arg(path, reader.errorString());
    return picture;
}

}

RecordLayer::RecordLayer(const CLayerInfo &record, qreal z)
    : m_info(record)
    , m_z(z)
{
}

bool RecordLayer::loadPicture(QString *error)
{
    const QImage picture = layerPicture(m_info, error);
    if (picture.isNull())
        return false;
    m_info.image = picture;
    return true;
}

QImage layerPicture(const CLayerInfo &record, QString *error)
{
    QImage picture;
    switch (record.Type) {
    case CLayerInfo::Text: {
        CWordArtInfo wordArt = record.wordArt;
        wordArt.render(picture);
        if (picture.isNull())
            *error = RecordLayer::tr("The text layer \"%1\" draws nothing.").arg(record.wordArt.Text);
        break;
    }
    case CLayerInfo::Picture:
        picture = readPicture(record.FileName, error);
        break;
    case CLayerInfo::Video:
        picture = grabFrame(record.FileName, 0);
        if (picture.isNull())
            *error = RecordLayer::tr("The video %1 has no picture that could be read.").arg(record.FileName);
        break;
    default:
        *error = RecordLayer::tr("A layer of kind %1 cannot be drawn over a video.").arg(record.Type);
        break;
    }
    return picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32);
}

QRectF turnedBox(const CLayerInfo &record)
{
    const QRectF content(0, 0, record.Width, record.Height);
    QTransform turn;
    turn.translate(record.x + content.width() / 2, record.y + content.height() / 2);
    turn.rotate(record.Angle);
    turn.translate(-content.width() / 2, -content.height() / 2);
    return turn.map(QPolygonF(content)).boundingRect();
}

QRectF RecordLayer::sceneBox() const
{
    return turnedBox(m_info);
}
