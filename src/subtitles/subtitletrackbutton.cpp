#include "subtitles/subtitletrackbutton.h"

#include "common/mediaprobe.h"

#include <QEvent>
#include <QMenu>

SubtitleTrackButton::SubtitleTrackButton(QWidget *parent)
    : QToolButton(parent)
    , m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("BtnSubtitleFromVideo"));
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &SubtitleTrackButton::fillMenu);
    retranslate();
}

void SubtitleTrackButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QToolButton::changeEvent(event);
}

void SubtitleTrackButton::retranslate()
{
    setText(tr("From the video"));
    setToolTip(tr("Burn in a subtitle track that the video carries. Text tracks can be edited here; "
                  "tracks of pictures are burned as they are."));
}

void SubtitleTrackButton::fillMenu()
{
    m_menu->clear();
    // Read when asked: the row's file may have changed since the list was made.
    const QList<SubtitleTrack> tracks =
        m_source.isEmpty() ? QList<SubtitleTrack>() : probeMedia(m_source).subtitleTracks;
    if (tracks.isEmpty()) {
        m_menu->addAction(tr("The video carries no subtitle tracks"))->setEnabled(false);
        return;
    }
    for (const SubtitleTrack &track : tracks) {
        QAction *action = m_menu->addAction(describeSubtitleTrack(track));
        action->setEnabled(track.decodable);
        connect(action, &QAction::triggered, this, [this, track] { emit trackChosen(track); });
    }
}
