#include "editor/livepreview.h"

#include "editor/editorrules.h"
#include "player/playerdock.h"
#include "player/slider.h"
#include "player/transportbar.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QIcon>
#include <QLayout>
#include <QTimeEdit>
#include <QToolButton>

LivePreview::LivePreview(QWidget *canvasView, PlayerDock *transport, PlayerLender *player, QWidget *parent)
    : QObject(parent)
    , m_view(canvasView)
    , m_transport(transport)
    , m_player(player)
    , m_area(new QWidget(parent))
    , m_surface(new QWidget(m_area))
{
    m_area->setObjectName(QStringLiteral("previewArea"));
    QPalette grey = m_area->palette();
    grey.setColor(QPalette::Window, Qt::darkGray);
    m_area->setPalette(grey);
    m_area->setAutoFillBackground(true);
    m_area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_area->hide();
    m_area->installEventFilter(this);

    m_surface->setObjectName(QStringLiteral("videoSurface"));
    QPalette black = m_surface->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_surface->setPalette(black);
    m_surface->setAutoFillBackground(true);
    m_surface->hide();

    m_transport->m_slider->setEnabled(false);
    m_refreshTimer.setInterval(TransportBar::positionRefreshMs());
    connect(&m_refreshTimer, &QTimer::timeout, this, &LivePreview::refresh);
}

LivePreview::~LivePreview()
{
    // The engine draws into our host window; it must let go of it first.
    if (m_player)
        m_player->stop(this);
}

LivePreview::State LivePreview::state() const
{
    if (!m_player || !m_player->holds(this))
        return Idle;
    return m_running ? Playing : Paused;
}

void LivePreview::setCanvas(const Canvas &canvas)
{
    m_canvas = canvas;
}

void LivePreview::setSource(const QString &path, qint64 durationUs)
{
    if (state() != Idle)
        stop();
    m_path = path;
    m_durationUs = durationUs;
    Slider *slider = m_transport->m_slider;
    slider->setRange(0, int(qBound<qint64>(0, durationUs / 1000, INT_MAX)));
    slider->setValue(0);
    slider->setEnabled(false);
    TransportBar::showTime(m_transport->m_timeEdit, 0);
}

void LivePreview::playPause()
{
    switch (state()) {
    case Idle:
        if (!m_path.isEmpty())
            start(0);
        break;
    case Playing:
        setPlayButton(false);
        m_player->togglePause(this);
        m_running = false;
        showCanvasAtCurrentFrame();
        break;
    case Paused: {
        // Layers edited while paused must show: a changed graph means a fresh start where we were.
        const QString filter = m_canvas.filterGraph ? m_canvas.filterGraph() : QString();
        const int track = m_canvas.subtitlePictures ? m_canvas.subtitlePictures() : -1;
        if (filter != m_filterText || track != m_subtitleTrack) {
            const qint64 position = qMax<qint64>(0, m_player->position(this));
            m_player->stop(this);
            start(position / 1000);
            break;
        }
        setPlayButton(true);
        m_player->togglePause(this);
        m_running = true;
        showVideo();
        break;
    }
    }
}

void LivePreview::start(qint64 fromMs)
{
    setPlayButton(true);
    delete m_host;
    m_host = nullptr;
    m_view->hide();
    m_area->show();
    if (QLayout *layout = m_area->parentWidget() ? m_area->parentWidget()->layout() : nullptr)
        layout->activate();
    if (m_surface->geometry().isEmpty() || !m_area->rect().contains(m_surface->geometry()))
        m_surface->setGeometry(m_area->rect());
    m_surface->show();

    const QSize canvas = m_canvas.size ? m_canvas.size() : QSize();
    QSize hostSize = EditorRules::hostSize(m_surface->height(), canvas);
    if (hostSize.width() <= 0)
        hostSize = m_surface->size();
    m_host = new QWidget(m_surface);
    m_host->setObjectName(QStringLiteral("previewHost"));
    // The engine draws into the host's own native window; Qt must not paint over it.
    m_host->setAttribute(Qt::WA_NativeWindow);
    m_host->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_host->setUpdatesEnabled(false);
    m_host->setGeometry(QRect(QPoint(0, 0), hostSize));
    m_host->show();

    m_running = true;
    m_transport->m_slider->setEnabled(true);
    m_refreshTimer.start();

    m_filterText = m_canvas.filterGraph ? m_canvas.filterGraph() : QString();
    // Only what the conversion burns shows: no subtitle track of the video unless one is chosen.
    m_subtitleTrack = m_canvas.subtitlePictures ? m_canvas.subtitlePictures() : -1;
    if (!m_player->play(this, m_path, m_host, hostSize, m_filterText, m_subtitleTrack)) {
        stop();
        return;
    }
    if (fromMs > 0)
        m_player->seek(this, fromMs / 1000.0);
}

