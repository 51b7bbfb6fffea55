#include "settings/codecnames.h"

#include <QHash>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {
// Names whose lower-case form is FFmpeg's descriptor name for the codec.
const char *const kDescriptorNames[] = {
    "4XM", "8BPS", "AAC", "AASC", "AC3", "ADPCM_4XM", "ADPCM_ADX", "ADPCM_CT", "ADPCM_EA", "ADPCM_G726",
    "ADPCM_IMA_AMV", "ADPCM_IMA_DK3", "ADPCM_IMA_DK4", "ADPCM_IMA_QT", "ADPCM_IMA_SMJPEG", "ADPCM_IMA_WAV",
    "ADPCM_IMA_WS", "ADPCM_MS", "ADPCM_SBPRO_2", "ADPCM_SBPRO_3", "ADPCM_SBPRO_4", "ADPCM_SWF", "ADPCM_THP",
    "ADPCM_XA", "ADPCM_YAMAHA", "ALAC", "AMR_NB", "AMR_WB", "AMV", "APE", "ASV1", "ASV2", "ATRAC3", "ATRAC3P",
    "AVS", "BETHSOFTVID", "BMP", "C93", "CAVS", "CINEPAK", "CLJR", "COOK", "CSCD", "CYUV", "DNXHD",
    "DSICINAUDIO", "DSICINVIDEO", "DTS", "DVAUDIO", "DVB_SUBTITLE", "DVD_SUBTITLE", "DVVIDEO", "DXA", "EAC3",
    "FFV1", "FFVHUFF", "FLAC", "FLASHSV", "FLIC", "FLV1", "FRAPS", "GIF", "GSM", "GSM_MS", "H261", "H263",
    "H263I", "H263P", "H264", "HUFFYUV", "IDCIN", "IMC", "INDEO2", "INDEO3", "INTERPLAY_DPCM", "JPEG2000",
    "JPEGLS", "KMVC", "LJPEG", "LOCO", "MACE3", "MACE6", "MDEC", "MJPEG", "MJPEGB", "MLP", "MMVIDEO", "MP1",
    "MP2", "MP3", "MP3ADU", "MP3ON4", "MPEG1VIDEO", "MPEG2VIDEO", "MPEG4", "MSMPEG4V1", "MSMPEG4V2",
    "MSMPEG4V3", "MSRLE", "MSVIDEO1", "MSZH", "MUSEPACK7", "MUSEPACK8", "NELLYMOSER", "NUV", "PAM", "PBM",
    "PCM_ALAW", "PCM_MULAW", "PCM_S16BE", "PCM_S16LE", "PCM_S24BE", "PCM_S24DAUD", "PCM_S24LE", "PCM_S32BE",
    "PCM_S32LE", "PCM_S8", "PCM_U16BE", "PCM_U16LE", "PCM_U24BE", "PCM_U24LE", "PCM_U32BE", "PCM_U32LE",
    "PCM_U8", "PGM", "PGMYUV", "PNG", "PPM", "PTX", "QCELP", "QDM2", "QDRAW", "QPEG", "QTRLE", "RAWVIDEO",
    "RA_144", "RA_288", "ROQ", "ROQ_DPCM", "RPZA", "RV10", "RV20", "RV30", "RV40", "SGI", "SHORTEN", "SIPR",
    "SMACKAUDIO", "SMACKVIDEO", "SMC", "SNOW", "SOL_DPCM", "SONIC", "SP5X", "SPEEX", "SVQ1", "SVQ3", "TARGA",
    "TEXT", "THEORA", "THP", "TIERTEXSEQVIDEO", "TIFF", "TRUEMOTION1", "TRUEMOTION2", "TRUESPEECH", "TSCC",
    "TTA", "TXD", "ULTI", "VC1", "VCR1", "VIXL", "VMDAUDIO", "VMDVIDEO", "VMNC", "VORBIS", "VP3", "VP5", "VP6",
    "VP6A", "VP6F", "WAVPACK", "WESTWOOD_SND1", "WMALOSSLESS", "WMAPRO", "WMAV1", "WMAV2", "WMAVOICE", "WMV1",
    "WMV2", "WMV3", "WNV1", "WS_VQA", "XAN_DPCM", "XAN_WC3", "XAN_WC4", "XSUB", "ZLIB", "ZMBV"};

QHash<int, QString> buildTable()
{
    QHash<int, QString> table;
    for (const char *name : kDescriptorNames) {
        const AVCodecDescriptor *descriptor = avcodec_descriptor_get_by_name(QByteArray(name).toLower().constData());
        if (descriptor)
            table.insert(descriptor->id, QString::fromLatin1(name));
    }
    // FFmpeg's descriptors name these differently from their identifiers.
    table.insert(AV_CODEC_ID_HEVC, QStringLiteral("H265"));
    table.insert(AV_CODEC_ID_INTERPLAY_VIDEO, QStringLiteral("INTERPLAY_VIDEO"));
    table.insert(AV_CODEC_ID_MPEG2TS, QStringLiteral("MPEG2TS"));
    table.insert(AV_CODEC_ID_PCM_ZORK, QStringLiteral("PCM_ZORK"));
    table.insert(AV_CODEC_ID_SONIC_LS, QStringLiteral("SONIC_LS"));
    return table;
}
}

QString codecReportName(int codecId)
{
    static const QHash<int, QString> table = buildTable();
    return table.value(codecId, QStringLiteral("NONE"));
}
