#pragma once

#include "common/converttask.h"
#include "subtitles/subtitleparser.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTranslator>

#include <functional>

class EditorMainWindow;
class MainWindow;
class WatermarkDocument;

// The process-wide state shared by the main window, the editor and the run.
class Core : public QObject
{
    Q_OBJECT
public:
    static Core &instance();

    SubtitleParser subtitles; // the document the subtitle table and the editor work on
    QString subtitlePath;
    QString cacheFolder; // where the filter graph writes its images and converted subtitles
    bool subtitleChanged = false;
    EditorMainWindow *editor = nullptr;
    MainWindow *mainWindow = nullptr;
    QTranslator translator;
    QTranslator qtTranslator; // Qt's own dialogs and buttons in the same language

    // The overlay filter text of the watermark layers and a task's subtitles; empty when there
    // is nothing to draw. What was left out of the picture (an unreadable subtitle, say) goes
    // to *problems.
    QString buildFilterGraph(const WatermarkDocument &layers, const ConvertTask &task,
                             QStringList *problems = nullptr) const;
    // The same for the preview, which alone reads its files: they go to one folder that each
    // build rewrites, so the text of an unchanged project stays the same between builds.
    QString buildPreviewGraph(const WatermarkDocument &layers, const ConvertTask &task) const;

private:
    Core() = default;
    // Builds into the folder that chooseFolder gives, asked only when the graph writes files.
    QString buildGraph(const WatermarkDocument &layers, const ConvertTask &task,
                       const std::function<QString()> &chooseFolder, QStringList *problems) const;
};

inline Core &core()
{
    return Core::instance();
}
