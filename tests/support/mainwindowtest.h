#pragma once

#include "app/mainwindow.h"
#include "editor/editormainwindow.h"
#include "jobs/conversionlistmodel.h"
#include "jobs/jobsmanage.h"
#include "settings/configformat.h"

#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

// The main window as a user meets it, for suites that drive it: software encoders only,
// nothing written over, an output folder of the suite's choosing.
class MainWindowTest : public QObject
{
protected:
    void openWindow(const QString &outputFolder = QString())
    {
        m_window = new MainWindow;
        m_window->systemSettings().useHA = false;
        m_window->systemSettings().coverage = false;
        if (!outputFolder.isEmpty())
            find<QLineEdit>("lineEditOutput")->setText(outputFolder);
        m_window->show();
    }
    void closeWindow()
    {
        delete m_window;
        m_window = nullptr;
    }

    // Stores an mp4 of the container's defaults, with the edit made, as the format runs use.
    static void storeMp4(const std::function<void(ConfigFormat &)> &edit = nullptr)
    {
        ConfigFormat format;
        format.load();
        format.applyContainerDefaults(0);
        format.format = QStringLiteral("mp4");
        if (edit)
            edit(format);
        format.save();
    }

    template<typename T = QObject>
    T *find(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    QAction *action(const char *name) const { return find<QAction>(name); }
    ConversionListModel *rows() const { return m_window->conversionList(); }
    QVariant cell(quint64 id, int column, int role = Qt::DisplayRole) const
    {
        return rows()->index(rows()->rowOf(id), column).data(role);
    }
    QString status(quint64 id, int role = Qt::DisplayRole) const
    {
        return cell(id, ConversionListModel::StatusColumn, role).toString();
    }

    // Opens the editor on the current row as the Watermark action does; null when it does not show.
    EditorMainWindow *openEditor()
    {
        action("actionWatermark")->trigger();
        EditorMainWindow *editor = m_window->editor();
        return QTest::qWaitForWindowExposed(editor) ? editor : nullptr;
    }

    // Starts a run unless one goes on, and waits for its end and every row's verdict, which
    // follows the job's end on the next turn of the event loop.
    bool runToTheEnd(int timeoutMs = 240000)
    {
        QSignalSpy done(&m_window->jobs(), &JobsManage::sigAllCompleted);
        if (m_window->isIdle())
            action("actionRun")->trigger();
        return done.wait(timeoutMs) && QTest::qWaitFor([this] { return !rows()->converting(); }, 5000);
    }
    // Waits until the row shows real progress: an engine is at work on it.
    bool waitUntilWorking(quint64 id, int timeoutMs = 60000)
    {
        static const QRegularExpression working(QStringLiteral("^[1-9][0-9]?% "));
        return QTest::qWaitFor([&] { return working.match(status(id)).hasMatch(); }, timeoutMs);
    }

    MainWindow *m_window = nullptr;
};
