#pragma once

#include "jobs/abstractjob.h"

// A job of the "melt" renderer: progress from its "Frame:" and "percentage:" lines.
class MeltEngineJob : public AbstractJob
{
    Q_OBJECT
public:
    MeltEngineJob(const QString &name, const QStringList &arguments, QObject *parent = nullptr);

    // Ignored unless both are at least 1.
    void setProfileFrameRate(int numerator, int denominator);
    int currentFrame() const { return m_currentFrame; }

protected:
    void parseLine(const QString &line) override;
    QString failureTime(int exitCode, QProcess::ExitStatus exitStatus) const override;

private:
    int m_lastPercent = 0;
    int m_currentFrame = 0;
    // 0/0 until set: MLT's default profile.
    int m_rateNumerator = 0;
    int m_rateDenominator = 0;
};
