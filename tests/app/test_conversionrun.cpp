#include "common/displaytext.h"
#include "mainwindowtest.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using Model = ConversionListModel;

class TestConversionRun : public MainWindowTest
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void runConvertsFailsAndTriesOnlyTheFailedAgain();
    void unusableSubtitleIsLeftOutAndLogged();
    void stopEndsTheEngines();

private:
    void run();
    QString size(quint64 id, int role = Qt::DisplayRole) const { return cell(id, Model::SizeColumn, role).toString(); }

    QTemporaryDir m_dir;
    QString m_output;
};

void TestConversionRun::initTestCase()
{
    QVERIFY(m_dir.isValid());
    storeMp4();
}

void TestConversionRun::init()
{
    static int folder = 0;
    m_output = m_dir.filePath(QStringLiteral("out %1, 'ü'").arg(++folder));
    openWindow(m_output);
}

void TestConversionRun::cleanup()
{
    closeWindow();
}

void TestConversionRun::run()
{
    QSignalSpy done(&m_window->jobs(), &JobsManage::sigAllCompleted);
    action("actionRun")->trigger();
    QCOMPARE(action("actionRun")->text(), QStringLiteral("Pause"));
    QVERIFY(!m_window->isIdle());
    QVERIFY(done.wait(180000));
    QCOMPARE(done.count(), 1);
    QCOMPARE(action("actionRun")->text(), QStringLiteral("Run"));
    QVERIFY(m_window->isIdle());
    // Each row's verdict follows the job's end on the next turn of the event loop.
    QTRY_VERIFY(!rows()->converting());
}

void TestConversionRun::runConvertsFailsAndTriesOnlyTheFailedAgain()
{
    const QString broken = m_dir.filePath(QStringLiteral("broken.mp4"));
    QVERIFY(!TestFiles::write(broken, QByteArray(8192, '\x5a')).isEmpty());
    const QString source = m_dir.filePath(QStringLiteral("good, \"clip\".mp4"));
    QVERIFY(QFile::copy(TestMedia::clip(2.0), source));
    const QList<quint64> ids = m_window->addFiles({broken, source});
    QTRY_COMPARE(size(ids[1]), DisplayText::fileSize(QFileInfo(source).size()));

    run();
    QCOMPARE(rows()->state(ids[0]), RowState::Failed);
    QCOMPARE(status(ids[0]), QStringLiteral("Failed"));
    QVERIFY(!rows()->log(ids[0]).isEmpty());
    QVERIFY(!status(ids[0], Qt::ToolTipRole).isEmpty());
    const QString output = m_output + QStringLiteral("/good, \"clip\".mp4");
    QVERIFY2(QFile::exists(output), qPrintable(rows()->log(ids[1])));
    QCOMPARE(rows()->state(ids[1]), RowState::Completed);
    QCOMPARE(size(ids[1]), DisplayText::fileSize(QFileInfo(output).size()));
    QCOMPARE(TestMedia::probeStream(output, "v", "codec_name"), QStringLiteral("h264"));
    QCOMPARE(TestMedia::probeStream(output, "a", "codec_name"), QStringLiteral("aac"));
    QVERIFY(qAbs(TestMedia::probeDuration(output) - TestMedia::probeDuration(source)) < 0.1);

    // A failed row is tried again by the next run; the completed one is not.
    run();
    QCOMPARE(rows()->state(ids[0]), RowState::Failed);
    QCOMPARE(rows()->state(ids[1]), RowState::Completed);
    QCOMPARE(QDir(m_output).entryList(QDir::Files).size(), 1);
}

void TestConversionRun::unusableSubtitleIsLeftOutAndLogged()
{
    const QString source = m_dir.filePath(QStringLiteral("plain.mp4"));
    QVERIFY(QFile::copy(TestMedia::clip(2.0), source));
    const quint64 id = m_window->addFiles({source}).first();
    // libass cannot load an empty file; burning it would fail the whole conversion.
    const QString empty = m_dir.filePath(QStringLiteral("empty.ass"));
    QVERIFY(!TestFiles::write(empty, QByteArray()).isEmpty());
    rows()->updateTask(id, [&empty](ConvertTask &task) {
        task.subtitlePath = empty;
        task.hasSubtitle = true;
    });

    run();
    // A success that left something out says so, and keeps the note where it can be read.
    QCOMPARE(rows()->state(id), RowState::CompletedWithWarnings);
    QCOMPARE(status(id), QStringLiteral("Completed"));
    QVERIFY(!cell(id, Model::StatusColumn, Qt::DecorationRole).isNull());
    QVERIFY2(rows()->log(id).contains(empty), qPrintable(rows()->log(id)));
    const QString tip = status(id, Qt::ToolTipRole);
    QVERIFY(tip.startsWith(QStringLiteral("Completed with warnings:\n")) && tip.contains(empty));
    QVERIFY(QFile::exists(m_output + QStringLiteral("/plain.mp4")));

    // A run of done rows leaves them as they are; a row made ready again loses its sign.
    action("actionRun")->trigger();
    QVERIFY(m_window->isIdle());
    QCOMPARE(rows()->state(id), RowState::CompletedWithWarnings);
    rows()->setState(id, RowState::Ready);
    QVERIFY(cell(id, Model::StatusColumn, Qt::DecorationRole).isNull());
}

void TestConversionRun::stopEndsTheEngines()
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
    QVERIFY(!cell(ids[0], Model::StatusColumn, Qt::DecorationRole).isNull());
    QVERIFY(status(ids[0], Qt::ToolTipRole).startsWith(QStringLiteral("Unfinished file kept: ") + outputs.first()));

    // Stopped again, the row leaves one unfinished file still: the newest.
    action("actionRun")->trigger();
    QVERIFY(waitUntilWorking(ids[0]));
    action("actionStop")->trigger();
    QVERIFY(done.wait(30000));
    QTRY_COMPARE(rows()->state(ids[0]), RowState::Stopped);
    QCOMPARE(QDir(m_output).entryList(QDir::Files), outputs);
    QCOMPARE(size(ids[0]), DisplayText::fileSize(QFileInfo(kept).size()));
}

BRINDLE_TEST_MAIN(TestConversionRun)

#include "test_conversionrun.moc"
