#pragma once

#include "player/playerlender.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QTimeEdit;
class QToolButton;
class QVBoxLayout;
class Slider;

// The preview player of the main window: a video area that shows the file's first picture
// and in which the engine draws while it plays, a seek slider and a bar with Play/Pause,
// Stop, the position and Copy Time. It borrows the program's one player engine.
class QPlayerWidget : public QWidget, private PlayerBorrower
{
    Q_OBJECT
public:
    explicit QPlayerWidget(QWidget *parent = nullptr);
    ~QPlayerWidget() override;

    // The engine Play borrows; without one Play does nothing.
    void bind(PlayerLender *player);
    // The file that Play plays; its first picture shows until then.
    void setFile(const QString &path);
    QString file() const { return m_filePath; }
    // The picture the video area shows while nothing plays; null without one.
    QImage still() const { return m_still; }

    // Gives the preview's filter graph text at the moment Play starts a file; an
    // empty text plays the plain file.
    void setFilterProvider(std::function<QString()> provider);

    // True from Play until Stop, the end of the file, or another window taking the engine.
    bool isPlaying() const;
    bool isPaused() const;

signals:
    // Play was pressed with no file.
    void sigAddFile();

public slots:
    void OnPlayPause();
    void OnStop();
    void OnCopyTime();
    void OnSliderSeek(int ms);
    void OnTimer();
    void OnSliderReleased();
    void OnSliderPressed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void playerTaken() override;
    void playerEnded() override;
    void startPlaying();
    // The transport shows nothing playing.
    void showStopped();
    void setPlayButton(bool showPause);
    // Fits the host to the video's aspect ratio, centred in the video area.
    QRect hostGeometry();
    void probe();
    void paintStill();

    QWidget *m_videoArea;
    QWidget *m_host = nullptr;
    QWidget *m_bar;
    QToolButton *m_playButton;
    QToolButton *m_stopButton;
    QToolButton *m_copyTimeButton;
    Slider *m_slider;
    QTimeEdit *m_timeEdit;
    QVBoxLayout *m_mainLayout;
    QHBoxLayout *m_barLayout;
    QTimer m_positionTimer;
    QPointer<PlayerLender> m_player;
    QString m_filePath;
    QImage m_still;
    qint64 m_durationUs = 0;
    int m_videoWidth = 0;
    int m_videoHeight = 0;
    QString m_probedPath;
    std::function<QString()> m_filterProvider;
};
