#pragma once

#include <QObject>

class ConvertList;
class QStandardItemModel;
namespace Ui {
class MainWindow;
}

// The Subtitle tab: the current task's subtitle file and its lines.
class SubtitleTab : public QObject
{
    Q_OBJECT
public:
    SubtitleTab(Ui::MainWindow *ui, QStandardItemModel *model, ConvertList *list, QObject *parent = nullptr);

    // Shows the current task's subtitle path and its lines.
    void showCurrentTask();
    // Attaches the file to every selected row and shows its lines.
    void attach(const QString &path);
    // Writes the subtitle document as ASS or SRT, after the file's ending.
    bool save(const QString &path);
    void loadTable(const QString &path);

private:
    void resetModel();

    Ui::MainWindow *ui;
    QStandardItemModel *m_model;
    ConvertList *m_list;
};
