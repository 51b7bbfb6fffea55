#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdio>

// What a batch tells its user: on a terminal one live line per running file, otherwise plain
// lines, or one JSON object per line for other programs. It counts the results for the
// closing summary.
class BatchReport
{
    Q_DECLARE_TR_FUNCTIONS(BatchReport)

public:
    enum class Style { Terminal, Plain, Json };

    explicit BatchReport(Style style, std::FILE *out = stdout);

    void started(int files);
    void planned(const QString &source, const QString &output, const QStringList &command);
    void progress(const QString &source, int percent, qint64 msLeft);
    void converted(const QString &source, const QString &output);
    void skipped(const QString &source, const QString &output, const QString &reason);
    void failed(const QString &source, const QString &reason);
    void stopped(const QString &source);
    // The last line: how many files were converted, skipped, failed (named) and stopped.
    void summary();

    int convertedCount() const { return m_converted; }
    int skippedCount() const { return m_skipped; }
    int failedCount() const { return m_failed.size(); }
    int stoppedCount() const { return m_stopped; }

private:
    struct Running
    {
        int percent = 0;
        qint64 msLeft = -1;
    };

    void emitLine(const QString &line);
    void emitJson(const QVariantMap &object);
    void clearRunning();
    void redrawRunning();
    QString runningLine(const QString &source, const Running &state) const;
    void finishRunning(const QString &source);

    Style m_style;
    std::FILE *m_out;
    QMap<QString, Running> m_running;
    int m_drawnLines = 0;
    int m_converted = 0;
    int m_skipped = 0;
    int m_stopped = 0;
    int m_planned = 0;
    QStringList m_failed;
};
