#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class AbstractJob;
class FollowupWork;
struct FollowupJob;

// The work a job's success sets off, attached to the job when it is planned. The queue runs it
// without knowing what it does; a failed or stopped job runs none, so its inputs stay.
class FollowUp
{
public:
    virtual ~FollowUp() = default;
    // The jobs that follow the job that ended, planned with the work's run; may tidy up files.
    virtual QList<FollowupJob> after(const AbstractJob &ended, FollowupWork &work) const = 0;
};

using FollowUpPtr = std::shared_ptr<const FollowUp>;

// The converted output is cut into the row's parts.
class SplitOutput : public FollowUp
{
public:
    QList<FollowupJob> after(const AbstractJob &ended, FollowupWork &work) const override;
};

// The converted output is joined with the row's title sequences and endings.
class MergeOutput : public FollowUp
{
public:
    explicit MergeOutput(const QString &frameSize) : m_frameSize(frameSize) {}
    QString frameSize() const { return m_frameSize; } // "W:H"
    QList<FollowupJob> after(const AbstractJob &ended, FollowupWork &work) const override;

private:
    QString m_frameSize;
};

// The converted output gets the row's music.
class AddSoundtrack : public FollowUp
{
public:
    QList<FollowupJob> after(const AbstractJob &ended, FollowupWork &work) const override;
};

// The joined music is mixed with the converted video.
class MixJoinedMusic : public FollowUp
{
public:
    explicit MixJoinedMusic(const QString &video) : m_video(video) {}
    QString video() const { return m_video; }
    QList<FollowupJob> after(const AbstractJob &ended, FollowupWork &work) const override;

private:
    QString m_video;
};

// Files made only for the job are removed once it succeeded.
class RemoveScratchFiles : public FollowUp
{
public:
    explicit RemoveScratchFiles(const QStringList &files) : m_files(files) {}
    QStringList files() const { return m_files; }
    QList<FollowupJob> after(const AbstractJob &ended, FollowupWork &work) const override;

private:
    QStringList m_files;
};
