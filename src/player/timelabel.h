#pragma once

#include <QLabel>
#include <QTime>

// Shows the length of the span between a start and an end time.
class TimeLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TimeLabel(QWidget *parent = nullptr);

public slots:
    void onStartTime(QTime time);
    void onEndTime(QTime time);

private:
    void updateText();

    qint64 m_startUs = 0;
    qint64 m_endUs = 0;
};
