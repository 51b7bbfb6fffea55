#include "common/subtitletrack.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <memory>

namespace {

QString tag(const AVStream *stream, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(stream->metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value).trimmed() : QString();
}

bool isBitmap(AVCodecID id)
{
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(id);
    return descriptor && (descriptor->props & AV_CODEC_PROP_BITMAP_SUB);
}

bool fail(QString *problem, const QString &why)
{
    if (problem)
        *problem = why;
    return false;
}

const char *const kCannotDecode = QT_TRANSLATE_NOOP("SubtitleTrack", "subtitle track %1 of %2 cannot be decoded");

// The text names the track, counted from 1, as %1 and the file as %2.
bool failTrack(QString *problem, const char *text, int track, const QString &mediaPath)
{
    return fail(problem, QCoreApplication::translate("SubtitleTrack", text).arg(track + 1).arg(mediaPath));
}

// H:MM:SS.cc, as ASS writes times.
QByteArray assTime(qint64 us)
{
    const qint64 cs = qMax<qint64>(0, (us + 5000) / 10000);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(cs / 360000)
        .arg(cs / 6000 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs % 100, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

// A decoded text rect holds "ReadOrder,Layer,Style,Name,MarginL,MarginR,MarginV,Effect,Text";
// the file line puts the times after the layer.
QByteArray dialogueLine(const char *rect, qint64 start, qint64 end)
{
    const QByteArray fields(rect);
    const int afterOrder = fields.indexOf(',') + 1;
    const int afterLayer = fields.indexOf(',', afterOrder) + 1;
    if (afterOrder <= 0 || afterLayer <= 0)
        return QByteArray();
    return "Dialogue: " + fields.mid(afterOrder, afterLayer - afterOrder) + assTime(start) + ',' + assTime(end) + ','
           + fields.mid(afterLayer) + '\n';
}

struct InputCloser
{
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
struct DecoderFree
{
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct PacketFree
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};

}

QList<SubtitleTrack> subtitleTracksOf(const void *formatContext)
{
    QList<SubtitleTrack> tracks;
    const auto *context = static_cast<const AVFormatContext *>(formatContext);
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_SUBTITLE)
            continue;
        SubtitleTrack track;
        track.index = tracks.size();
        track.language = tag(stream, "language");
        if (track.language == QLatin1String("und"))
            track.language.clear();
        track.title = tag(stream, "title");
        track.codec = QString::fromUtf8(avcodec_get_name(stream->codecpar->codec_id));
        track.isDefault = stream->disposition & AV_DISPOSITION_DEFAULT;
        track.forced = stream->disposition & AV_DISPOSITION_FORCED;
        track.bitmap = isBitmap(stream->codecpar->codec_id);
        track.decodable = avcodec_find_decoder(stream->codecpar->codec_id) != nullptr;
        tracks.append(track);
    }
    return tracks;
}

QString describeSubtitleTrack(const SubtitleTrack &track)
{
    QStringList parts{QCoreApplication::translate("SubtitleTrack", "Track %1").arg(track.index + 1)};
    if (!track.language.isEmpty())
        parts << track.language;
    if (!track.title.isEmpty())
        parts << QStringLiteral("\"%1\"").arg(track.title);
    parts << track.codec;
    QStringList flags;
    if (track.isDefault)
        flags << QCoreApplication::translate("SubtitleTrack", "default");
    if (track.forced)
        flags << QCoreApplication::translate("SubtitleTrack", "forced");
    if (!track.decodable)
        flags << QCoreApplication::translate("SubtitleTrack", "cannot be decoded");
    else
        flags << (track.bitmap ? QCoreApplication::translate("SubtitleTrack", "pictures, cannot be edited")
                               : QCoreApplication::translate("SubtitleTrack", "text"));
    return parts.join(QStringLiteral(" · ")) + QStringLiteral(" (") + flags.join(QStringLiteral(", "))
           + QLatin1Char(')');
}

bool extractSubtitleTrack(const QString &mediaPath, int track, const QString &assPath, QString *problem)
{
    AVFormatContext *opened = nullptr;
    if (avformat_open_input(&opened, mediaPath.toUtf8().constData(), nullptr, nullptr) < 0)
        return fail(problem, QCoreApplication::translate("SubtitleTrack", "%1 cannot be opened").arg(mediaPath));
    const std::unique_ptr<AVFormatContext, InputCloser> input(opened);
    if (avformat_find_stream_info(opened, nullptr) < 0)
        return fail(problem,
                    QCoreApplication::translate("SubtitleTrack", "the streams of %1 cannot be read").arg(mediaPath));

    const AVStream *stream = nullptr;
    for (unsigned i = 0, seen = 0; i < opened->nb_streams && !stream; ++i) {
        if (opened->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE && int(seen++) == track)
            stream = opened->streams[i];
    }
    if (!stream)
        return fail(problem, QCoreApplication::translate("SubtitleTrack", "%1 has no subtitle track %2")
                                 .arg(mediaPath)
                                 .arg(track + 1));
    // Only the track's packets are needed: the demuxer then skips the picture and sound data.
    for (unsigned i = 0; i < opened->nb_streams; ++i) {
        if (opened->streams[i] != stream)
            opened->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return failTrack(problem, kCannotDecode, track, mediaPath);
    if (isBitmap(stream->codecpar->codec_id))
        return failTrack(problem,
                         QT_TRANSLATE_NOOP("SubtitleTrack", "subtitle track %1 of %2 holds pictures, not text"), track,
                         mediaPath);

    const std::unique_ptr<AVCodecContext, DecoderFree> decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0)
        return failTrack(problem, kCannotDecode, track, mediaPath);
    decoder->pkt_timebase = stream->time_base;
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0 || !decoder->subtitle_header)
        return failTrack(problem, kCannotDecode, track, mediaPath);

