#include "player/qplayerwidget.h"

#include "common/framegrab.h"
#include "common/mediaprobe.h"
#include "player/slider.h"
#include "player/transportbar.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

QPlayerWidget::QPlayerWidget(QWidget *parent)
    : QWidget(parent)
    , m_videoArea(new QWidget(this))
    , m_bar(new QWidget(this))
    , m_playButton(TransportBar::makeButton(m_bar, QStringLiteral(":/res/playerplay.svg"), tr("Play")))
    , m_stopButton(TransportBar::makeButton(m_bar, QStringLiteral(":/res/playerstop.svg"), tr("Stop")))
    , m_copyTimeButton(TransportBar::makeButton(m_bar, QStringLiteral(":/res/copytime.svg"), tr("Copy Time")))
    , m_slider(new Slider(this))
    , m_timeEdit(TransportBar::makeTimeEdit(m_bar))
    , m_mainLayout(new QVBoxLayout(this))
    , m_barLayout(new QHBoxLayout(m_bar))
{
    m_videoArea->setObjectName(QStringLiteral("videoArea"));
    QPalette black = m_videoArea->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_videoArea->setPalette(black);
    m_videoArea->setAutoFillBackground(true);
    m_videoArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_videoArea->installEventFilter(this);
    m_bar->setMaximumHeight(30);

    m_mainLayout->setSpacing(0);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->addWidget(m_videoArea);
    m_mainLayout->addWidget(m_slider);
    m_mainLayout->addWidget(m_bar);

    m_slider->setEnabled(false);
    m_slider->setTracking(false);
    m_slider->setMinimum(0);

    m_barLayout->setSpacing(0);
    m_barLayout->setContentsMargins(1, 1, 1, 1);
    m_barLayout->addWidget(m_playButton);
    m_barLayout->addWidget(m_stopButton);
    m_barLayout->addStretch();
    m_barLayout->addWidget(m_timeEdit);
    m_barLayout->addWidget(m_copyTimeButton);

    m_positionTimer.setInterval(TransportBar::positionRefreshMs());
    connect(m_playButton, &QToolButton::clicked, this, &QPlayerWidget::OnPlayPause);
    connect(m_stopButton, &QToolButton::clicked, this, &QPlayerWidget::OnStop);
    connect(m_copyTimeButton, &QToolButton::clicked, this, &QPlayerWidget::OnCopyTime);
    connect(m_slider, &Slider::sliderMoved, this, &QPlayerWidget::OnSliderSeek);
    connect(m_slider, &Slider::sliderPressed, this, &QPlayerWidget::OnSliderPressed);
    connect(m_slider, &Slider::sliderReleased, this, &QPlayerWidget::OnSliderReleased);
    connect(&m_positionTimer, &QTimer::timeout, this, &QPlayerWidget::OnTimer);
}

QPlayerWidget::~QPlayerWidget()
{
    // The engine draws into our host window; it must let go of it first.
    if (m_player)
        m_player->stop(this);
}

void QPlayerWidget::bind(PlayerLender *player)
{
    m_player = player;
}

void QPlayerWidget::setFile(const QString &path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    m_still = path.isEmpty() ? QImage() : grabFrame(path, 0);
    m_videoArea->update();
}

void QPlayerWidget::setFilterProvider(std::function<QString()> provider)
{
    m_filterProvider = std::move(provider);
}

bool QPlayerWidget::isPlaying() const
{
    return m_player && m_player->holds(this);
}

bool QPlayerWidget::isPaused() const
{
    return m_player && m_player->isPaused(this);
}

void QPlayerWidget::OnPlayPause()
{
    if (m_filePath.isEmpty())
        emit sigAddFile();
    if (!m_player)
        return;
    if (!isPlaying()) {
        if (!m_filePath.isEmpty())
            startPlaying();
        return;
    }
    m_player->togglePause(this);
    setPlayButton(!isPaused());
}

