#include "common/timetext.h"

#include <QRegularExpression>

namespace {

QString fields(qint64 microseconds, QChar beforeHundredths)
{
    const qint64 hundredths = qMax<qint64>(0, microseconds) / 10000;
    const qint64 seconds = hundredths / 100;
    return QStringLiteral("%1:%2:%3%4%5")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(beforeHundredths)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

}

qint64 TimeText::engineTextToMicroseconds(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d+):(\\d{2}):(\\d{2})\\.(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return 0;
    const qint64 hours = match.captured(1).toLongLong();
    const qint64 minutes = match.captured(2).toLongLong();
    const qint64 seconds = match.captured(3).toLongLong();
    const qint64 hundredths = match.captured(4).toLongLong();
    return ((hours * 60 + minutes) * 60 + seconds) * 1000000 + hundredths * 10000;
}

QString TimeText::microsecondsToEngineText(qint64 microseconds)
{
    return fields(microseconds, QLatin1Char('.'));
}

QString TimeText::microsecondsToMeltPosition(qint64 microseconds)
{
    return fields(microseconds, QLatin1Char(':'));
}
