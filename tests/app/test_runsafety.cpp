#include "common/displaytext.h"
#include "jobs/abstractjob.h"
#include "mainwindowtest.h"
#include "modalwatch.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>

// Rows, their jobs and their outputs under everything a user may do during a run.
class TestRunSafety : public MainWindowTest
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rowsDeletedWhileTheirJobsRun();
    void runOutcomesOfEveryKindOfRow();
    void stopThenCloseWhilePausedEndTheEngines();

private:
    void change(quint64 id, const std::function<void(ConvertTask &)> &edit) { rows()->updateTask(id, edit); }
    // Deletes a row, answering the question if one comes; tells whether it came.
    bool deleteRow(quint64 id, QMessageBox::StandardButton answer);
    QString music() const;
    // The warning the run showed, closed; empty when there was none.
    QString takeWarning();
    void useFormat(const QString &vCodec, const QString &aCodec);
    // Runs every row still to do to the end, the Run action saying Pause meanwhile.
    void run()
    {
        action("actionRun")->trigger();
        QCOMPARE(action("actionRun")->text(), QStringLiteral("Pause"));
        QVERIFY(runToTheEnd());
        QCOMPARE(action("actionRun")->text(), QStringLiteral("Run"));
    }
    QString size(quint64 id) const { return cell(id, ConversionListModel::SizeColumn).toString(); }

    QTemporaryDir m_dir;
    QString m_output;
};

void TestRunSafety::useFormat(const QString &vCodec, const QString &aCodec)
{
    storeMp4([&](ConfigFormat &format) {
        format.vCodec = vCodec;
        format.aCodec = aCodec;
        format.aKeepCodec = aCodec == QLatin1String("copy");
    });
}

void TestRunSafety::init()
{
    useFormat(QStringLiteral("h264"), QStringLiteral("aac"));
    static int folder = 0;
    m_output = m_dir.filePath(QStringLiteral("out %1, 'ü'").arg(++folder));
    openWindow(m_output);
}

void TestRunSafety::cleanup()
{
    closeWindow();
}

QString TestRunSafety::music() const
{
    return TestMedia::make(QStringLiteral("music-3s.mp3"), {"-f", "lavfi", "-i", "sine=frequency=220:duration=3"});
}

bool TestRunSafety::deleteRow(quint64 id, QMessageBox::StandardButton answer)
{
    m_window->findChild<QTableView *>("tableWidget")->selectRow(rows()->rowOf(id));
    ModalWatch question({ModalWatch::press(answer)});
    action("actionDelete")->trigger();
    const bool asked = question.allAnswered();
    question.release();
    return asked;
}

QString TestRunSafety::takeWarning()
{
    const QList<QMessageBox *> boxes = m_window->findChildren<QMessageBox *>();
    for (QMessageBox *box : boxes) {
        if (box->isVisible()) {
            const QString text = box->text();
            box->close();
            QCoreApplication::processEvents();
            return text;
        }
    }
    return QString();
}

