#pragma once

#include "common/subtitletrack.h"

#include <QString>
#include <QToolButton>

class QMenu;

// "From the video": a button whose menu lists the subtitle tracks of a video, read when the
// menu opens, and tells which one the user chose.
class SubtitleTrackButton : public QToolButton
{
    Q_OBJECT
public:
    explicit SubtitleTrackButton(QWidget *parent = nullptr);

    void setSource(const QString &path) { m_source = path; }
    QString source() const { return m_source; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void trackChosen(const SubtitleTrack &track);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillMenu();
    void retranslate();

    QMenu *m_menu;
    QString m_source;
};
