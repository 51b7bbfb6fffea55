#include "player/timelabel.h"

#include "common/timeconv.h"

TimeLabel::TimeLabel(QWidget *parent)
    : QLabel(parent)
{
    updateText();
}

void TimeLabel::onStartTime(QTime time)
{
    m_startUs = TimeConv::fromTime(time);
    updateText();
}

void TimeLabel::onEndTime(QTime time)
{
    m_endUs = TimeConv::fromTime(time);
    updateText();
}

void TimeLabel::updateText()
{
    const qint64 durationUs = m_endUs - m_startUs;
    setText(TimeConv::toText(durationUs < 1 ? 0 : durationUs));
}
