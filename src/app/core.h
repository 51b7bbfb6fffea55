#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTranslator>

class EditorMainWindow;
class MainWindow;
class QWatermarkBase;

// The process-wide state shared by the main window, the editor and the run.
class Core : public QObject
{
    Q_OBJECT
public:
    static Core &instance();

    QString subtitlePath;
    QList<QWatermarkBase *> layers;
    int currentTask = 0;
    bool subtitleChanged = false;
    EditorMainWindow *editor = nullptr;
    MainWindow *mainWindow = nullptr;
    QTranslator translator;

signals:
    void sigAddLayer(QWatermarkBase *pItem);
    void sigRemoveLayer(QWatermarkBase *pItem);

public slots:
    void onAddLayer(QWatermarkBase *pItem);
    void onRemoveLayer(QWatermarkBase *pItem);

private:
    Core() = default;
};

inline Core &core()
{
    return Core::instance();
}
