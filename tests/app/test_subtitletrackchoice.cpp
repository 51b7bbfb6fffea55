#include "modalwatch.h"
#include "previewpicture.h"
#include "subtitlemedia.h"
#include "testmedia.h"
#include "testpictures.h"
#include "testprofile.h"

#include "mainwindowtest.h"
#include "player/playerdock.h"
#include "subtitles/subtitledock.h"
#include "subtitles/subtitleedits.h"
#include "subtitles/subtitleparser.h"
#include "subtitles/subtitlesession.h"
#include "subtitles/subtitletrackbutton.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

// Subtitle tracks of the video chosen in the main window and in the editor, which show one
// session per row, and burned by the window's run.
class TestSubtitleTrackChoice : public MainWindowTest
{
    Q_OBJECT

private:
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
    QString m_output;

private slots:
    void initTestCase()
    {
        // A rate of its own: the flat sources' would blur small text past finding.
        storeMp4([](ConfigFormat &format) { format.vBitRate = QStringLiteral("2048 kbps"); });
    }

    void init()
    {
        QVERIFY(m_dir.isValid());
        m_output = m_dir.filePath(QStringLiteral("out"));
        openWindow(m_output);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() { closeWindow(); }

    // Chosen in the Subtitle tab, a text track is the row's session; moved in the editor's
    // panel and left unsaved, the run burns it where the panel shows it, and the other track not.
    // Pictures chosen in the editor's panel are burned from the video and said to be beyond
    // editing in both windows; a track nothing decodes leaves its video converted with a warning.
    void chosenTracksAreEditedWhereTheyCanBeAndBurned()
    {
        const QString source = m_dir.filePath(QStringLiteral("film, 'ü' [1].mkv"));
        QVERIFY(QFile::copy(SubtitleMedia::videoWithTracks("two-late-cue.mkv", {SubtitleMedia::cueSrt(0.5, 1.5),
                                                                       SubtitleMedia::cueSrt(1.8, 2.8, "LATE CUE")},
                                                           "srt"),
                            source));
        const QString broken = m_dir.filePath(QStringLiteral("broken.mkv"));
        QVERIFY(QFile::copy(SubtitleMedia::undecodableCopy(SubtitleMedia::videoWithTracks(
                                                               "srt.mkv", {SubtitleMedia::cueSrt(0.5, 1.5)}, "srt"),
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
        const QString output = m_output + QStringLiteral("/film, 'ü' [1].mp4");
        QVERIFY2(QFile::exists(output), qPrintable(rows()->log(ids[0])));
        QVERIFY(!burnedAt(source, output, 0.6)); // the first track's cue
        QVERIFY(burnedAt(source, output, 1.2));
        QVERIFY(!burnedAt(source, output, 2.4)); // where the track had it
        QCOMPARE(rows()->state(ids[1]), RowState::CompletedWithWarnings);
        QVERIFY2(rows()->log(ids[1]).contains(QStringLiteral("cannot be decoded")), qPrintable(rows()->log(ids[1])));
        QVERIFY(QFile::exists(m_output + QStringLiteral("/broken.mp4")));
        QCOMPARE(rows()->state(ids[2]), RowState::Completed);
        const QImage shown = TestMedia::frameOf(m_output + QStringLiteral("/disc.mp4"), 1.0);
        QVERIFY(TestPictures::near(shown.pixel(160, 170), Qt::white));
        QVERIFY(TestPictures::near(shown.pixel(50, 50), Qt::blue));
        QVERIFY(!burnedAt(pictures, m_output + QStringLiteral("/disc.mp4"), 2.5));
    }
};

BRINDLE_TEST_MAIN(TestSubtitleTrackChoice)
#include "test_subtitletrackchoice.moc"
