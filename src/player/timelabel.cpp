#include "player/timelabel.h"

namespace {
qint64 microsecondsOf(const QTime &time)
{
    return qint64(time.msecsSinceStartOfDay()) * 1000;
}
}

TimeLabel::TimeLabel(QWidget *parent)
    : QLabel(parent)
{
    updateText();
}

void TimeLabel::onStartTime(QTime time)
{
    m_startUs = microsecondsOf(time);
    updateText();
}

void TimeLabel::onEndTime(QTime time)
{
    m_endUs = microsecondsOf(time);
    updateText();
}

void TimeLabel::updateText()
{
    const qint64 durationUs = m_endUs - m_startUs;
    if (durationUs < 1)
        setText(QStringLiteral("00:00:00:000"));
    else
        setText(QTime::fromMSecsSinceStartOfDay(int(durationUs / 1000)).toString(QStringLiteral("HH:mm:ss:zzz")));
}
