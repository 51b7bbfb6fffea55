#include "player/playerlender.h"

#include "player/playerengine.h"

#include <QDebug>
#include <QImage>
#include <QSize>

PlayerLender::PlayerLender(QObject *parent)
    : QObject(parent)
{
}

PlayerLender::~PlayerLender()
{
    if (m_holder) {
        m_holder = nullptr;
        playerSetRunning(false);
        playerStop();
    }
}

bool PlayerLender::play(PlayerBorrower *borrower, const QString &file, QWidget *host, const QSize &size,
                        const QString &filterGraph, int subtitleTrack)
{
    if (m_holder && m_holder != borrower) {
        PlayerBorrower *previous = m_holder;
        previous->playerTaken();
        stop(previous);
    }
    stop(borrower);
    m_filterText = filterGraph.toUtf8();
    if (!m_filterText.isEmpty()) {
        qDebug() << "preview filter" << m_filterText;
        playerAddVideoFilter(m_filterText.constData());
    }
    playerChooseSubtitle(subtitleTrack);
    m_holder = borrower;
    m_paused = false;
    playerSetRunning(true);
    const QByteArray path = file.toUtf8();
    if (playerStart(path.constData(), host, [this] { ended(); }, 0, 0, size.width(), size.height()) < 0) {
        m_holder = nullptr;
        playerSetRunning(false);
        return false;
    }
    return true;
}

void PlayerLender::stop(PlayerBorrower *borrower)
{
    if (!holds(borrower))
        return;
    m_holder = nullptr;
    m_paused = false;
    playerSetRunning(false);
    playerStop();
}

void PlayerLender::ended()
{
    PlayerBorrower *borrower = m_holder;
    if (!borrower) {
        playerSetRunning(false);
        playerStop();
        return;
    }
    borrower->playerEnded();
    stop(borrower);
}

bool PlayerLender::isPaused(const PlayerBorrower *borrower) const
{
    return holds(borrower) && m_paused;
}

void PlayerLender::togglePause(PlayerBorrower *borrower)
{
    if (holds(borrower) && playerTogglePause() == 0)
        m_paused = !m_paused;
}

void PlayerLender::seek(PlayerBorrower *borrower, double seconds)
{
    if (holds(borrower))
        playerSeek(seconds);
}

qint64 PlayerLender::position(const PlayerBorrower *borrower) const
{
    return holds(borrower) ? playerPosition() : -1;
}

double PlayerLender::frameRate(const PlayerBorrower *borrower) const
{
    return holds(borrower) ? playerFrameRate() : 0.0;
}

QImage PlayerLender::grabFrame(PlayerBorrower *borrower, const QSize &size)
{
    QImage frame;
    if (holds(borrower) && !size.isEmpty())
        playerGrabFrame(&frame, size.width(), size.height());
    return frame;
}

void PlayerLender::resize(PlayerBorrower *borrower, const QSize &size)
{
    if (holds(borrower))
        playerResize(size.width(), size.height());
}
