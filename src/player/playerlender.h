#pragma once

#include "player/playerengine.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QImage;
class QSize;
class QWidget;

// One who plays files through the lender: a window's transport.
class PlayerBorrower
{
public:
    // Another borrower took the engine: this one's playback is gone and must show stopped.
    // The engine still holds the old picture while this runs.
    virtual void playerTaken() = 0;
    // The file played to its end or failed while playing.
    virtual void playerEnded() = 0;

protected:
    ~PlayerBorrower() = default;
};

// The program has one player engine; this owns it and lends it to one borrower at a time.
// A borrower that starts a file takes the engine from whoever had it, who is told so first.
// Every call acts only for the borrower that holds the engine, so no window can pause, seek
// or stop another window's playback.
class PlayerLender : public QObject
{
    Q_OBJECT
public:
    explicit PlayerLender(QObject *parent = nullptr);
    ~PlayerLender() override;

    // Plays the file into the host's native window of the given size, through the filter
    // graph when there is one. False when the engine could not start.
    // subtitleTrack chooses the subtitle stream drawn over it (see playerChooseSubtitle).
    bool play(PlayerBorrower *borrower, const QString &file, QWidget *host, const QSize &size,
              const QString &filterGraph, int subtitleTrack = kPlayerBestSubtitle);
    void stop(PlayerBorrower *borrower);
    bool holds(const PlayerBorrower *borrower) const { return borrower && m_holder == borrower; }
    bool isPaused(const PlayerBorrower *borrower) const;

    void togglePause(PlayerBorrower *borrower);
    void seek(PlayerBorrower *borrower, double seconds);
    // Microseconds; negative while not known, or not the borrower's.
    qint64 position(const PlayerBorrower *borrower) const;
    // Pictures per second of the video playing; 0 without one.
    double frameRate(const PlayerBorrower *borrower) const;
    // The next picture at the size asked for; null when there is none.
    QImage grabFrame(PlayerBorrower *borrower, const QSize &size);
    void resize(PlayerBorrower *borrower, const QSize &size);

private:
    void ended();

    PlayerBorrower *m_holder = nullptr;
    bool m_paused = false;
    // The engine reads the filter text until it stops.
    QByteArray m_filterText;
};
