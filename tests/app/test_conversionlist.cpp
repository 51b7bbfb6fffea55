#include "modalwatch.h"
#include "previewpicture.h"
#include "subtitlemedia.h"
#include "testpictures.h"
#include "editor/editormainwindow.h"
#include "editor/livepreview.h"
#include "editor/qwatermarkscene.h"
#include "editor/qwatermarkview.h"
#include "mainwindowtest.h"
#include "player/playerdock.h"
#include "player/qplayerwidget.h"
#include "player/slider.h"
#include "editor/cropdialog.h"
#include "subtitles/subtitledock.h"
#include "subtitles/subtitleedits.h"
#include "subtitles/subtitleparser.h"
#include "subtitles/subtitlesession.h"
#include "subtitles/subtitletrackbutton.h"
#include "testfiles.h"
#include "testmedia.h"
#include "testprofile.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QToolButton>
#include <QUndoStack>

namespace {
constexpr qint64 kSecond = 1000000;
using Model = ConversionListModel;

QPoint centreOf(QWidget *window, QWidget *widget)
{
    return widget->mapTo(window, widget->rect().center());
}
}

// The list, its tabs and the editor: every window works on the row it shows, by its id, up to
// the run that burns the subtitle track chosen in either window.
class TestConversionList : public MainWindowTest
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void droppedFilesFillTheRowAndItsTabs();
    void manyFilesAreListedBeforeTheyAreProbedAndDeleted();
    void deletingRowsAboveKeepsEveryWindowOnItsFile();
    void editorAndListShowTheSameRow();
    void subtitleEditsStayWithTheirRow();
    void chosenTracksAreEditedWhereTheyCanBeAndBurned();

private:
    ConvertTask task(quint64 id) const { return rows()->task(id); }
    QTableView *list() const { return find<QTableView>("tableWidget"); }
    // Opens the button's menu as a user does and picks the entry that starts so; the entries seen.
    static QStringList choose(SubtitleTrackButton *button, const QString &entryStart)
    {
        QStringList seen;
        whenMenuShows([&seen, entryStart](QMenu *menu) {
            QAction *picked = nullptr;
            for (QAction *action : menu->actions()) {
                seen << action->text();
                if (action->text().startsWith(entryStart) && action->isEnabled())
                    picked = action;
            }
            menu->close();
            if (picked)
                picked->trigger();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        return seen;
    }
    // Whether the output differs from its source where subtitles go, at a time.
    bool burnedAt(const QString &source, const QString &output, double seconds) const
    {
        return TestPictures::differingShare(TestMedia::frameOf(output, seconds), TestMedia::frameOf(source, seconds))
               > 0.002;
    }

    QTemporaryDir m_dir;
    QString m_clip;
};

void TestConversionList::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_clip = TestMedia::clip(3.0);
    QVERIFY(!m_clip.isEmpty());
}

