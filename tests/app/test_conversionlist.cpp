#include "app/convertlist.h"
#include "app/core.h"
#include "app/mainwindow.h"
#include "player/qplayerwidget.h"
#include "settings/configformat.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>

namespace {
constexpr qint64 kSecond = 1000000;

bool copyTo(const QString &from, const QString &to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QPoint centreOf(QWidget *window, QWidget *widget)
{
    return widget->mapTo(window, widget->rect().center());
}
}

class TestConversionList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void addedClipGetsRowTaskAndSidecar();
    void unreadableFileIsListedWithZeroes();
    void manyFilesAreListedBeforeTheyAreProbed();
    void folderDropsOntoListMergeAndMusic();
    void mergeTabMovesAndKeepsTheMainRow();
    void splitTabAddsParts();
    void deleteReadyAndAllDelete();
    void tabButtonsAskForFilesFirst();
    void containerChoiceIsSaved();

private:
    QTemporaryDir m_dir;
    QString m_clip;
    MainWindow *m_window = nullptr;
};

void TestConversionList::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_clip = TestMedia::clip(3.0);
    QVERIFY(!m_clip.isEmpty());
}

void TestConversionList::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestConversionList::cleanup()
{
    delete m_window;
    m_window = nullptr;
    QVERIFY(core().tasks.isEmpty());
}

void TestConversionList::addedClipGetsRowTaskAndSidecar()
{
    const QString folder = m_dir.filePath(QStringLiteral("side car, 'ü'"));
    QVERIFY(QDir().mkpath(folder));
    const QString movie = folder + QStringLiteral("/movie.mp4");
    QVERIFY(copyTo(m_clip, movie));
    QVERIFY(writeText(folder + "/movie.srt", "1\n00:00:00,500 --> 00:00:01,500\nHello\n"));
    QVERIFY(writeText(folder + "/movie.ass",
                      "[Script Info]\nScriptType: v4.00+\n\n[Events]\nFormat: Layer, Start, End, Style, Name, "
                      "MarginL, MarginR, MarginV, Effect, Text\nDialogue: 0,0:00:00.50,0:00:01.50,Default,,0,0,0,,"
                      "Hello there\n"));

    auto *table = m_window->findChild<QTableWidget *>("tableWidget");
    m_window->dropFiles({movie}, centreOf(m_window, table));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("movie.mp4"));
    QCOMPARE(table->item(0, 0)->toolTip(), movie);
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Ready"));
    QCOMPARE(m_window->conversionList()->state(0), RowState::Ready);
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);

    QCOMPARE(m_window->findChild<QPlayerWidget *>("widgetPlayer")->m_filePath, movie);
    QCOMPARE(core().tasks.size(), 1);
    const ConvertTask &task = core().tasks[0];
    QCOMPARE(task.sourcePath, movie);
    QCOMPARE(task.subtitlePath, folder + "/movie.ass");
    QVERIFY(task.hasSubtitle);
    QCOMPARE(task.transpose, -1);
    QCOMPARE(core().currentTask, 0);
    QCOMPARE(m_window->findChild<QLineEdit *>("lineEditSubtitle")->text(), task.subtitlePath);
    const QAbstractItemModel *lines = m_window->findChild<QTableView *>("tableViewSubtitle")->model();
    QCOMPARE(lines->rowCount(), 1);
    QCOMPARE(lines->index(0, 0).data().toString(), QStringLiteral("00:00:00:500"));
    QCOMPARE(lines->index(0, 1).data().toString(), QStringLiteral("00:00:01:500"));
    QCOMPARE(lines->index(0, 2).data().toString(), QStringLiteral("Hello there"));
    QCOMPARE(core().subtitlePath, task.subtitlePath);

    QTRY_VERIFY(!m_window->conversionList()->probing());
    QCOMPARE(core().tasks[0].width, 320);
    QCOMPARE(core().tasks[0].height, 240);
    QVERIFY(qAbs(core().tasks[0].end - 3 * kSecond) < kSecond / 10);
    QCOMPARE(m_window->findChild<QLabel *>("labelTotal")->text(), QStringLiteral("00:00:03"));
}

void TestConversionList::unreadableFileIsListedWithZeroes()
{
    const QString broken = m_dir.filePath(QStringLiteral("broken.mp4"));
    QVERIFY(writeText(broken, QByteArray(2048, '\x17')));
    m_window->conversionList()->addFile(broken);
    QTRY_VERIFY(!m_window->conversionList()->probing());
    QCOMPARE(core().tasks[0].width, 0);
    QCOMPARE(core().tasks[0].end, 0);
    QVERIFY(!m_window->conversionList()->probe(0).opened);
    QVERIFY(!core().tasks[0].hasSubtitle);
}

