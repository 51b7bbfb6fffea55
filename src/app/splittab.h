#pragma once

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <QTime>

class ConvertList;
namespace Ui {
class MainWindow;
}

// The Split tab: how the current task is cut, and the parts already chosen.
class SplitTab : public QObject
{
    Q_OBJECT
public:
    SplitTab(Ui::MainWindow *ui, ConvertList *list, QObject *parent = nullptr);
    ~SplitTab() override;

    void showCurrentTask();
    // The mode, count, clip length or section end changed in the controls.
    void modeChosen(int mode);
    void countChosen(int count);
    void clipLengthChosen(const QTime &time);
    void sectionEndChosen(const QTime &time);
    // Adds the parts the current settings give to every selected row.
    void addParts();
    void deleteSelectedParts();
    void timeEdited(QObject *editor, bool start, const QTime &time);

private:
    void showModeControls(int mode);
    void showDuration(int row);
    // Thumbnails are decoded on worker threads; a rebuilt table ignores those of the old one.
    void requestThumbnail(const QString &path, int row, qint64 us);
    void showThumbnail(int generation, int row, const QImage &image);

    Ui::MainWindow *ui;
    ConvertList *m_list;
    int m_generation = 0;
    QThreadPool m_thumbnails;
};