void TestRunSafety::rowsDeletedWhileTheirJobsRun()
{
    // Audio copied, so a merge runs in TesselEngine, which fails at once on a missing ending.
    useFormat(QStringLiteral("h264"), QStringLiteral("copy"));
    // One engine at a time, so that follow-up work waits in the queue behind a long conversion.
    m_window->jobs().setLimit(1);
    const QString cut = m_dir.filePath(QStringLiteral("cut.mp4"));
    const QString scored = m_dir.filePath(QStringLiteral("scored.mp4"));
    for (const QString &path : {cut, scored})
        QVERIFY(QFile::exists(path) || QFile::copy(TestMedia::clip(2.0), path));
    QVERIFY(!TestFiles::write(m_dir.filePath(QStringLiteral("cut.ass")), TestFiles::helloAss()).isEmpty());
    const QString longClip = TestMedia::longClip();
    QVERIFY(!longClip.isEmpty() && !music().isEmpty());
    const QList<quint64> ids = m_window->addFiles({cut, scored, longClip});
    change(ids[0], [](ConvertTask &task) { task.splitCount = 2; }); // burned subtitle: converted first, then cut
    for (quint64 id : ids.mid(1)) {
        change(id, [this](ConvertTask &task) {
            task.music = QStringList{music()};
            task.hasMusic = true;
        });
    }
    change(ids[2], [this](ConvertTask &task) {
        task.endings = {MergeEntry{m_dir.filePath(QStringLiteral("missing ending.mkv")), 0, 0, 0}};
        task.mergeOn = true;
    });

    QSignalSpy done(&m_window->jobs(), &JobsManage::sigAllCompleted);
    QSignalSpy ends(&m_window->jobs(), &JobsManage::sigJobFinished);
    action("actionRun")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(ends.cbegin(), ends.cend(),
                                         [](const QList<QVariant> &end) {
                                             return end.at(1).value<JobOutcome>() == JobOutcome::Failed;
                                         }),
                             60000);
    // The long row's merge failed, and its verdict came on the next turn of the event loop; its
    // soundtrack conversion is still to run, so the row is not done, and says so.
    QCoreApplication::processEvents();
    QCOMPARE(rows()->state(ids[2]), RowState::Running);
    // The long conversion runs; the parts of the first row and the mix of the second wait.
    QVERIFY(waitUntilWorking(ids[2], 120000));
    QVERIFY(QFile::exists(m_output + QStringLiteral("/cut_Split.mp4")));

    // Declining the question keeps the row and its work.
    QVERIFY(deleteRow(ids[0], QMessageBox::No));
    QCOMPARE(rows()->count(), 3);
    // The first row goes with the parts it still had to cut; rows below it move up and keep their work.
    QVERIFY(deleteRow(ids[0], QMessageBox::Yes));
    // The long conversion goes too, while it runs.
    QVERIFY(deleteRow(ids[2], QMessageBox::Yes));
    QCOMPARE(rows()->ids(), QList<quint64>{ids[1]});

    QVERIFY(done.wait(120000));
    QTRY_COMPARE(rows()->state(ids[1]), RowState::Completed);
    const QStringList outputs = QDir(m_output).entryList(QDir::Files);
    // The mix followed the right task: the second row's music, copied as it is, on the second row's file.
    QVERIFY2(outputs.contains(QStringLiteral("scored_MusicMix.mp4")), qPrintable(outputs.join(", ")));
    QCOMPARE(TestMedia::probeStream(m_output + QStringLiteral("/scored_MusicMix.mp4"), "a", "codec_name"),
             QStringLiteral("mp3"));
    QVERIFY(std::none_of(outputs.cbegin(), outputs.cend(),
                         [](const QString &name) { return name.startsWith(QStringLiteral("cut_Split_")); }));
    // The stopped conversion left no half file under its final name.
    QVERIFY(!outputs.contains(QStringLiteral("long-1280x720-30s_Music.mp4")));
}

