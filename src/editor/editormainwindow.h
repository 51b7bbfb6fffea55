#pragma once

#include "common/subtitletrack.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

class ConversionListModel;
class LayeredManageDock;
class LivePreview;
class OverlayGraphs;
class PlayerDock;
class PlayerLender;
class QAction;
class QMenu;
class QCanvasItem;
class QSplitter;
class SubtitleDock;
class SubtitleSessions;
class QToolBar;
class QWatermarkScene;
class QWatermarkView;
class WatermarkDocument;

// What the editor works with, all owned by whoever opens it.
struct EditorContext
{
    WatermarkDocument *layers;     // the layers put on every row
    SubtitleSessions *subtitles;   // each row's subtitle lines as edited
    const OverlayGraphs *graphs;   // the preview's filter graph
    PlayerLender *player;          // the program's player engine
};

// The watermark editor: the current task's frame on the canvas with the layers of the
// watermark document over it, the layer panel, the row's subtitle lines, and a live preview
// of the task with every layer drawn. The canvas and the panel are two views of the document.
class EditorMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit EditorMainWindow(const EditorContext &context, QWidget *parent = nullptr);
    ~EditorMainWindow() override;

    // Opens the editor on a row of the list: its video's first frame, turned, flipped and
    // cropped as the row says, becomes the canvas; picture changes go back to that row, and
    // the subtitle panel shows the row's subtitle session.
    void openRow(ConversionListModel *rows, quint64 rowId);
    quint64 rowId() const { return m_rowId; }
    QString source() const { return m_source; }

    // Replaces the layers with those of a project file. False, with the layers left as
    // they are and the reason in *error, when the file cannot be read. Layers whose file
    // gives no picture are named in *missing.
    bool openProject(const QString &path, QString *error, QStringList *missing = nullptr);
    // Writes the layers to a project file; false, with the reason in *error, when it cannot.
    // Values the file cannot hold are clamped and described in *notes.
    bool saveProject(const QString &path, QString *error, QStringList *notes = nullptr);

    WatermarkDocument *document() const { return m_document; }
    QWatermarkScene *scene() const { return m_scene; }
    QWatermarkView *view() const { return m_view; }
    LayeredManageDock *layerDock() const { return m_layerDock; }
    SubtitleDock *subtitleDock() const { return m_subtitleDock; }
    LivePreview *preview() const { return m_preview; }
    PlayerDock *transport() const { return m_transport; }
    QMenu *layerMenu() const { return m_layerMenu; }

public slots:
    void OnPlayPause();
    void OnStop();
    void OnCopyTime();
    void OnSliderSeek(int ms);
    void OnSliderPressed();
    void OnSliderReleased();
    void OnTimerPlayerUI();
    void OnPlayerRect(const QRect &rect);
    void OnMenu();

    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionAdd_Video_triggered();
    void on_actionAdd_Image_triggered();
    void on_actionAdd_Text_triggered();
    void on_actionAdd_Subtitle_triggered();
    // Burns a subtitle track of the row's video; a text track is read into the row's session.
    void chooseSubtitleTrack(const SubtitleTrack &track);
    // The row's task changed, here or in the main window: the panel says whether it burns pictures.
    void showTrackNote();
    void on_actionCrop_triggered();
    void on_actionRotate_left_triggered();
    void on_actionRotate_right_triggered();
    void on_actionFlip_horizontal_triggered();
    void on_actionFlip_vertical_triggered();
    void on_actionDuplicate_triggered();
    void on_actionDelete_triggered();
    void on_actionOptions_triggered();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *newAction(const QString &objectName, const QString &text, const QString &icon);
    void buildActions();
    void buildToolBar();
    void buildCentre();
    void buildDocks();
    void connectSignals();
    // Turns and flips change the canvas's pixel grid: the scene and view follow it.
    void pictureChanged();
    // Adds a layer from a file; a file that gives no picture is named with the reason.
    void addLayerFromFile(const QString &title, const QString &filter, bool video);

    WatermarkDocument *m_document;
    SubtitleSessions *m_subtitles;
    const OverlayGraphs *m_graphs;
    QPointer<ConversionListModel> m_rows;
    quint64 m_rowId = 0;
    QString m_source;
    QMetaObject::Connection m_taskWatch;
    QString m_trackNote;
    QImage m_firstFrame; // the source's picture at time 0, as grabbed
    qint64 m_durationUs = 0;
    QWatermarkScene *m_scene;
    QWatermarkView *m_view;
    PlayerDock *m_transport;
    LivePreview *m_preview;
    LayeredManageDock *m_layerDock;
    SubtitleDock *m_subtitleDock;
    QToolBar *m_toolBar;
    QMenu *m_layerMenu;
    QSplitter *m_splitter;
};
