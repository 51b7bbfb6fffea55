#pragma once

#include <QWidget>

class ConfigSystem;
class CurrentRow;
class QStandardItemModel;
namespace Ui {
class SubtitleTab;
}

// The Subtitle tab: the current row's subtitle file and its lines.
class SubtitleTab : public QWidget
{
    Q_OBJECT
public:
    explicit SubtitleTab(QWidget *parent = nullptr);
    ~SubtitleTab() override;

    void bind(CurrentRow *row, const ConfigSystem *settings);
    // Asks for a subtitle file and attaches it to the current row.
    void open();
    // Attaches the file to the current row and shows its lines.
    void attach(const QString &path);
    // Writes the subtitle document as ASS or SRT, after the file's ending.
    bool save(const QString &path);

private slots:
    void on_BtnSubtitleOpen_clicked();
    void on_BtnSubtitleSave_clicked();
    void on_checkBoxSubtitleStream_stateChanged(int state);

private:
    // Another row became current: its file is read and shown.
    void showTask();
    // The current row's task changed: a new file is shown, the one shown is left as it is.
    void followTask();
    void showPath(const QString &path);
    void loadTable(const QString &path);
    void fillTable();
    void resetModel();

    Ui::SubtitleTab *ui;
    CurrentRow *m_row = nullptr;
    const ConfigSystem *m_settings = nullptr;
    QStandardItemModel *m_lines;
};