// One run over every kind of row: a file no engine reads fails, one whose parts cannot be
// worked out is not started, a subtitle libass cannot load is left out with a warning, and
// two files of one name keep their outputs and their follow-ups apart.
void TestRunSafety::runOutcomesOfEveryKindOfRow()
{
    const QString broken = TestFiles::write(m_dir.filePath(QStringLiteral("broken.mp4")), QByteArray(8192, '\x5a'));
    const QString unreadable =
        TestFiles::write(m_dir.filePath(QStringLiteral("unreadable.mp4")), QByteArray(4096, '\x11'));
    const QString plain = m_dir.filePath(QStringLiteral("plain, \"clip\".mp4"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("one")) && QDir(m_dir.path()).mkpath(QStringLiteral("two")));
    const QString first = m_dir.filePath(QStringLiteral("one/clip.mp4"));
    const QString second = m_dir.filePath(QStringLiteral("two/clip.mp4"));
    for (const auto &[path, seconds] : {std::pair(plain, 2.0), std::pair(first, 2.0), std::pair(second, 3.0)})
        QVERIFY(QFile::exists(path) || QFile::copy(TestMedia::clip(seconds), path));
    const QString empty = TestFiles::write(m_dir.filePath(QStringLiteral("empty.ass")), QByteArray());
    const QString title = TestMedia::clip(1.0);
    const QList<quint64> ids = m_window->addFiles({broken, unreadable, plain, first, title, second});
    QTRY_COMPARE(size(ids[2]), DisplayText::fileSize(QFileInfo(plain).size()));
    change(ids[1], [](ConvertTask &task) { task.splitCount = 2; }); // no length known: no part can be cut
    // libass cannot load an empty file; burning it would fail the whole conversion.
    change(ids[2], [&empty](ConvertTask &task) {
        task.subtitlePath = empty;
        task.hasSubtitle = true;
    });
    for (quint64 id : ids.mid(3)) {
        change(id, [&](ConvertTask &task) {
            task.splitCount = 2;
            task.titleSequences = {MergeEntry{title, 0, 0, 0}};
            task.mergeOn = true;
            task.music = QStringList{music()};
            task.hasMusic = true;
        });
    }
    // A row deleted before the run goes without a question; the row below keeps its work.
    QVERIFY(!deleteRow(ids[4], QMessageBox::Yes));

    // Each refused folder is in the run outputs' suite; here the window says why and starts nothing.
    auto *folder = m_window->findChild<QLineEdit *>("lineEditOutput");
    folder->setText(QStringLiteral("relative/out"));
    action("actionRun")->trigger();
    QVERIFY2(takeWarning().contains(QStringLiteral("not a full path")), "no warning");
    QVERIFY(m_window->isIdle() && m_window->jobs().jobs().isEmpty());
    QCOMPARE(rows()->state(ids[2]), RowState::Ready);
    QVERIFY(!QDir(QStringLiteral("relative")).exists());
    folder->setText(m_output);

    run();
    QCOMPARE(rows()->state(ids[0]), RowState::Failed);
    QCOMPARE(status(ids[0]), QStringLiteral("Failed"));
    QVERIFY(!rows()->log(ids[0]).isEmpty() && !status(ids[0], Qt::ToolTipRole).isEmpty());
    QCOMPARE(rows()->state(ids[1]), RowState::NotStarted);
    QCOMPARE(status(ids[1]), QStringLiteral("Not started"));
    QVERIFY(!rows()->log(ids[1]).isEmpty());
    const QString warning = takeWarning();
    QVERIFY2(warning.contains(QStringLiteral("unreadable.mp4")), qPrintable(warning));

    // A success that left something out says so, and keeps the note where it can be read.
    QCOMPARE(rows()->state(ids[2]), RowState::CompletedWithWarnings);
    QCOMPARE(status(ids[2]), QStringLiteral("Completed"));
    QVERIFY(!cell(ids[2], ConversionListModel::StatusColumn, Qt::DecorationRole).isNull());
    QVERIFY2(rows()->log(ids[2]).contains(empty), qPrintable(rows()->log(ids[2])));
    const QString tip = status(ids[2], Qt::ToolTipRole);
    QVERIFY(tip.startsWith(QStringLiteral("Completed with warnings:\n")) && tip.contains(empty));
    const QString output = m_output + QStringLiteral("/plain, \"clip\".mp4");
    QCOMPARE(size(ids[2]), DisplayText::fileSize(QFileInfo(output).size()));

    // The plain 2 s, parts 1 + 1 and 1.5 + 1.5 s, merges 1 + 2 and 1 + 3 s, the converted files
    // for the soundtrack 2 and 3 s, and their mixes as long as the shorter of video and music.
    for (quint64 id : {ids[3], ids[5]})
        QVERIFY2(rows()->state(id) == RowState::Completed, qPrintable(rows()->log(id)));
    const QStringList outputs = QDir(m_output).entryList(QDir::Files);
    QList<double> durations;
    for (const QString &name : outputs)
        durations << std::round(TestMedia::probeDuration(m_output + QLatin1Char('/') + name) * 2.0) / 2.0;
    std::sort(durations.begin(), durations.end());
    QStringList seen;
    for (double duration : durations)
        seen << QString::number(duration);
    QCOMPARE(seen.join(QLatin1Char(' ')), QStringLiteral("1 1 1.5 1.5 2 2 2 3 3 3 4"));

    // The next run tries the failed and the not started rows again and leaves the done ones.
    run();
    QCOMPARE(rows()->state(ids[0]), RowState::Failed);
    QVERIFY(takeWarning().contains(QStringLiteral("unreadable.mp4")));
    QCOMPARE(rows()->state(ids[2]), RowState::CompletedWithWarnings);
    QCOMPARE(QDir(m_output).entryList(QDir::Files), outputs);
    // A run that queues nothing at all says so too.
    rows()->remove({ids[0]});
    action("actionRun")->trigger();
    QVERIFY(m_window->isIdle());
    QVERIFY(takeWarning().contains(QStringLiteral("unreadable.mp4")));
    // A row made ready again loses its sign.
    rows()->setState(ids[2], RowState::Ready);
    QVERIFY(cell(ids[2], ConversionListModel::StatusColumn, Qt::DecorationRole).isNull());
}

