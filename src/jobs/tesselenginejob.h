#pragma once

#include "jobs/abstractjob.h"

// A job of the "TesselEngine" transcoder: progress from its "frame=" and "size=" lines.
class TesselEngineJob : public AbstractJob
{
    Q_OBJECT
public:
    TesselEngineJob(const QString &name, const QStringList &arguments, QObject *parent = nullptr);

    void setFrameRate(float frameRate) { m_frameRate = frameRate; }
    float frameRate() const { return m_frameRate; }
    // The input's duration as "HH:mm:ss.hh"; the base of the percentage.
    void setDurationText(const QString &text);
    QString durationText() const { return m_durationText; }

public slots:
    void onOpenTriggered();

protected:
    void parseLine(const QString &line) override;

private:
    void computeTotalFrames();
    void report(int percent, quint64 nFileSize);

    QString m_durationText;
    qint64 m_duration = 0;
    float m_frameRate = 25.0f;
    int m_totalFrames = 0;
    bool m_totalFramesKnown = false;
    int m_lastPercent = 0;
};
