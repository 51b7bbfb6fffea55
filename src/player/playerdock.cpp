#include "player/playerdock.h"

#include "player/slider.h"
#include "player/transportbar.h"

#include <QHBoxLayout>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

PlayerDock::PlayerDock(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QWidget(this))
    , m_playButton(TransportBar::makeButton(m_bar, QStringLiteral(":/res/playerplay.svg"), tr("Play")))
    , m_stopButton(TransportBar::makeButton(m_bar, QStringLiteral(":/res/playerstop.svg"), tr("Stop")))
    , m_copyTimeButton(TransportBar::makeButton(m_bar, QStringLiteral(":/res/copytime.svg"), tr("Copy Time")))
    , m_slider(new Slider(m_bar))
    , m_timeEdit(TransportBar::makeTimeEdit(m_bar))
    , m_mainLayout(new QVBoxLayout(this))
    , m_barLayout(new QHBoxLayout(m_bar))
{
    m_bar->setMaximumHeight(30);
    m_mainLayout->setSpacing(0);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->addWidget(m_bar);
    m_barLayout->setSpacing(0);
    m_barLayout->setContentsMargins(1, 1, 1, 1);
    m_barLayout->addWidget(m_playButton);
    m_barLayout->addWidget(m_stopButton);
    m_barLayout->addWidget(m_slider);
    m_barLayout->addWidget(m_timeEdit);
    m_barLayout->addWidget(m_copyTimeButton);
    m_slider->setTracking(false);
    m_slider->setMinimum(0);
}
