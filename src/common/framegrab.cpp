#include "common/framegrab.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {
// Owns the FFmpeg objects of one grab, whichever way it ends.
struct GrabContext
{
    AVFormatContext *format = nullptr;
    AVCodecContext *codec = nullptr;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();

    ~GrabContext()
    {
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

QImage toImage(const AVFrame *frame)
{
    SwsContext *scaler = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                        frame->height, AV_PIX_FMT_RGB32, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!scaler)
        return QImage();
    QImage image(frame->width, frame->height, QImage::Format_RGB32);
    uint8_t *planes[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, planes, strides);
    sws_freeContext(scaler);
    return image;
}
}

QImage grabFrame(const QString &path, qint64 timeUs, qint64 *duration)
{
    if (duration)
        *duration = 0;
    GrabContext grab;
    if (!grab.packet || !grab.frame
        || avformat_open_input(&grab.format, path.toUtf8().constData(), nullptr, nullptr) < 0
        || avformat_find_stream_info(grab.format, nullptr) < 0)
        return QImage();
    if (duration && grab.format->duration != AV_NOPTS_VALUE)
        *duration = grab.format->duration;

    const AVCodec *decoder = nullptr;
    const int stream = av_find_best_stream(grab.format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder)
        return QImage();
    grab.codec = avcodec_alloc_context3(decoder);
    if (!grab.codec || avcodec_parameters_to_context(grab.codec, grab.format->streams[stream]->codecpar) < 0
        || avcodec_open2(grab.codec, decoder, nullptr) < 0)
        return QImage();

    const AVRational timeBase = grab.format->streams[stream]->time_base;
    av_seek_frame(grab.format, stream, av_rescale_q(qMax<qint64>(0, timeUs), AV_TIME_BASE_Q, timeBase),
                  AVSEEK_FLAG_BACKWARD);
    bool draining = false;
    while (true) {
        const int received = avcodec_receive_frame(grab.codec, grab.frame);
        if (received == 0)
            return toImage(grab.frame);
        if (received != AVERROR(EAGAIN) || draining)
            return QImage();
        if (av_read_frame(grab.format, grab.packet) < 0) {
            draining = true;
            avcodec_send_packet(grab.codec, nullptr);
            continue;
        }
        if (grab.packet->stream_index == stream)
            avcodec_send_packet(grab.codec, grab.packet);
        av_packet_unref(grab.packet);
    }
}