void LivePreview::stop()
{
    if (state() == Playing)
        showCanvasAtCurrentFrame();
    const qint64 position = qMax<qint64>(0, m_player->position(this));
    m_player->stop(this);
    m_running = true;
    setPlayButton(false);
    m_transport->m_slider->setEnabled(false);
    m_refreshTimer.stop();
    m_transport->m_slider->setValue(int(position / 1000));
    TransportBar::showTime(m_transport->m_timeEdit, position / 1000);
    m_area->hide();
    m_view->show();
}

void LivePreview::playerTaken()
{
    stop();
}

void LivePreview::playerEnded()
{
    stop();
    // The next Play starts from the beginning; position and canvas say so.
    m_transport->m_slider->setValue(0);
    TransportBar::showTime(m_transport->m_timeEdit, 0);
    if (m_canvas.showFirstFrame)
        m_canvas.showFirstFrame();
}

void LivePreview::copyTime()
{
    QApplication::clipboard()->setText(m_transport->m_timeEdit->text());
}

void LivePreview::sliderPressed()
{
    if (state() == Idle)
        return;
    showVideo();
    m_refreshTimer.stop();
}

void LivePreview::sliderMoved(int ms)
{
    m_player->seek(this, ms / 1000.0);
    m_transport->m_slider->setValue(ms);
    TransportBar::showTime(m_transport->m_timeEdit, ms);
}

void LivePreview::sliderReleased()
{
    if (state() == Idle)
        return;
    m_refreshTimer.start();
    if (state() == Paused)
        showCanvasAtCurrentFrame();
}

void LivePreview::refresh()
{
    const qint64 position = m_player->position(this);
    if (position <= 0)
        return;
    m_transport->m_slider->setValue(int(position / 1000));
    TransportBar::showTime(m_transport->m_timeEdit, position / 1000);
    TransportBar::pacePositionTimer(&m_refreshTimer, m_player->frameRate(this));
    emit positionChanged(position);
}

void LivePreview::placeSurface(const QRect &canvasRect)
{
    m_canvasRect = canvasRect;
    m_surface->setGeometry(canvasRect.x(), canvasRect.y(), canvasRect.width() - 1, canvasRect.height() - 1);
    if (m_host)
        m_host->setGeometry(0, 0, canvasRect.width() - 1, canvasRect.height() - 1);
}

bool LivePreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize && state() != Idle)
        recentre();
    return QObject::eventFilter(watched, event);
}

void LivePreview::recentre()
{
    QRect geometry = m_surface->geometry();
    geometry.moveCenter(m_area->rect().center());
    m_surface->setGeometry(geometry);
}

void LivePreview::showVideo()
{
    m_view->hide();
    m_area->show();
    m_surface->show();
    if (m_host)
        m_host->show();
}

void LivePreview::showCanvasAtCurrentFrame()
{
    const QImage frame = m_player->grabFrame(this, m_canvas.frameSize ? m_canvas.frameSize() : QSize());
    if (!frame.isNull() && m_canvas.showFrame)
        m_canvas.showFrame(frame);
    m_area->hide();
    m_view->show();
}

void LivePreview::setPlayButton(bool showPause)
{
    m_transport->m_playButton->setIcon(QIcon(showPause ? QStringLiteral(":/res/playerpause.svg")
                                                       : QStringLiteral(":/res/playerplay.svg")));
    m_transport->m_playButton->setToolTip(showPause ? tr("Pause") : tr("Play"));
}