    QByteArray text(reinterpret_cast<const char *>(decoder->subtitle_header), decoder->subtitle_header_size);
    if (!text.endsWith('\n'))
        text += '\n';
    // The conversion counts time from the file's start, not from zero.
    const qint64 origin = opened->start_time == AV_NOPTS_VALUE ? 0 : opened->start_time;
    const std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    int lines = 0;
    int failures = 0;
    while (av_read_frame(opened, packet.get()) >= 0) {
        if (packet->stream_index == stream->index && packet->pts != AV_NOPTS_VALUE) {
            AVSubtitle subtitle;
            int got = 0;
            if (avcodec_decode_subtitle2(decoder.get(), &subtitle, &got, packet.get()) < 0) {
                ++failures;
            } else if (got) {
                const qint64 start = av_rescale_q(packet->pts, stream->time_base, AV_TIME_BASE_Q) - origin
                                     + qint64(subtitle.start_display_time) * 1000;
                const qint64 length = packet->duration > 0
                                          ? av_rescale_q(packet->duration, stream->time_base, AV_TIME_BASE_Q)
                                          : qint64(subtitle.end_display_time - subtitle.start_display_time) * 1000;
                for (unsigned r = 0; r < subtitle.num_rects; ++r) {
                    if (subtitle.rects[r]->ass) {
                        text += dialogueLine(subtitle.rects[r]->ass, start, start + length);
                        ++lines;
                    }
                }
                avsubtitle_free(&subtitle);
            }
        }
        av_packet_unref(packet.get());
    }
    if (lines == 0 && failures > 0)
        return failTrack(problem,
                         QT_TRANSLATE_NOOP("SubtitleTrack", "no line of subtitle track %1 of %2 could be decoded"), track,
                         mediaPath);

    QFile file(assPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() || !file.flush())
        return fail(problem, QCoreApplication::translate("SubtitleTrack", "%1 cannot be written").arg(assPath));
    return true;
}
