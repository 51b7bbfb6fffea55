#pragma once

#include <QHash>
#include <QObject>

namespace Ui {
class MainWindow;
}

// The Soundtrack tab: music files laid under the current task, in order.
class MusicTab : public QObject
{
    Q_OBJECT
public:
    explicit MusicTab(Ui::MainWindow *ui, QObject *parent = nullptr);

    void showCurrentTask();
    void addFiles(const QStringList &paths);
    void deleteCurrentRow();
    void moveCurrentRow(int direction);

private:
    void appendRow(const QString &path);
    void takeMusicFromRows();
    void showTotal();

    Ui::MainWindow *ui;
    QHash<QString, qint64> m_durations; // probed once per file, the table is rebuilt on every row change
};
