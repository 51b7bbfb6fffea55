#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextCodec;

// Text whose encoding nobody declared (subtitle files, strings handed back by
// libraries). A byte-order mark decides first; well-formed UTF-8 is taken as
// UTF-8; anything else is decoded with the legacy encoding libuchardet
// recognises, Windows-1252 when it cannot tell.
namespace TextEncoding {

// True when the bytes are well-formed UTF-8 (plain ASCII included).
bool isUtf8(const QByteArray &bytes);

// The codec a byte-order mark at the start of head names, or null. Sets
// *bomLength to the mark's length (0 without a mark).
QTextCodec *codecForBom(const QByteArray &head, int *bomLength = nullptr);

// The encoding of a sample that is not UTF-8.
QTextCodec *legacyCodec(const QByteArray &sample);

// Scans the device from its current position to the end in pieces (the text
// is never held whole) and returns the codec for it; the position is restored.
// *bomLength tells how many bytes of byte-order mark to skip.
QTextCodec *codecForDevice(QIODevice *device, int *bomLength = nullptr);

// The whole text decoded by the rules above, without its byte-order mark.
QString decode(const QByteArray &bytes);

}
