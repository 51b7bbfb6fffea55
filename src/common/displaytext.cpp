#include "common/displaytext.h"

#include <QTime>

namespace DisplayText {

QString fileSize(qint64 bytes)
{
    constexpr double kKilo = 1024.0;
    const double size = double(qMax<qint64>(0, bytes));
    if (size < kKilo * kKilo)
        return QStringLiteral("%1 KB").arg(size / kKilo, 0, 'f', 1);
    if (size < kKilo * kKilo * kKilo)
        return QStringLiteral("%1 MB").arg(size / (kKilo * kKilo), 0, 'f', 1);
    return QStringLiteral("%1 GB").arg(size / (kKilo * kKilo * kKilo), 0, 'f', 1);
}

QString timeLeft(qint64 milliseconds)
{
    constexpr qint64 kDay = 24LL * 3600;
    const qint64 seconds = (qMax<qint64>(0, milliseconds) + 999) / 1000;
    if (seconds >= kDay)
        return QString();
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

}
