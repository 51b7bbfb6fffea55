#pragma once

#include <QImage>
#include <QThreadPool>
#include <QTime>
#include <QWidget>

class CurrentRow;
namespace Ui {
class SplitTab;
}

// The Split tab: how the current row is cut, and the parts already chosen.
class SplitTab : public QWidget
{
    Q_OBJECT
public:
    explicit SplitTab(QWidget *parent = nullptr);
    ~SplitTab() override;

    void bind(CurrentRow *row);

private slots:
    void on_comboBoxSplit_currentIndexChanged(int index);
    void on_spinBoxSplitNum_valueChanged(int count);
    void on_timeEditSplit_timeChanged(const QTime &time);
    void on_timeEditEnd_timeChanged(const QTime &time);
    void on_BtnSplitAdd_clicked();
    void on_BtnSplitDel_clicked();

private:
    void showTask();
    void showModeControls(int mode);
    void showDuration(int row, qint64 start, qint64 end);
    // Stores the controls' mode and values in the current row's task.
    void storeChoice();
    void timeEdited(int row, bool start, qint64 us);
    // Thumbnails are decoded on worker threads; a rebuilt table ignores those of the old one.
    void requestThumbnail(const QString &path, int row, qint64 us);
    void showThumbnail(int generation, int row, const QImage &image);

    Ui::SplitTab *ui;
    CurrentRow *m_row = nullptr;
    bool m_writing = false; // the tab's own edit: its controls already show it
    int m_generation = 0;
    QThreadPool m_thumbnails;
};
