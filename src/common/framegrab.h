#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

// The first complete picture of a file's first video stream at or after the key frame
// before a time (µs), as a 32-bit RGB image of the stream's own size. A null image
// when the file has no decodable video. "duration" receives the file's duration (µs).
// Safe to call from any thread.
QImage grabFrame(const QString &path, qint64 timeUs, qint64 *duration = nullptr);