void TestConversionList::manyFilesAreListedBeforeTheyAreProbed()
{
    QStringList files;
    for (int i = 0; i < 200; ++i)
        files << m_clip;
    ConvertList *list = m_window->conversionList();
    list->addFiles(files);
    // Rows and tasks exist at once; the probes arrive later on worker threads.
    QCOMPARE(list->count(), 200);
    QCOMPARE(core().tasks.size(), 200);
    QVERIFY(list->probing());
    QSignalSpy allProbed(list, &ConvertList::sigAllProbed);
    QVERIFY(allProbed.wait(60000));
    QCOMPARE(core().tasks[199].width, 320);

    // Deleting rows while probes are on their way keeps results with their own rows.
    list->addFile(m_clip);
    m_window->findChild<QAction *>("actionAll_Delete")->trigger();
    QCOMPARE(list->count(), 0);
    QTRY_VERIFY(!list->probing());
    QVERIFY(core().tasks.isEmpty());
}

void TestConversionList::folderDropsOntoListMergeAndMusic()
{
    const QString folder = m_dir.filePath(QStringLiteral("drop"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(copyTo(m_clip, folder + "/a.mp4"));
    QVERIFY(copyTo(m_clip, folder + "/B.MKV"));
    QVERIFY(writeText(folder + "/notes.txt", "not media"));

    auto *table = m_window->findChild<QTableWidget *>("tableWidget");
    m_window->dropFiles({folder}, centreOf(m_window, table));
    QCOMPARE(table->rowCount(), 2);

    auto *tabs = m_window->findChild<QTabWidget *>("tabWidget");
    tabs->setCurrentIndex(3);
    auto *music = m_window->findChild<QTableWidget *>("tableWidgetMusic");
    m_window->dropFiles({folder}, centreOf(m_window, music));
    QCOMPARE(table->rowCount(), 2);
    const ConvertTask &task = core().tasks[core().currentTask];
    QCOMPARE(task.music.size(), 2);
    QVERIFY(task.hasMusic);
    QCOMPARE(music->rowCount(), 2);
    QCOMPARE(m_window->findChild<QLabel *>("labelTotalMusic")->text(), QStringLiteral("00:00:06"));

    QCOMPARE(core().tasks[core().currentTask].music.first(), folder + "/a.mp4");
    music->setCurrentCell(1, 0);
    m_window->findChild<QPushButton *>("BtnMusicUp")->click();
    QCOMPARE(core().tasks[core().currentTask].music.first(), folder + "/B.MKV");
    QCOMPARE(music->item(0, 0)->toolTip(), folder + "/B.MKV");
    m_window->findChild<QPushButton *>("BtnMusicDelete")->click();
    m_window->findChild<QPushButton *>("BtnMusicDelete")->click();
    QVERIFY(!core().tasks[core().currentTask].hasMusic);
    QCOMPARE(m_window->findChild<QLabel *>("labelTotalMusic")->text(), QStringLiteral("00:00:00"));

    // Dropped on the music table while another tab shows: the files join the list.
    tabs->setCurrentIndex(0);
    auto *merge = m_window->findChild<QTableWidget *>("tableWidgetMerge");
    m_window->dropFiles({folder + "/a.mp4"}, centreOf(m_window, merge));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(core().tasks[core().currentTask].endings.size(), 1);
    QCOMPARE(merge->rowCount(), 2);
}

void TestConversionList::mergeTabMovesAndKeepsTheMainRow()
{
    m_window->conversionList()->addFile(m_clip);
    QTRY_VERIFY(!m_window->conversionList()->probing());
    auto *merge = m_window->findChild<QTableWidget *>("tableWidgetMerge");
    m_window->dropFiles({m_clip, m_clip}, centreOf(m_window, merge));
    QCOMPARE(merge->rowCount(), 3);
    QVERIFY(!merge->item(0, 0)->icon().isNull());
    QVERIFY(core().tasks[0].mergeOn);
    QCOMPARE(m_window->findChild<QLabel *>("labelTotal")->text(), QStringLiteral("00:00:09"));

    // The main row cannot be deleted; an ending moving up becomes a title sequence.
    merge->setCurrentCell(0, 1);
    m_window->findChild<QPushButton *>("BtnMergeDelete")->click();
    QCOMPARE(merge->rowCount(), 3);
    merge->setCurrentCell(1, 1);
    m_window->findChild<QPushButton *>("BtnMergeUp")->click();
    QCOMPARE(core().tasks[0].titleSequences.size(), 1);
    QCOMPARE(core().tasks[0].endings.size(), 1);
    QVERIFY(merge->item(0, 0)->icon().isNull());
    QVERIFY(!merge->item(1, 0)->icon().isNull());

    // Editing a time editor writes into its own row's entry.
    auto *endEditor = qobject_cast<QTimeEdit *>(merge->cellWidget(2, 3));
    QVERIFY(endEditor);
    endEditor->setTime(QTime(0, 0, 1));
    QCOMPARE(core().tasks[0].endings[0].end, kSecond);
    QCOMPARE(m_window->findChild<QLabel *>("labelTotal")->text(), QStringLiteral("00:00:07"));

    merge->setCurrentCell(2, 1);
    m_window->findChild<QPushButton *>("BtnMergeDelete")->click();
    merge->setCurrentCell(0, 1);
    m_window->findChild<QPushButton *>("BtnMergeDelete")->click();
    QCOMPARE(merge->rowCount(), 1);
    QVERIFY(!core().tasks[0].mergeOn);
}

void TestConversionList::splitTabAddsParts()
{
    m_window->conversionList()->addFile(m_clip);
    auto *mode = m_window->findChild<QComboBox *>("comboBoxSplit");
    auto *count = m_window->findChild<QSpinBox *>("spinBoxSplitNum");
    auto *clip = m_window->findChild<QTimeEdit *>("timeEditSplit");
    mode->setCurrentIndex(1);
    QVERIFY(count->isHidden() && !clip->isHidden());
    clip->setTime(QTime(0, 0, 2));
    QCOMPARE(core().tasks[0].clipLength, 2 * kSecond);
    QCOMPARE(core().tasks[0].splitMode, 1);

    m_window->findChild<QPushButton *>("BtnSplitAdd")->click();
    QCOMPARE(core().tasks[0].splits.size(), 2);
    QVERIFY(qAbs(core().tasks[0].splits[1].end - 3 * kSecond) < kSecond / 10);
    auto *parts = m_window->findChild<QTableWidget *>("tableWidgetSplit");
    QCOMPARE(parts->rowCount(), 2);
    QCOMPARE(qobject_cast<QLabel *>(parts->cellWidget(0, 3))->text(), QStringLiteral("00:00:02:000"));
    QTRY_VERIFY(qobject_cast<QLabel *>(parts->cellWidget(1, 0)));
    const QPixmap thumbnail = qobject_cast<QLabel *>(parts->cellWidget(1, 0))->pixmap(Qt::ReturnByValue);
    QCOMPARE(thumbnail.size(), QSize(53, 40));

    parts->selectRow(0);
    m_window->findChild<QPushButton *>("BtnSplitDel")->click();
    QCOMPARE(core().tasks[0].splits.size(), 1);
    QCOMPARE(core().tasks[0].splits[0].start, 2 * kSecond);
}

void TestConversionList::deleteReadyAndAllDelete()
{
    ConvertList *list = m_window->conversionList();
    list->addFiles({m_clip, m_clip, m_clip});
    list->setState(1, RowState::Completed);
    auto *table = m_window->findChild<QTableWidget *>("tableWidget");
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Completed"));

    table->selectRow(1);
    m_window->findChild<QAction *>("actionReady_to_convert")->trigger();
    QCOMPARE(list->state(1), RowState::Ready);
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Ready"));

    list->setState(2, RowState::Failed);
    table->selectRow(0);
    // Without work of their own, rows go without a question; the others move up with their state.
    m_window->findChild<QAction *>("actionDelete")->trigger();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(core().tasks.size(), 2);
    QCOMPARE(list->state(1), RowState::Failed);
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Failed"));

    m_window->findChild<QAction *>("actionAll_Delete")->trigger();
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(core().tasks.isEmpty());
    QCOMPARE(m_window->findChild<QTableWidget *>("tableWidgetMerge")->rowCount(), 0);
}

void TestConversionList::tabButtonsAskForFilesFirst()
{
    for (const char *button : {"BtnMergeAdd", "BtnMusicAdd", "BtnSubtitleOpen"}) {
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("Add media file to list"));
            asked = true;
            box->button(QMessageBox::Yes)->click();
        });
        m_window->findChild<QPushButton *>(QLatin1String(button))->click();
        QVERIFY2(asked, button);
    }
    // The merge table's menu asks too instead of adding to a row that does not exist.
    QTimer::singleShot(0, [] { qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->accept(); });
    m_window->findChild<QAction *>("actionAdd_ending")->trigger();
    QVERIFY(core().tasks.isEmpty());
}

void TestConversionList::containerChoiceIsSaved()
{
    auto *formats = m_window->findChild<QComboBox *>("comboBoxFormat");
    formats->setCurrentIndex(1);
    ConfigFormat format;
    format.load();
    QCOMPARE(format.format, QStringLiteral("mkv"));
    delete m_window;
    m_window = new MainWindow;
    QCOMPARE(m_window->findChild<QComboBox *>("comboBoxFormat")->currentIndex(), 1);
    m_window->findChild<QComboBox *>("comboBoxFormat")->setCurrentIndex(0);
}

BRINDLE_TEST_MAIN(TestConversionList)

#include "test_conversionlist.moc"
