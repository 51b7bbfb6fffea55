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
    QImage picture;
    switch (m_info.Type) {
    case CLayerInfo::Text: {
        CWordArtInfo wordArt = m_info.wordArt;
        wordArt.render(picture);
        if (picture.isNull()) {
            *error = tr("The text layer \"%1\" draws nothing.").arg(m_info.wordArt.Text);
            return false;
        }
        break;
    }
    case CLayerInfo::Picture: {
        QImageReader reader(m_info.FileName);
        picture = reader.read();
        if (picture.isNull()) {
            *error = tr("The image %1 could not be read: %2").arg(m_info.FileName, reader.errorString());
            return false;
        }
        break;
    }
    case CLayerInfo::Video:
        picture = grabFrame(m_info.FileName, 0);
        if (picture.isNull()) {
            *error = tr("The video %1 has no picture that could be read.").arg(m_info.FileName);
            return false;
        }
        break;
    default:
        *error = tr("A layer of kind %1 cannot be drawn over a video.").arg(m_info.Type);
        return false;
    }
    m_info.image = picture.convertToFormat(QImage::Format_ARGB32);
    return true;
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
