#include "common/textencoding.h"

#include <QBuffer>
#include <QIODevice>
#include <QTextCodec>
#include <QTextDecoder>

#include <memory>

extern "C" {
#include <uchardet/uchardet.h>
}

namespace {

constexpr qint64 kChunkSize = 16 * 1024;
// More than enough for libuchardet to make up its mind.
constexpr qint64 kDetectionSampleLimit = 1024 * 1024;

QTextCodec *utf8Codec()
{
    return QTextCodec::codecForName("UTF-8");
}

QTextCodec *windows1252()
{
    return QTextCodec::codecForName("windows-1252");
}

bool hasNonAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

// Detection names what the sample could be; prefer the superset that decodes
// the same bytes without losing the typographic letters and rarer ideographs.
QByteArray widenedCharset(const QByteArray &detected)
{
    const QByteArray name = detected.toUpper();
    if (name == "ISO-8859-1" || name == "US-ASCII" || name == "ASCII")
        return QByteArrayLiteral("windows-1252");
    if (name == "GB2312" || name == "GBK" || name == "HZ-GB-2312")
        return QByteArrayLiteral("GB18030");
    return detected;
}

using Detector = std::unique_ptr<uchardet, decltype(&uchardet_delete)>;

QTextCodec *codecFromDetector(uchardet_t detector)
{
    uchardet_data_end(detector);
    const QByteArray charset = widenedCharset(QByteArray(uchardet_get_charset(detector)));
    if (charset.isEmpty() || charset.toUpper() == "UTF-8")
        return windows1252();
    QTextCodec *codec = QTextCodec::codecForName(charset);
    return codec ? codec : windows1252();
}

}

namespace TextEncoding {

bool isUtf8(const QByteArray &bytes)
{
    if (!hasNonAscii(bytes))
        return true;
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    utf8Codec()->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

QTextCodec *codecForBom(const QByteArray &head, int *bomLength)
{
    struct Mark {
        const char *bytes;
        int length;
        const char *codec;
    };
    // UTF-32 marks begin like UTF-16 ones, so they are tested first.
    static const Mark kMarks[] = {
        {"\xFF\xFE\x00\x00", 4, "UTF-32LE"}, {"\x00\x00\xFE\xFF", 4, "UTF-32BE"},
        {"\xEF\xBB\xBF", 3, "UTF-8"},        {"\xFF\xFE", 2, "UTF-16LE"},
        {"\xFE\xFF", 2, "UTF-16BE"},
    };
    for (const Mark &mark : kMarks) {
        if (head.startsWith(QByteArray::fromRawData(mark.bytes, mark.length))) {
            if (bomLength)
                *bomLength = mark.length;
            return QTextCodec::codecForName(mark.codec);
        }
    }
    if (bomLength)
        *bomLength = 0;
    return nullptr;
}

QTextCodec *legacyCodec(const QByteArray &sample)
{
    Detector detector(uchardet_new(), uchardet_delete);
    uchardet_handle_data(detector.get(), sample.constData(), size_t(qMin<qint64>(sample.size(), kDetectionSampleLimit)));
    return codecFromDetector(detector.get());
}

QTextCodec *codecForDevice(QIODevice *device, int *bomLength)
{
    const qint64 start = device->pos();
    if (QTextCodec *codec = codecForBom(device->peek(4), bomLength))
        return codec;

    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    bool valid = true;
    while (valid) {
        const QByteArray chunk = device->read(kChunkSize);
        if (chunk.isEmpty())
            break;
        if (hasNonAscii(chunk) || state.remainingChars) {
            utf8Codec()->toUnicode(chunk.constData(), chunk.size(), &state);
            valid = state.invalidChars == 0;
        }
    }
    // A character cut off by the end of the file does not make it legacy text.
    QTextCodec *codec = utf8Codec();
    if (!valid) {
        device->seek(start);
        Detector detector(uchardet_new(), uchardet_delete);
        qint64 fed = 0;
        while (fed < kDetectionSampleLimit) {
            const QByteArray chunk = device->read(kChunkSize);
            if (chunk.isEmpty())
                break;
            if (!hasNonAscii(chunk))
                continue;
            uchardet_handle_data(detector.get(), chunk.constData(), size_t(chunk.size()));
            fed += chunk.size();
        }
        codec = codecFromDetector(detector.get());
    }
    device->seek(start);
    return codec;
}

QString decode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    int bomLength = 0;
    QTextCodec *codec = codecForDevice(&buffer, &bomLength);
    // The mark is skipped above; a later U+FEFF is text.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return codec->toUnicode(bytes.constData() + bomLength, bytes.size() - bomLength, &state);
}

}
