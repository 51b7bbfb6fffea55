#include "subtitles/subtitletrackbutton.h"

#include "common/mediaprobe.h"

#include <QEvent>
#include <QMenu>
#include <QStyle>

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

// The style draws the menu arrow in the button's corner but, for a button that only opens
// its menu, leaves no room for it: without the extra width the arrow covers the text.
QSize SubtitleTrackButton::sizeHint() const
{
    return QToolButton::sizeHint() + QSize(style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, this), 0);
}

QSize SubtitleTrackButton::minimumSizeHint() const
{
    return QToolButton::minimumSizeHint()
           + QSize(style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, this), 0);
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
