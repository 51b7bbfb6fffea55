#pragma once

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QTimeEdit;
class QToolButton;
class QVBoxLayout;
class Slider;

// The preview player of the main window: a black video area in which the engine
// draws, a seek slider and a bar with Play/Pause, Stop, the position and Copy Time.
class QPlayerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QPlayerWidget(QWidget *parent = nullptr);
    ~QPlayerWidget() override;

    // The file that Play plays; set when the user selects a task.
    QString m_filePath;

    // Gives the preview's filter graph text at the moment Play starts a file; an
    // empty text plays the plain file.
    void setFilterProvider(std::function<QString()> provider);

    // True from Play until Stop or the end of the file, paused or not.
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

private:
    void startPlaying();
    void setPlayButton(bool showPause);
    // Fits the host to the video's aspect ratio, centred in the video area.
    QRect hostGeometry();
    void probe();

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
    bool m_playing = true;
    // The engine plays one file for the whole program; this is set while it plays ours.
    bool m_engineOwner = false;
    qint64 m_durationUs = 0;
    int m_videoWidth = 0;
    int m_videoHeight = 0;
    QString m_probedPath;
    std::function<QString()> m_filterProvider;
    // The engine reads the filter text until playback stops.
    QByteArray m_filterText;
};
