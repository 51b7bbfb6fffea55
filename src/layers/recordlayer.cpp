#include "layers/recordlayer.h"

#include "common/framegrab.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPolygonF>
#include <QTransform>

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
    case CLayerInfo::Picture: {
        QImageReader reader(record.FileName);
        picture = reader.read();
        if (picture.isNull())
            *error = RecordLayer::tr("The image %1 could not be read: %2").arg(record.FileName, reader.errorString());
        break;
    }
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
