#pragma once

#include <QHash>
#include <QWidget>

class ConfigSystem;
class CurrentRow;
namespace Ui {
class MusicTab;
}

// The Soundtrack tab: music files laid under the current row, in order.
class MusicTab : public QWidget
{
    Q_OBJECT
public:
    explicit MusicTab(QWidget *parent = nullptr);
    ~MusicTab() override;

    void bind(CurrentRow *row, const ConfigSystem *settings);
    // Appends the files to the current row's music.
    void addFiles(const QStringList &paths);
    // The table, where dropped files become music.
    QWidget *dropArea() const;

private slots:
    void on_BtnMusicAdd_clicked();
    void on_BtnMusicDelete_clicked();
    void on_BtnMusicUp_clicked();
    void on_BtnMusicDown_clicked();

private:
    void showTask();
    qint64 durationOf(const QString &path);

    Ui::MusicTab *ui;
    CurrentRow *m_row = nullptr;
    const ConfigSystem *m_settings = nullptr;
    QHash<QString, qint64> m_durations; // probed once per file, the table is rebuilt on every row change
};
