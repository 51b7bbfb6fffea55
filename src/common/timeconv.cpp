#include "common/timeconv.h"

#include <QRegularExpression>

namespace {

struct ClockParts
{
    qint64 hours;
    int minutes;
    int seconds;
    int milliseconds;
};

ClockParts split(qint64 us)
{
    const qint64 whole = qMax<qint64>(0, us) / 1000000;
    const qint64 rest = qMax<qint64>(0, us) - whole * 1000000;
    return {whole / 3600, int(whole / 60 % 60), int(whole % 60), int(rest / 1000)};
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}

namespace TimeConv {

qint64 fromTime(const QTime &time)
{
    if (!time.isValid())
        return 0;
    return ((qint64(time.hour()) * 60 + time.minute()) * 60 + time.second()) * 1000000
           + qint64(time.msec()) * 1000;
}

QTime toTime(qint64 us)
{
    if (us < 0)
        return QTime();
    const ClockParts parts = split(us);
    if (parts.hours > 23)
        return QTime();
    return QTime(int(parts.hours), parts.minutes, parts.seconds, parts.milliseconds);
}

QString toText(qint64 us)
{
    const ClockParts parts = split(us);
    return QStringLiteral("%1:%2:%3:%4")
        .arg(twoDigits(parts.hours), twoDigits(parts.minutes), twoDigits(parts.seconds))
        .arg(parts.milliseconds, 3, 10, QLatin1Char('0'));
}

qint64 fromText(const QString &text, bool *ok)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+):(\\d{1,2}):(\\d{1,2}):(\\d{1,3})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (ok)
        *ok = match.hasMatch();
    if (!match.hasMatch())
        return 0;
    const qint64 hours = match.captured(1).toLongLong();
    const qint64 minutes = match.captured(2).toLongLong();
    const qint64 seconds = match.captured(3).toLongLong();
    const qint64 milliseconds = match.captured(4).toLongLong();
    return ((hours * 60 + minutes) * 60 + seconds) * 1000000 + milliseconds * 1000;
}

QString toDurationText(qint64 us)
{
    const ClockParts parts = split(us);
    return QStringLiteral("%1:%2:%3").arg(twoDigits(parts.hours), twoDigits(parts.minutes),
                                          twoDigits(parts.seconds));
}

QString toEngineText(qint64 us)
{
    const ClockParts parts = split(us);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(twoDigits(parts.hours), twoDigits(parts.minutes), twoDigits(parts.seconds),
             twoDigits(parts.milliseconds / 10));
}

qint64 fromEngineText(const QString &text)
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

QString toMeltText(qint64 us)
{
    const ClockParts parts = split(us);
    return QStringLiteral("%1:%2:%3:%4")
        .arg(twoDigits(parts.hours), twoDigits(parts.minutes), twoDigits(parts.seconds),
             twoDigits(parts.milliseconds / 10));
}

}