void TestConversionList::init()
{
    openWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestConversionList::cleanup()
{
    closeWindow();
}

// A folder dropped on the list, then on the tabs: each tab edits the current row's task.
void TestConversionList::droppedFilesFillTheRowAndItsTabs()
{
    const QString folder = m_dir.filePath(QStringLiteral("side car, 'ü'"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(m_clip, folder + "/a.mp4") && QFile::copy(m_clip, folder + "/B.MKV"));
    QVERIFY(!TestFiles::write(folder + "/a.srt", TestFiles::helloSrt()).isEmpty());
    QVERIFY(!TestFiles::write(folder + "/a.ass", TestFiles::helloAss()).isEmpty());
    QVERIFY(!TestFiles::write(folder + "/notes.txt", "not media").isEmpty());

    m_window->dropFiles({folder}, centreOf(m_window, list()));
    QCOMPARE(rows()->count(), 2);
    const quint64 id = m_window->currentRowId();
    QVERIFY(task(id).hasSubtitle && task(id).subtitlePath == folder + "/a.ass");
    QCOMPARE(find<QTableView>("tableViewSubtitle")->model()->rowCount(), 1);
    // The probe reaches the task.
    QTRY_VERIFY(!rows()->probing());
    QCOMPARE(task(id).width, 320);
    QVERIFY(qAbs(task(id).end - 3 * kSecond) < kSecond / 10);

    auto *tabs = find<QTabWidget>("tabWidget");
    tabs->setCurrentIndex(3);
    auto *music = find<QTableWidget>("tableWidgetMusic");
    m_window->dropFiles({folder}, centreOf(m_window, music));
    QCOMPARE(rows()->count(), 2);
    QVERIFY(task(id).hasMusic && task(id).music == QStringList({folder + "/a.mp4", folder + "/B.MKV"}));
    QCOMPARE(find<QLabel>("labelTotalMusic")->text(), QStringLiteral("00:00:06"));
    music->setCurrentCell(1, 0);
    find<QPushButton>("BtnMusicUp")->click();
    QCOMPARE(task(id).music.first(), folder + "/B.MKV");
    QCOMPARE(music->item(0, 0)->toolTip(), folder + "/B.MKV");
    find<QPushButton>("BtnMusicDelete")->click();
    find<QPushButton>("BtnMusicDelete")->click();
    QVERIFY(!task(id).hasMusic);
    QCOMPARE(find<QLabel>("labelTotalMusic")->text(), QStringLiteral("00:00:00"));

    // Dropped on the merge table, files become endings; one moved up becomes a title sequence.
    tabs->setCurrentIndex(0);
    auto *merge = find<QTableWidget>("tableWidgetMerge");
    m_window->dropFiles({m_clip, m_clip}, centreOf(m_window, merge));
    QCOMPARE(rows()->count(), 2);
    QCOMPARE(merge->rowCount(), 3);
    QVERIFY(task(id).mergeOn && task(id).endings.size() == 2);
    QCOMPARE(find<QLabel>("labelTotal")->text(), QStringLiteral("00:00:09"));
    merge->setCurrentCell(1, 1);
    find<QPushButton>("BtnMergeUp")->click();
    QVERIFY(task(id).titleSequences.size() == 1 && task(id).endings.size() == 1);
    QVERIFY(merge->item(0, 0)->icon().isNull() && !merge->item(1, 0)->icon().isNull());
    // Editing a time editor writes into its own row's entry.
    auto *endEditor = qobject_cast<QTimeEdit *>(merge->cellWidget(2, 3));
    QVERIFY(endEditor);
    endEditor->setTime(QTime(0, 0, 1));
    QCOMPARE(task(id).endings[0].end, kSecond);
    QCOMPARE(find<QLabel>("labelTotal")->text(), QStringLiteral("00:00:07"));
    merge->setCurrentCell(0, 1);
    find<QPushButton>("BtnMergeDelete")->click();
    QVERIFY(task(id).titleSequences.isEmpty() && task(id).mergeOn);

    auto *clip = find<QTimeEdit>("timeEditSplit");
    find<QComboBox>("comboBoxSplit")->setCurrentIndex(1);
    QVERIFY(find<QSpinBox>("spinBoxSplitNum")->isHidden() && !clip->isHidden());
    clip->setTime(QTime(0, 0, 2));
    QVERIFY(task(id).clipLength == 2 * kSecond && task(id).splitMode == 1);
    find<QPushButton>("BtnSplitAdd")->click();
    QCOMPARE(task(id).splits.size(), 2);
    QVERIFY(qAbs(task(id).splits[1].end - 3 * kSecond) < kSecond / 10);
    auto *parts = find<QTableWidget>("tableWidgetSplit");
    QTRY_VERIFY(qobject_cast<QLabel *>(parts->cellWidget(1, 0)));
    parts->selectRow(0);
    find<QPushButton>("BtnSplitDel")->click();
    QCOMPARE(task(id).splits.size(), 1);
    QCOMPARE(task(id).splits[0].start, 2 * kSecond);
}

void TestConversionList::manyFilesAreListedBeforeTheyAreProbedAndDeleted()
{
    const QList<quint64> ids = m_window->addFiles(QVector<QString>(200, m_clip).toList());
    // Rows exist at once; the probes arrive later on worker threads.
    QCOMPARE(rows()->count(), 200);
    QVERIFY(rows()->probing());
    QSignalSpy allProbed(rows(), &Model::sigAllProbed);
    QVERIFY(allProbed.wait(60000));
    QCOMPARE(task(ids.last()).width, 320);

    // Deleting rows while probes are on their way keeps results with their own rows.
    m_window->addFiles({m_clip});
    find<QAction>("actionAll_Delete")->trigger();
    QCOMPARE(rows()->count(), 0);
    QTRY_VERIFY(!rows()->probing());
    QCOMPARE(m_window->currentRowId(), quint64(0));
    QCOMPARE(find<QTableWidget>("tableWidgetMerge")->rowCount(), 0);

    // With no row left, the tabs' buttons ask for files instead of adding to a row that is gone.
    const QList<std::function<void()>> asks{[this] { find<QPushButton>("BtnMergeAdd")->click(); },
                                             [this] { find<QPushButton>("BtnMusicAdd")->click(); },
                                             [this] { find<QPushButton>("BtnSubtitleOpen")->click(); },
                                             [this] { find<QAction>("actionAdd_ending")->trigger(); }};
    for (const auto &ask : asks) {
        QString told;
        whenModalShows([&told](QWidget *modal) {
            told = qobject_cast<QMessageBox *>(modal)->text();
            qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click();
        });
        ask();
        QCOMPARE(told, QStringLiteral("Add media file to list"));
    }
    QCOMPARE(rows()->count(), 0);
}

void TestConversionList::deletingRowsAboveKeepsEveryWindowOnItsFile()
{
    QStringList files;
    for (const char *colour : {"red", "lime", "blue", "yellow"})
        files << TestMedia::colourClip(QLatin1String(colour), 1);
    const QList<quint64> ids = m_window->addFiles(files);
    // The preview shows the current row's first picture before anything plays.
    auto *area = find<QPlayerWidget>("widgetPlayer")->findChild<QWidget *>(QStringLiteral("videoArea"));
    const auto shown = [area] { return QColor(area->grab().toImage().pixel(area->rect().center())); };
    QVERIFY2(shown().red() > 200 && shown().blue() < 60, qPrintable(shown().name()));
    list()->selectRow(2);
    EditorMainWindow *editor = openEditor();
    QVERIFY(editor && editor->source() == files[2]);

    rows()->setState(ids[3], RowState::Completed);
    // The user picks the first file and deletes it; its neighbour becomes the current row.
    list()->selectRow(0);
    find<QAction>("actionDelete")->trigger();
    QCOMPARE(rows()->count(), 3);
    QCOMPARE(m_window->currentRowId(), ids[1]);
    QCOMPARE(list()->selectionModel()->selectedRows().size(), 1);
    // The editor still turns its own file.
    editor->findChild<QAction *>(QStringLiteral("actionFlip_horizontal"))->trigger();
    QVERIFY(task(ids[2]).horizontalFlip && !task(ids[1]).horizontalFlip && !task(ids[3]).horizontalFlip);

    // A row above the current one goes: the tabs, the preview and Watermark stay on the current file.
    list()->selectRow(1);
    list()->selectionModel()->select(rows()->index(0, 0),
                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    find<QAction>("actionDelete")->trigger();
    QCOMPARE(rows()->ids(), QList<quint64>({ids[2], ids[3]}));
    QCOMPARE(m_window->currentRowId(), ids[2]);
    QCOMPARE(find<QTableWidget>("tableWidgetMerge")->item(0, 1)->toolTip(), files[2]);
    QCOMPARE(find<QPlayerWidget>("widgetPlayer")->file(), files[2]);
    QVERIFY2(shown().blue() > 200 && shown().red() < 60, qPrintable(shown().name()));
    openEditor();
    QCOMPARE(editor->rowId(), ids[2]);

    // States move with their rows; Ready to convert makes a completed row convert again.
    list()->selectRow(1);
    QCOMPARE(cell(ids[3], Model::StatusColumn).toString(), QStringLiteral("Completed"));
    find<QAction>("actionReady_to_convert")->trigger();
    QCOMPARE(rows()->state(ids[3]), RowState::Ready);
}

// The editor and the list show one row: what the editor changes shows in the list and its
// tabs, and the two windows share one player engine.
void TestConversionList::editorAndListShowTheSameRow()
{
    const quint64 id = m_window->addFiles({m_clip}).first();
    EditorMainWindow *editor = openEditor();
    QVERIFY(editor && cell(id, Model::NameColumn, Qt::DecorationRole).isNull());

    // A subtitle and a crop made in the editor show in the tabs and the row without a click.
    const QString subtitle = TestFiles::write(m_dir.filePath(QStringLiteral("from editor.srt")), TestFiles::helloSrt());
    whenFileDialogShows(subtitle);
    editor->findChild<QAction *>(QStringLiteral("actionAdd_Subtitle"))->trigger();
    QCOMPARE(find<QLineEdit>("lineEditSubtitle")->text(), subtitle);
    QCOMPARE(find<QTableView>("tableViewSubtitle")->model()->rowCount(), 1);
    whenModalShows([](QWidget *modal) {
        qobject_cast<CropDialog *>(modal)->OnCrop(ST_CROP_THICK{0.25, 0.0, 0.0, 0.0, true});
        qobject_cast<CropDialog *>(modal)->accept();
    });
    editor->findChild<QAction *>(QStringLiteral("actionCrop"))->trigger();
    const QString tip = cell(id, Model::NameColumn, Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(QStringLiteral("from editor.srt")) && tip.contains(QStringLiteral("Picture cropped")),
             qPrintable(tip));

    // Opened again, the canvas is the cropped picture, and a flip keeps the crop.
    editor->close();
    QCOMPARE(openEditor(), editor);
    QCOMPARE(editor->scene()->canvasSize(), QSize(240, 240));
    editor->findChild<QAction *>(QStringLiteral("actionFlip_horizontal"))->trigger();
    QVERIFY(task(id).horizontalFlip && task(id).crop.cropped);
    QCOMPARE(task(id).crop.left, 0.25);

    // The one set of layers is drawn on every row; each says so while there is one.
    const quint64 other = m_window->addFiles({m_clip}).first();
    QVERIFY(editor->scene()->addVideo(m_clip));
    for (quint64 row : {id, other}) {
        QVERIFY(!cell(row, Model::NameColumn, Qt::DecorationRole).isNull());
        QVERIFY(cell(row, Model::NameColumn, Qt::ToolTipRole).toString().contains(QStringLiteral("Watermark layers: 1")));
    }
    editor->scene()->undoStack()->undo();
    QVERIFY(cell(other, Model::NameColumn, Qt::DecorationRole).isNull());

    // One player engine, lent to one window at a time: taking it stops the other window's
    // playback, whose transport then shows stopped, and no window's buttons reach the other's.
    auto *player = find<QPlayerWidget>("widgetPlayer");
    auto *slider = player->findChild<Slider *>();
    auto *time = player->findChild<QTimeEdit *>();
    Slider *editorSlider = editor->transport()->m_slider;
    player->OnPlayPause();
    QTRY_VERIFY(slider->value() > 0);

    editor->transport()->m_playButton->click();
    QCOMPARE(editor->preview()->state(), LivePreview::Playing);
    QVERIFY(!player->isPlaying() && !slider->isEnabled());
    const QTime held = time->time();
    QTRY_VERIFY(editorSlider->value() > 500);
    QCOMPARE(time->time(), held);

    // The main window's Stop leaves the editor playing; its Play takes the engine back.
    player->OnStop();
    const int at = editorSlider->value();
    QTRY_VERIFY(editorSlider->value() > at + 300);
    player->OnPlayPause();
    QVERIFY(player->isPlaying());
    QCOMPARE(editor->preview()->state(), LivePreview::Idle);
    QVERIFY(!editorSlider->isEnabled() && editor->view()->isVisible());
    editor->transport()->m_stopButton->click();
    QVERIFY(player->isPlaying() && !player->isPaused());
}

// A row's subtitle lines are one session that the Subtitle tab and the editor's panel both
// show; choosing rows, adding files or clicking the row itself never drops its edits, and
// the editor saves them when it closes.
void TestConversionList::subtitleEditsStayWithTheirRow()
{
    const QString talk = m_dir.filePath(QStringLiteral("talk.mp4"));
    QVERIFY(QFile::copy(m_clip, talk));
    QVERIFY(!TestFiles::write(m_dir.filePath(QStringLiteral("talk.srt")), TestFiles::helloSrt()).isEmpty());
    const QList<quint64> ids = m_window->addFiles({talk, m_clip});
    EditorMainWindow *editor = openEditor();
    SubtitleDock *panel = editor->subtitleDock();
    const auto firstCue = [panel] { return panel->session()->document().events.value(0); };
    auto *cues = panel->findChild<QTableView *>(QStringLiteral("tableView"));
    cues->setCurrentIndex(cues->model()->index(0, 2));
    panel->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"))->setPlainText(QStringLiteral("Edited"));
    const auto tabText = [this] {
        return find<QTableView>("tableViewSubtitle")->model()->index(0, 2).data().toString();
    };
    QCOMPARE(tabText(), QStringLiteral("Edited"));
    QVERIFY(!find<QLabel>("labelUnsaved")->isHidden());

    list()->selectRow(1);
    QCOMPARE(find<QTableView>("tableViewSubtitle")->model()->rowCount(), 0);
    // A click in the merge table clears the list's selection; the tabs still show the current row.
    auto *merge = find<QTableWidget>("tableWidgetMerge");
    QTest::mouseClick(merge->viewport(), Qt::LeftButton, {}, merge->visualItemRect(merge->item(0, 1)).center());
    QVERIFY(list()->selectionModel()->selectedRows().isEmpty());
    const QString opened = TestFiles::write(m_dir.filePath(QStringLiteral("lines.srt")), TestFiles::helloSrt());
    find<QTabWidget>("tabWidget")->setCurrentIndex(2);
    whenFileDialogShows(opened);
    find<QPushButton>("BtnSubtitleOpen")->click();
    QCOMPARE(task(ids[1]).subtitlePath, opened);

    m_window->addFiles({m_clip});
    const QPoint talkRow = list()->visualRect(rows()->index(0, 0)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, talkRow);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, talkRow);
    QCOMPARE(m_window->currentRowId(), ids[0]);
    QCOMPARE(tabText(), QStringLiteral("Edited"));
    QCOMPARE(firstCue().Text, QStringLiteral("Edited"));

    // Saved from the Subtitle tab, the row names the file written, which holds the edit.
    const QString saved = m_dir.filePath(QStringLiteral("talk, edited.ass"));
    whenFileDialogShows(saved);
    find<QPushButton>("BtnSubtitleSave")->click();
    QCOMPARE(task(ids[0]).subtitlePath, saved);
    QVERIFY(find<QLabel>("labelUnsaved")->isHidden());
    QCOMPARE(panel->windowTitle(), QStringLiteral("Subtitle: talk, edited.ass"));
    SubtitleParser written; // read back through libass
    QVERIFY(written.read(saved));
    QCOMPARE(written.events.value(0).Text, QStringLiteral("Edited"));

    // Edits left in the editor are saved when it closes; opened again, it shows them as saved.
    panel->shiftTimes(1500, SubtitleEdits::Affect::AllRows, SubtitleEdits::Times::StartAndEnd);
    const QString closing = m_dir.filePath(QStringLiteral("movie, 'ü'.ass"));
    whenFileDialogShows(closing);
    editor->close();
    QCOMPARE(task(ids[0]).subtitlePath, closing);
    QVERIFY(written.read(closing));
    QCOMPARE(written.events.value(0).Start, 2000);
    openEditor();
    QCOMPARE(firstCue().Start, 2000);

    // Unsaved lines are asked about before their row goes, or the program; Cancel keeps both.
    panel->onAdd();
    for (QAction *leave : {find<QAction>("actionDelete"), find<QAction>("actionQuit")}) {
        QString asked;
        whenModalShows([&asked](QWidget *modal) {
            asked = qobject_cast<QMessageBox *>(modal)->text();
            qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Cancel)->click();
        });
        list()->selectRow(0);
        leave->trigger();
        QVERIFY2(asked.contains(QStringLiteral("talk.mp4")), qPrintable(asked));
        QCOMPARE(rows()->count(), 3);
        QVERIFY(panel->session()->isModified());
    }
}

// Chosen in the Subtitle tab, a text track is the row's session; moved in the editor's
// panel and left unsaved, the run burns it where the panel shows it, and the other track not.
// Pictures chosen in the editor's panel are burned from the video and said to be beyond
// editing in both windows; a track nothing decodes leaves its video converted with a warning.
void TestConversionList::chosenTracksAreEditedWhereTheyCanBeAndBurned()
{
    // A rate of its own: the flat sources' would blur small text past finding.
    storeMp4([](ConfigFormat &format) { format.vBitRate = QStringLiteral("2048 kbps"); });
    const QString output = m_dir.filePath(QStringLiteral("out"));
    find<QLineEdit>("lineEditOutput")->setText(output);
    const QString source = m_dir.filePath(QStringLiteral("film, 'ü' [1].mkv"));
    QVERIFY(QFile::copy(SubtitleMedia::videoWithTracks("two-late-cue.mkv", {SubtitleMedia::cueSrt(0.5, 1.5),
                                                                           SubtitleMedia::cueSrt(1.8, 2.8, "LATE CUE")},
                                                       "srt"),
                        source));
    const QString broken = m_dir.filePath(QStringLiteral("broken.mkv"));
    QVERIFY(QFile::copy(SubtitleMedia::undecodableCopy(
                            SubtitleMedia::videoWithTracks("srt.mkv", {SubtitleMedia::cueSrt(0.5, 1.5)}, "srt"),
                            QStringLiteral("undecodable.mkv")),
                        broken));
    const QString pictures = m_dir.filePath(QStringLiteral("disc.mkv"));
    const QString box =
        SubtitleMedia::pictureTrack(QStringLiteral("box-long.mks"), QRect(100, 150, 120, 40), 0.3, 2.0);
    QVERIFY(QFile::copy(SubtitleMedia::videoWithTracks("dvdsub-long.mkv", {box.toUtf8()}, "copy"), pictures));
    const QList<quint64> ids = m_window->addFiles({source, broken, pictures});
    auto *trackButton = find<SubtitleTrackButton>("BtnSubtitleFromVideo");
    QStringList entries = choose(trackButton, QStringLiteral("Track 2"));
    QCOMPARE(entries.size(), 2);
    QVERIFY2(entries.at(1).contains(QStringLiteral("subrip")), qPrintable(entries.join('\n')));
    QTRY_COMPARE(rows()->task(ids[0]).subtitleTrack, 1);
    QCOMPARE(find<QTableView>("tableViewSubtitle")->model()->index(0, 2).data().toString(),
             QStringLiteral("LATE CUE"));
    QCOMPARE(QFileInfo(rows()->task(ids[0]).subtitlePath).fileName(),
             QStringLiteral("film, 'ü' [1] (track 2).ass"));
    // Read into the cache, the lines are saved beside the video unless the user goes elsewhere.
    QString proposed;
    whenModalShows([&proposed](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        proposed = dialog ? dialog->directory().absolutePath() : QString();
        static_cast<QDialog *>(modal)->reject();
    });
    find<QPushButton>("BtnSubtitleSave")->click();
    QCOMPARE(proposed, QFileInfo(source).absolutePath());

    EditorMainWindow *editor = openEditor();
    SubtitleDock *panel = editor->subtitleDock();
    panel->shiftTimes(-1000, SubtitleEdits::Affect::AllRows, SubtitleEdits::Times::StartAndEnd);
    whenModalShows([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    editor->close();
    QVERIFY(!find<QLabel>("labelUnsaved")->isHidden());

    // The menu offers no broken track; one chosen before it broke is what a run meets.
    auto *list = m_window->findChild<QTableView *>(QStringLiteral("tableWidget"));
    list->selectRow(1);
    entries = choose(trackButton, QStringLiteral("Track 1"));
    QCOMPARE(entries.size(), 1);
    QVERIFY2(entries.first().contains(QStringLiteral("cannot be decoded")), qPrintable(entries.first()));
    QCOMPARE(rows()->task(ids[1]).subtitleTrack, -1);
    rows()->updateTask(ids[1], [](ConvertTask &task) {
        task.hasSubtitle = true;
        task.subtitleTrack = 0;
    });

    list->selectRow(2);
    openEditor();
    // Not chosen, the video's own pictures are no part of the preview, as of the output.
    qint64 position = 0;
    bool boxShown = false;
    int samplesInCue = 0;
    const QMetaObject::Connection watch =
        connect(editor->preview(), &LivePreview::positionChanged, this, [&](qint64 us) {
            position = us;
            boxShown = boxShown || TestPictures::near(previewPixel(editor, QPointF(160, 170)), Qt::white);
            samplesInCue += us > 600000 && us < 1400000 ? 1 : 0;
        });
    editor->transport()->m_playButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(position > 1600000, 10000);
    disconnect(watch);
    editor->transport()->m_stopButton->click();
    QVERIFY(samplesInCue > 0);
    QVERIFY(!boxShown);

    // Chosen in either window, the other says the pictures cannot be edited.
    choose(trackButton, QStringLiteral("Track 1"));
    QTRY_VERIFY(rows()->task(ids[2]).subtitleTrackPictures);
    QVERIFY(panel->statusText().contains(QStringLiteral("cannot be edited")));
    rows()->updateTask(ids[2], [](ConvertTask &task) {
        task.hasSubtitle = false;
        task.subtitleTrack = -1;
        task.subtitleTrackPictures = false;
    });
    QVERIFY(find<QLabel>("labelTrackNote")->isHidden());
    QVERIFY(panel->statusText().isEmpty());
    entries = choose(panel->trackButton(), QStringLiteral("Track 1"));
    QVERIFY2(entries.value(0).contains(QStringLiteral("dvd_subtitle")), qPrintable(entries.join('\n')));
    QTRY_VERIFY(rows()->task(ids[2]).subtitleTrackPictures);
    QVERIFY(find<QLabel>("labelTrackNote")->text().contains(QStringLiteral("cannot be edited")));
    QVERIFY(panel->statusText().contains(QStringLiteral("cannot be edited")));
    QCOMPARE(panel->session()->document().events.size(), 0);
    // The preview draws the chosen pictures as the run burns them.
    editor->transport()->m_playButton->click();
    QCOMPARE(editor->preview()->state(), LivePreview::Playing);
    QVERIFY(previewShows(editor, QPointF(160, 170), Qt::white));
    editor->transport()->m_stopButton->click();
    editor->close();

    QVERIFY(runToTheEnd(240000));
    QCOMPARE(rows()->state(ids[0]), RowState::Completed);
    const QString film = output + QStringLiteral("/film, 'ü' [1].mp4");
    QVERIFY2(QFile::exists(film), qPrintable(rows()->log(ids[0])));
    QVERIFY(!burnedAt(source, film, 0.6)); // the first track's cue
    QVERIFY(burnedAt(source, film, 1.2));
    QVERIFY(!burnedAt(source, film, 2.4)); // where the track had it
    QCOMPARE(rows()->state(ids[1]), RowState::CompletedWithWarnings);
    QVERIFY2(rows()->log(ids[1]).contains(QStringLiteral("cannot be decoded")), qPrintable(rows()->log(ids[1])));
    QVERIFY(QFile::exists(output + QStringLiteral("/broken.mp4")));
    QCOMPARE(rows()->state(ids[2]), RowState::Completed);
    const QImage shown = TestMedia::frameOf(output + QStringLiteral("/disc.mp4"), 1.0);
    QVERIFY(TestPictures::near(shown.pixel(160, 170), Qt::white));
    QVERIFY(TestPictures::near(shown.pixel(50, 50), Qt::blue));
    QVERIFY(!burnedAt(pictures, output + QStringLiteral("/disc.mp4"), 2.5));
}

BRINDLE_TEST_MAIN(TestConversionList)

#include "test_conversionlist.moc"