void QPlayerWidget::startPlaying()
{
    setPlayButton(true);
    delete m_host;
    m_host = new QWidget(m_videoArea);
    m_host->setObjectName(QStringLiteral("playerHost"));
    // The engine draws into the host's own native window; Qt must not paint over it.
    m_host->setAttribute(Qt::WA_NativeWindow);
    m_host->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_host->setUpdatesEnabled(false);

    probe();
    const QRect geometry = hostGeometry();
    m_host->setGeometry(geometry);
    m_host->show();

    m_slider->setRange(0, int(m_durationUs / 1000));
    m_slider->setValue(0);
    // A file that cannot be opened must not leave the previous file's time behind.
    TransportBar::showTime(m_timeEdit, 0);
    m_slider->setEnabled(true);
    m_positionTimer.start();

    const QString filter = m_filterProvider ? m_filterProvider() : QString();
    if (!m_player->play(this, m_filePath, m_host, geometry.size(), filter))
        showStopped();
}

void QPlayerWidget::OnStop()
{
    if (m_player)
        m_player->stop(this);
    showStopped();
}

void QPlayerWidget::playerTaken()
{
    showStopped();
}

void QPlayerWidget::playerEnded()
{
    OnStop();
}

void QPlayerWidget::showStopped()
{
    setPlayButton(false);
    m_slider->setEnabled(false);
    m_positionTimer.stop();
    if (m_host)
        m_host->hide();
}

void QPlayerWidget::OnCopyTime()
{
    QApplication::clipboard()->setText(m_timeEdit->text());
}

void QPlayerWidget::OnSliderSeek(int ms)
{
    if (m_player)
        m_player->seek(this, ms / 1000.0);
    TransportBar::showTime(m_timeEdit, ms);
}

void QPlayerWidget::OnTimer()
{
    const qint64 position = m_player ? m_player->position(this) : -1;
    if (position <= 0)
        return;
    const qint64 ms = position / 1000;
    m_slider->setValue(int(ms));
    TransportBar::showTime(m_timeEdit, ms);
    TransportBar::pacePositionTimer(&m_positionTimer, m_player->frameRate(this));
}

void QPlayerWidget::OnSliderReleased()
{
    if (isPlaying())
        m_positionTimer.start();
}

void QPlayerWidget::OnSliderPressed()
{
    m_positionTimer.stop();
}

void QPlayerWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_host)
        return;
    probe();
    const QRect geometry = hostGeometry();
    if (geometry.isEmpty())
        return;
    m_host->setGeometry(geometry);
    if (m_player)
        m_player->resize(this, geometry.size());
}

bool QPlayerWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_videoArea && event->type() == QEvent::Paint && !m_still.isNull())
        paintStill();
    return QWidget::eventFilter(watched, event);
}

void QPlayerWidget::paintStill()
{
    QPainter painter(m_videoArea);
    QRect target(QPoint(0, 0), m_still.size().scaled(m_videoArea->size(), Qt::KeepAspectRatio));
    target.moveCenter(m_videoArea->rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_still);
}

void QPlayerWidget::setPlayButton(bool showPause)
{
    m_playButton->setIcon(QIcon(showPause ? QStringLiteral(":/res/playerpause.svg")
                                          : QStringLiteral(":/res/playerplay.svg")));
    m_playButton->setToolTip(showPause ? tr("Pause") : tr("Play"));
}

QRect QPlayerWidget::hostGeometry()
{
    // The layout may not have placed the area yet when a file starts right away.
    m_mainLayout->activate();
    const QRect area = m_videoArea->geometry();
    if (m_videoHeight <= 0)
        return QRect(0, 0, area.width(), area.height());
    const int height = area.height();
    const int width = qMin(area.width(), m_videoWidth * height / m_videoHeight);
    return QRect((area.width() - width) / 2, 0, width, height);
}

void QPlayerWidget::probe()
{
    if (m_probedPath == m_filePath)
        return;
    const MediaProbe media = probeMedia(m_filePath);
    m_videoWidth = media.width;
    m_videoHeight = media.height;
    m_durationUs = media.duration;
    m_probedPath = m_filePath;
}
