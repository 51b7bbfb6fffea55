#pragma once

#include <QElapsedTimer>
#include <QMetaType>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

enum class JobState { NotStarted = 0, Started = 1, Completed = 4 };

enum class JobOutcome { Pending, Succeeded, Failed, Stopped };
Q_DECLARE_METATYPE(JobOutcome)

// One engine process: starts an engine from the application's folder, reads its error output
// line by line, reports progress and a projected size, keeps a log and reports its end once.
class AbstractJob : public QProcess
{
    Q_OBJECT
public:
    static constexpr int kStopGraceMs = 10000;

    // engineName is the executable's name in the application's folder.
    AbstractJob(const QString &name, const QString &engineName, const QStringList &arguments,
                QObject *parent = nullptr);
    ~AbstractJob() override;

    // The stable id of the conversion-list row the job works for.
    quint64 rowId() const { return m_rowId; }
    void setRowId(quint64 id) { m_rowId = id; }
    // A detached job's row is gone: it only runs to its end, and nobody follows up on it.
    bool isDetached() const { return m_detached; }
    void detach() { m_detached = true; }
    JobState jobState() const { return m_state; }
    void setJobState(JobState state) { m_state = state; }
    QString outputPath() const { return m_outputPath; }
    void setOutputPath(const QString &path) { m_outputPath = path; }
    // The work planned to follow the job; the queue runs it once the job has succeeded.
    using AfterSuccess = std::function<void(AbstractJob &job)>;
    const AfterSuccess &afterSuccess() const { return m_afterSuccess; }
    void setAfterSuccess(AfterSuccess step) { m_afterSuccess = std::move(step); }

    QStringList engineArguments() const { return m_arguments; }
    // The engine executable; by default the engine's file in the application's folder.
    QString enginePath() const { return m_enginePath; }
    void setEnginePath(const QString &path) { m_enginePath = path; }

    bool isStarted() const { return m_started; }
    bool isStopped() const { return m_stopped; }
    JobOutcome outcome() const { return m_outcome; }
    QString log() const { return m_log; }
    // Adds a line to the log; the engine's output and the closing line come through here too.
    void appendLog(const QString &text);
    // Something the job leaves out of its result (a subtitle, a layer): logged, and kept
    // apart so that the row can say it finished with warnings.
    void addWarning(const QString &text);
    QStringList warnings() const { return m_warnings; }

    // The engine's whole process group stops or goes on; paused time does not count
    // towards the time-left estimate.
    void pause();
    void resume();
    bool isPaused() const { return m_paused; }

    // Milliseconds of work since progress last reached 1 percent (or since the start), and
    // the percentage at that moment: the base of the time-left estimate.
    qint64 estimateElapsedMs() const;
    int estimateBase() const { return m_estimateBase; }

signals:
    // nFileSize: projected size of the finished output in hundredths of a megabyte; 0 for none.
    void progressUpdated(AbstractJob *job, int percent, quint64 nFileSize);
    void finished(AbstractJob *job, bool isSuccess, const QString &failureTime = QString());

public slots:
    void start();
    // Asks the engine to finish cleanly (it closes a playable file on SIGTERM) and kills its
    // whole process group if it is still running graceMs later. A paused engine goes on first.
    void stop(int graceMs = kStopGraceMs);

protected slots:
    virtual void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onReadyRead();
    void onStarted();
    void onErrorOccurred(QProcess::ProcessError error);
    void onProgressUpdated(AbstractJob *job, int percent, quint64 nFileSize);

protected:
    // One whole line of the engine's error output, without its line end.
    virtual void parseLine(const QString &line) = 0;
    // The position at which a crashed engine stopped, as a time text; empty when unknown.
    virtual QString failureTime(int exitCode, QProcess::ExitStatus exitStatus) const;

private:
    void readWholeLines();
    void signalGroup(int signal);
    void end(JobOutcome outcome, const QString &closingLine, const QString &failureTime = QString());

    quint64 m_rowId = 0;
    bool m_detached = false;
    JobState m_state = JobState::NotStarted;
    QString m_outputPath;
    AfterSuccess m_afterSuccess;
    QStringList m_arguments;
    QString m_enginePath;
    bool m_started = false;
    bool m_stopped = false;
    JobOutcome m_outcome = JobOutcome::Pending;
    QString m_log;
    QStringList m_warnings;
    bool m_paused = false;
    QElapsedTimer m_pauseClock;
    qint64 m_pausedSinceEstimateMs = 0;
    QElapsedTimer m_estimateClock;
    int m_estimateBase = 0;
    QElapsedTimer m_runClock;
};
