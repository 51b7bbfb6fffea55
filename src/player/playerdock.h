#pragma once

#include <QWidget>

class QHBoxLayout;
class QTimeEdit;
class QToolButton;
class QVBoxLayout;
class Slider;

// The editor's transport bar; the editor window connects its controls to its own playback.
class PlayerDock : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerDock(QWidget *parent = nullptr);

    QWidget *m_bar;
    QToolButton *m_playButton;
    QToolButton *m_stopButton;
    QToolButton *m_copyTimeButton;
    Slider *m_slider;
    QTimeEdit *m_timeEdit;
    QVBoxLayout *m_mainLayout;
    QHBoxLayout *m_barLayout;
};
