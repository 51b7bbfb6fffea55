#include "subtitlemedia.h"

#include "testfiles.h"
#include "testmedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <vector>

namespace SubtitleMedia {

namespace {

bool writeTrack(const QString &path, QRect box, double from, double to)
{
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_DVD_SUBTITLE);
    AVCodecContext *encoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!encoder)
        return false;
    encoder->width = 320;
    encoder->height = 240;
    encoder->time_base = AVRational{1, 1000};
    AVFormatContext *output = nullptr;
    bool written = false;
    if (avcodec_open2(encoder, codec, nullptr) >= 0
        && avformat_alloc_output_context2(&output, nullptr, "matroska", QFile::encodeName(path).constData()) >= 0) {
        AVStream *stream = avformat_new_stream(output, nullptr);
        avcodec_parameters_from_context(stream->codecpar, encoder);
        stream->time_base = AVRational{1, 1000};

        // One opaque white box: a one-colour bitmap with its palette.
        std::vector<uint8_t> indices(size_t(box.width() * box.height()), 1);
        uint32_t palette[4] = {0x00000000u, 0xffffffffu, 0xff000000u, 0xff808080u};
        AVSubtitleRect rect{};
        rect.type = SUBTITLE_BITMAP;
        rect.x = box.x();
        rect.y = box.y();
        rect.w = box.width();
        rect.h = box.height();
        rect.nb_colors = 4;
        rect.data[0] = indices.data();
        rect.linesize[0] = box.width();
        rect.data[1] = reinterpret_cast<uint8_t *>(palette);
        rect.linesize[1] = 4 * 4;
        AVSubtitleRect *rects[] = {&rect};
        AVSubtitle subtitle{};
        subtitle.num_rects = 1;
        subtitle.rects = rects;
        subtitle.pts = int64_t(from * AV_TIME_BASE);
        subtitle.end_display_time = uint32_t((to - from) * 1000);

        std::vector<uint8_t> buffer(1 << 20);
        const int size = avcodec_encode_subtitle(encoder, buffer.data(), int(buffer.size()), &subtitle);
        AVPacket *packet = av_packet_alloc();
        if (size > 0 && avio_open(&output->pb, QFile::encodeName(path).constData(), AVIO_FLAG_WRITE) >= 0) {
            if (avformat_write_header(output, nullptr) >= 0) {
                av_new_packet(packet, size);
                memcpy(packet->data, buffer.data(), size_t(size));
                packet->pts = packet->dts = av_rescale_q(subtitle.pts, AV_TIME_BASE_Q, stream->time_base);
                packet->duration = int64_t((to - from) * 1000);
                packet->stream_index = stream->index;
                written = av_interleaved_write_frame(output, packet) >= 0 && av_write_trailer(output) >= 0;
            }
            avio_closep(&output->pb);
        }
        av_packet_free(&packet);
    }
    avformat_free_context(output);
    avcodec_free_context(&encoder);
    return written;
}

}

QString pictureTrack(const QString &name, QRect box, double from, double to)
{
    const QDir cache(QStringLiteral(BRINDLE_TEST_MEDIA_DIR));
    cache.mkpath(QStringLiteral("."));
    const QString path = cache.absoluteFilePath(name);
    if (QFileInfo::exists(path))
        return path;
    const QString partial =
        cache.absoluteFilePath(QStringLiteral("partial-%1-%2").arg(QCoreApplication::applicationPid()).arg(name));
    if (!writeTrack(partial, box, from, to)) {
        QFile::remove(partial);
        return QString();
    }
    QFile::rename(partial, path);
    return path;
}

QByteArray cueSrt(double from, double to, const QByteArray &text)
{
    const auto time = [](double seconds) {
        const int ms = int(seconds * 1000 + 0.5);
        return QStringLiteral("00:00:%1,%2").arg(ms / 1000, 2, 10, QLatin1Char('0')).arg(ms % 1000, 3, 10, QLatin1Char('0'));
    };
    return "1\n" + time(from).toLatin1() + " --> " + time(to).toLatin1() + "\n" + text + "\n\n";
}

QString videoWithTracks(const QString &name, const QList<QByteArray> &subtitleFiles, const QString &encoder,
                        double startSeconds)
{
    const QDir cache(QStringLiteral(BRINDLE_TEST_MEDIA_DIR));
    if (QFileInfo::exists(cache.absoluteFilePath(name)))
        return cache.absoluteFilePath(name);
    QStringList arguments{QStringLiteral("-i"), TestMedia::colourClip(QStringLiteral("blue"), 3.0)};
    QStringList maps{QStringLiteral("-map"), QStringLiteral("0:v")};
    for (int i = 0; i < subtitleFiles.size(); ++i) {
        const QByteArray &file = subtitleFiles.at(i);
        // Content starting with a path names a track file made already.
        const QString input = file.startsWith('/') ? QString::fromUtf8(file)
                                                   : TestFiles::write(cache.absoluteFilePath(QStringLiteral("%1-%2.%3")
                                                                                                .arg(name)
                                                                                                .arg(i)
                                                                                                .arg(file.startsWith('[') ? "ass" : "srt")),
                                                                      file);
        arguments << QStringLiteral("-i") << input;
        maps << QStringLiteral("-map") << QStringLiteral("%1:s").arg(i + 1);
    }
    arguments << maps << QStringLiteral("-c:v") << QStringLiteral("copy") << QStringLiteral("-c:s") << encoder;
    if (startSeconds > 0)
        arguments << QStringLiteral("-output_ts_offset") << QString::number(startSeconds);
    return TestMedia::make(name, arguments);
}

QString undecodableCopy(const QString &mkv, const QString &name)
{
    QFile source(mkv);
    if (!source.open(QIODevice::ReadOnly))
        return QString();
    QByteArray content = source.readAll();
    const int at = content.indexOf("S_TEXT/UTF8");
    if (at < 0)
        return QString();
    content.replace(at, 11, "S_TEXT/XYZ8");
    return TestFiles::write(QDir(QStringLiteral(BRINDLE_TEST_MEDIA_DIR)).absoluteFilePath(name), content);
}

}