// Stop works from a pause and keeps one unfinished file; closing while paused finishes it first.
void TestRunSafety::stopThenCloseWhilePausedEndTheEngines()
{
    const QString longClip = TestMedia::longClip();
    QVERIFY(!longClip.isEmpty());
    m_window->jobs().setLimit(1);
    const QList<quint64> ids = m_window->addFiles({longClip, longClip});
    action("actionRun")->trigger();
    QVERIFY(waitUntilWorking(ids[0]));

    // Pause suspends the engine and offers to resume; nothing is queued twice.
    const int jobs = m_window->jobs().jobs().size();
    action("actionRun")->trigger();
    QCOMPARE(action("actionRun")->text(), QStringLiteral("Resume"));
    QVERIFY(m_window->jobs().isPaused());
    QCOMPARE(status(ids[0]), QStringLiteral("Paused"));
    QVERIFY(!m_window->isIdle());
    QCOMPARE(m_window->jobs().jobs().size(), jobs);

    // Stop works from the paused state: the engine goes on long enough to close its file.
    QSignalSpy done(&m_window->jobs(), &JobsManage::sigAllCompleted);
    action("actionStop")->trigger();
    QCOMPARE(action("actionRun")->text(), QStringLiteral("Run"));
    QVERIFY(m_window->isIdle());
    QVERIFY(!action("actionRun")->isEnabled());
    QCOMPARE(status(ids[0]), QStringLiteral("Stopping…"));
    QCOMPARE(rows()->state(ids[1]), RowState::Stopping);
    QVERIFY(done.wait(30000));
    QTRY_COMPARE(rows()->state(ids[0]), RowState::Stopped);
    QCOMPARE(rows()->state(ids[1]), RowState::Stopped);
    QCOMPARE(status(ids[0]), QStringLiteral("Stopped"));
    QVERIFY(action("actionRun")->isEnabled());

    // No unplayable file under a final name; the size cell tells what is on the disk.
    const QStringList outputs = QDir(m_output).entryList(QDir::Files);
    QCOMPARE(outputs, QStringList{QStringLiteral("long-1280x720-30s (unfinished).mp4")});
    const QString kept = m_output + QLatin1Char('/') + outputs.first();
    QCOMPARE(size(ids[0]), DisplayText::fileSize(QFileInfo(kept).size()));
    QVERIFY(rows()->log(ids[0]).contains(outputs.first()));
    QVERIFY(!cell(ids[0], ConversionListModel::StatusColumn, Qt::DecorationRole).isNull());
    QVERIFY(status(ids[0], Qt::ToolTipRole).startsWith(QStringLiteral("Unfinished file kept: ") + outputs.first()));

    // Closing while paused resumes the engine so that it can close its file, and waits for it.
    action("actionRun")->trigger();
    QVERIFY(waitUntilWorking(ids[0]));
    AbstractJob *job = m_window->jobs().jobs().value(0);
    QVERIFY(job);
    const qint64 launcher = job->processId();
    action("actionRun")->trigger();
    QVERIFY(m_window->jobs().isPaused());
    QVERIFY(m_window->close());
    QVERIFY(!QFile::exists(launcher > 0 ? QStringLiteral("/proc/%1/status").arg(launcher) : QString()));
    QCOMPARE(QDir(m_output).entryList(QDir::Files), outputs);
    QVERIFY(TestMedia::probeDuration(kept) > 0.0);
}

BRINDLE_TEST_MAIN(TestRunSafety)
#include "test_runsafety.moc"
