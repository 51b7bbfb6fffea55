#include "settings/formatlists.h"

#include "settings/configformat.h"

#include <QCoreApplication>

namespace {
enum Container { Mp4, Mkv, Avi, Flv, Mov, Mpg, Ts, Mp3, M4a, Wav };

QString trFormat(const char *text)
{
    return QCoreApplication::translate("QFormatDialog", text);
}

Choices withCopy(const QStringList &entries, const QString &current)
{
    return {entries + QStringList{QStringLiteral("copy")}, current};
}

QStringList latin(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QLatin1String(text);
    return list;
}

}

namespace FormatLists {

bool hasVideo(int containerIndex)
{
    return containerIndex < Mp3 || containerIndex >= ConfigFormat::kContainerCount;
}

Choices videoBitRates(bool qualityMode)
{
    if (qualityMode) {
        return {QStringList{QStringLiteral("Auto"), trFormat(QT_TRANSLATE_NOOP("QFormatDialog", "50 high"))}
                    + latin({"46", "43", "40", "35", "30", "25", "20", "15", "10", "5"})
                    + QStringList{trFormat(QT_TRANSLATE_NOOP("QFormatDialog", "1 low"))},
                QStringLiteral("Auto")};
    }
    return {latin({"Auto", "64 kbps", "128 kbps", "256 kbps", "320 kbps", "448 kbps", "512 kbps", "640 kbps",
                   "768 kbps", "1024 kbps", "1536 kbps", "2048 kbps", "3072 kbps", "4096 kbps", "5120 kbps",
                   "6144 kbps", "7168 kbps", "8192 kbps", "9216 kbps"}),
            QStringLiteral("Auto")};
}

Choices frameSizes()
{
    return {latin({"128x96 SQCIF", "160x120 QVGA", "176x120", "176x144 QCIF", "192x144", "208x176", "220x176",
                   "224x176", "240x180", "320x200", "320x240 VGA", "352x240", "352x288 CIF", "480x272", "480x360",
                   "640x480", "800x480", "1280x720", "1080x1920", "1920x1080", "2560x1440", "4096x2160"}),
            QStringLiteral("1920x1080")};
}

Choices frameRates(int containerIndex)
{
    // MPEG-2 video knows no 20 fps, so the program stream offers only the rates it can carry.
    if (containerIndex == Mpg)
        return {latin({"23.976 fps", "25.0 fps"}), QStringLiteral("25.0 fps")};
    return {latin({"5.0 fps", "10.0 fps", "14.985 fps", "15.0 fps", "20.0 fps", "23.976 fps", "25.0 fps",
                   "29.976 fps", "60 fps"}),
            QStringLiteral("25.0 fps")};
}

Choices aspects()
{
    return {latin({"Auto", "4:3", "16:9", "9:16"}), QStringLiteral("Auto")};
}

Choices videoCodecs(int containerIndex, const HardwareChoice &found)
{
    const QStringList h264 = QStringList{QStringLiteral("h264")} + found.foundEncoders(QStringLiteral("h264"));
    const QStringList h265 = QStringList{QStringLiteral("h265")} + found.foundEncoders(QStringLiteral("h265"));
    const QString current = QStringLiteral("h264");
    switch (containerIndex) {
    case Mp4:
    case Mkv:
    case Mov: return withCopy(h264 + h265 + latin({"xvid", "mpeg4"}), current);
    // The engine writes HEVC into AVI without a codec tag, and its FLV muxer takes no HEVC at
    // all, so neither container offers it.
    case Avi: return withCopy(h264 + latin({"xvid", "mpeg4", "mjpeg"}), current);
    case Flv: return withCopy(h264, current);
    case Mpg: return withCopy(latin({"mpeg1video", "mpeg2video"}), QStringLiteral("mpeg2video"));
    case Ts: return withCopy(h264 + latin({"mpeg2video"}), current);
    default: return {};
    }
}

Choices audioCodecs(int containerIndex)
{
    switch (containerIndex) {
    case Mp4: return withCopy(latin({"aac", "mp3"}), QStringLiteral("aac"));
    case Mkv: return withCopy(latin({"mp3", "mp2", "ac3"}), QStringLiteral("ac3"));
    case Avi: return withCopy(latin({"mp3", "mp2", "pcm_s16le"}), QStringLiteral("mp2"));
    case Flv:
    case Mov:
    case M4a: return withCopy(latin({"aac"}), QStringLiteral("aac"));
    case Mpg: return withCopy(latin({"mp2"}), QStringLiteral("mp2"));
    case Ts: return withCopy(latin({"aac", "mp2"}), QStringLiteral("aac"));
    case Mp3: return withCopy(latin({"mp3"}), QStringLiteral("mp3"));
    case Wav: return withCopy(latin({"pcm_s16le"}), QStringLiteral("pcm_s16le"));
    default: return {};
    }
}

Choices audioChannels(const QString &audioCodec)
{
    if (audioCodec == QLatin1String("amr_nb") || audioCodec == QLatin1String("amr_wb"))
        return {latin({"1 channels mono"}), QStringLiteral("1 channels mono")};
    return {latin({"1 channels mono", "2 channels stereo"}), QStringLiteral("2 channels stereo")};
}

Choices audioSampleRates(const QString &audioCodec, int containerIndex)
{
    if (audioCodec == QLatin1String("aac"))
        return {latin({"32000 Hz", "44100 Hz", "48000 Hz"}), QStringLiteral("44100 Hz")};
    if (audioCodec == QLatin1String("amr_nb"))
        return {latin({"8000 Hz"}), QStringLiteral("8000 Hz")};
    if (audioCodec == QLatin1String("amr_wb"))
        return {latin({"16000 Hz"}), QStringLiteral("16000 Hz")};
    // The AC-3 and MP2 encoders refuse the lower rates.
    if (audioCodec == QLatin1String("ac3"))
        return {latin({"32000 Hz", "44100 Hz", "48000 Hz"}), QStringLiteral("44100 Hz")};
    if (audioCodec == QLatin1String("mp2"))
        return {latin({"16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"}), QStringLiteral("44100 Hz")};
    // The MP4 muxer refuses MP3 at 8000 Hz.
    if (audioCodec == QLatin1String("mp3") && containerIndex == Mp4)
        return {latin({"16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"}), QStringLiteral("44100 Hz")};
    return {latin({"8000 Hz", "16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"}),
            QStringLiteral("44100 Hz")};
}

Choices audioBitRates(const QString &audioCodec)
{
    if (audioCodec == QLatin1String("aac")) {
        return {latin({"32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "128 kbps",
                       "160 kbps"}),
                QStringLiteral("64 kbps")};
    }
    if (audioCodec == QLatin1String("amr_nb")) {
        return {latin({"4.75 kbps", "5.15 kbps", "5.90 kbps", "6.70 kbps", "7.40 kbps", "7.95 kbps", "10.2 kbps",
                       "12.2 kbps"}),
                QStringLiteral("12.2 kbps")};
    }
    if (audioCodec == QLatin1String("amr_wb")) {
        return {latin({"6.6 kbps", "8.85 kbps", "12.65 kbps", "14.25 kbps", "15.85 kbps", "19.85 kbps",
                       "23.05 kbps", "23.85 kbps"}),
                QStringLiteral("14.25 kbps")};
    }
    return {latin({"32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "128 kbps",
                   "160 kbps", "192 kbps", "224 kbps", "256 kbps", "320 kbps"}),
            QStringLiteral("64 kbps")};
}

}
